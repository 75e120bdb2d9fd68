#include "SeriesCalcMain.h"

#include "Application.h"
#include "Unit1.h"

#include <QGuiApplication>

int RunSeriesCalc(int argc, char** argv) {
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
