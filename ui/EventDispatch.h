#pragma once

#include "Classes.h"

// Calls an event handler on behalf of Qt. An exception that escapes the
// handler ends it where it stands and is shown to the user; it never unwinds
// through Qt's frames, and the program goes on.
void CallHandler(const TNotifyEvent& handler, TObject* sender);
