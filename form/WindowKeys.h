#pragma once

#include <QKeySequence>

// The window's own shortcuts, which the help lists.

// Copies the three results from anywhere in the window.
inline const QKeySequence CopyResultsKey(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
// Opens the convergence window.
inline const QKeySequence ConvergenceKey(Qt::CTRL | Qt::Key_D);
