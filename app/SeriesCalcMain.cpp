#include "SeriesCalcMain.h"

#include "Application.h"
#include "Unit1.h"

#include <QGuiApplication>

#include <csignal>

int RunSeriesCalc(int argc, char** argv) {
    // Under a file size limit (ulimit -f) a write past it then fails with
    // EFBIG, which the save and the exports report, instead of ending the
    // program with SIGXFSZ and losing the calculation on screen.
    std::signal(SIGXFSZ, SIG_IGN);
    QGuiApplication::setDesktopFileName(QStringLiteral(SERIES_CALC_APP_ID));
    TApplication application(argc, argv);
    try {
        Application->Initialize();
        Application->CreateForm(&Form1);
        Application->Run();
    } catch (const Exception& e) {
        Application->ShowException(e);
    } catch (...) {
        try {
            throw Exception("");
        } catch (const Exception& e) {
            Application->ShowException(e);
        }
    }
    return 0;
}
