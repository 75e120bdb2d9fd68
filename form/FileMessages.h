#pragma once

#include "CalcRecord.h"

#include <QString>

// Why a save or a read of "Test.txt" in `folder` did not happen, as a whole
// sentence in the user's language; empty where the window's own message
// ("Файл невдається створити", "Файл не вдається відкрити") says it.
QString SaveFailure(SaveResult result, const QString& folder);
QString ReadFailure(LoadStatus status, const QString& folder);
