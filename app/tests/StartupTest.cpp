// The program's own start-up under uk_UA: once the window is up, a computation
// writes decimal commas, and Qt knows the desktop entry and the icon.
#include "SeriesCalcMain.h"
#include "Unit1.h"

#include <QGuiApplication>
#include <QLocale>
#include <QTimer>

static bool passed = false;

static void CheckOnceRunning() {
    QLocale::setDefault(QLocale("uk_UA"));
    QTimer::singleShot(0, [] {
        Form1->Edit1->setText("1e-3"); // read alike with either separator
        Form1->Edit2->setText("1");
        Form1->Button1->click();
        qInfo() << Form1->Label6->text() << QGuiApplication::desktopFileName();
        passed = Form1->Label6->text() == "Результат:7,388995" &&
                 QGuiApplication::desktopFileName() == SERIES_CALC_APP_ID &&
                 QGuiApplication::windowIcon().availableSizes() == QList{QSize(32, 32)};
        QGuiApplication::quit();
    });
}
Q_COREAPP_STARTUP_FUNCTION(CheckOnceRunning)

int main(int argc, char** argv) {
    return RunSeriesCalc(argc, argv) != 0 || !passed;
}
