#pragma once

// The program from start to exit: the application object, its start-up, the
// main window and the event loop. Returns the exit code.
int RunSeriesCalc(int argc, char** argv);
