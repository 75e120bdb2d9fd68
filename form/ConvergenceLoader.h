#pragma once

#include "ConvergenceView.h"

#include <QString>

// Where the program finds the convergence module: beside its own folder, as
// installed and as built, or where SetConvergenceModule put it.
QString ConvergenceModule();
void SetConvergenceModule(const QString& path);

// Loads the convergence module on first use and creates a window owned by
// `owner`; nullptr, with `why` saying in the user's language why the window
// cannot open, where the module is missing or of another version.
ConvergenceView* LoadConvergenceView(QWidget* owner, QString& why);
