#pragma once

#include "ConvergenceView.h"

#include <QString>

// Loads the convergence module on first use and creates a window owned by
// `owner`; nullptr with `error` set when the module cannot be loaded.
ConvergenceView* LoadConvergenceView(QWidget* owner, QString& error);
