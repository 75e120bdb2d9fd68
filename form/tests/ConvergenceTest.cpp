#include "ConvergenceView.h"
#include "FormFixture.h"
#include "WindowKeys.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QChartView>
#include <QLibraryInfo>
#include <QTableView>

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ConvergenceTest : public QObject {
    Q_OBJECT

private slots:
    void convergence_data();
    void convergence();
    void unavailableModule_data();
    void unavailableModule();
};

void ConvergenceTest::convergence_data() {
    QTest::addColumn<QString>("precision");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("described"); // how the plot's description starts
    // clang-format off
    QTest::newRow("x = 1") << "0.001" << "1" << "e^2x: 10 terms, the error falls from 4.4 to 0.000061. At the end, truncation is the larger part of the error. 5e^x: 7 terms";
    QTest::newRow("x = 0: NaN from the first term") << "0.001" << "0" << "e^2x: 1 term, no finite error, 1 INF or NaN value left out.";
    QTest::newRow("x = 12: INF from n = 28") << "0.001" << "12" << "e^2x: 30 terms, the error falls from 2.6E10 to 6.2E09, 3 INF or NaN values left out.";
    QTest::newRow("negative x, alternating terms") << "-100" << "-3" << "e^2x: 30 terms, the error falls from 5 to 1.1E-06.";
    // clang-format on
}

// The window opens with Ctrl+D on the last Compute and follows the next one:
// each reason a series stopped fits its row, and an export that fails leaves
// the old files (the snapshot test records the table, the plot and what a good
// export writes).
void ConvergenceTest::convergence() {
    QFETCH(QString, precision);
    QFETCH(QString, x);
    QFETCH(QString, described);
    FormFixture f;
    f.Compute("0.5", "1");
    QVERIFY(QTest::qWaitForWindowActive(f.Form.get()));
    QTest::keyClick(f.Form->Edit1, Qt::Key_D, Qt::ControlModifier);
    ConvergenceView* window = f.Form->Convergence();
    QVERIFY(window && window->isVisible() && window->isWindow());
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
    f.Compute(precision, x);

    auto* view = window->findChild<QTableView*>();
    const auto* table = view->model();
    QCOMPARE(table->rowCount(), int(f.Form->LastRun().size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString why = table->index(row, 10).data().toString(); // the stop column
        const QRect cell(0, 0, view->columnWidth(10) - 6, 0); // within the delegate's margins
        QVERIFY(view->rowHeight(row) >=
                view->fontMetrics().boundingRect(cell, Qt::TextWordWrap, why).height());
    }
    const QString plot =
        QAccessible::queryAccessibleInterface(window->findChild<QChartView*>()->parent())
            ->text(QAccessible::Description);
    QVERIFY2(plot.startsWith(described), qPrintable(plot));

    const QString path = f.Directory.filePath("export");
    QCOMPARE(window->SaveCsv(path + ".csv") + window->SaveSvg(path + ".svg") +
                 window->SavePng(path + ".png"),
             QString());

    // On a full disk (a size limit) each export says why and leaves its file as it was.
    const QByteArray before = FileBytes(path + ".csv") + FileBytes(path + ".svg");
    SizeLimit(100);
    const QString failures = window->SaveCsv(path + ".csv") + window->SaveSvg(path + ".svg") +
                             window->SavePng(path + ".png");
    SizeLimit(RLIM_INFINITY);
    const QString why =
        " could not be written: File too large. A file of that name was left as it was.";
    QCOMPARE(failures, path + ".csv" + why + path + ".svg" + why + path + ".png" + why);
    QCOMPARE(FileBytes(path + ".csv") + FileBytes(path + ".svg"), before);

    window->activateWindow(); // Compute's click activated the main window
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QCOMPARE(QApplication::focusWidget(), view); // the keyboard starts in the table
    QAccessibleTableCellInterface* cell = QAccessible::queryAccessibleInterface(view)
                                              ->tableInterface()
                                              ->cellAt(0, 7)
                                              ->tableCellInterface();
    const QList<QAccessibleInterface*> headers = cell->columnHeaderCells(); // ours to delete
    const QString header = headers.value(0) ? headers[0]->text(QAccessible::Name) : QString();
    for (QAccessibleInterface* made : headers) // unregistered: deleted through the registry
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(made));
    QCOMPARE(header, QString("ulps"));
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    f.Form->ShowConvergence();
    QCOMPARE(f.Form->Convergence(), window); // one window, shown again
}

void ConvergenceTest::unavailableModule_data() {
    QTest::addColumn<QString>("module");
    QTest::addColumn<QString>("why");
    QTest::newRow("missing") << "/nonexistent/convergence.so" << QString("is missing");
    QTest::newRow("a plugin of another kind")
        << QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqoffscreen.so"
        << "does not belong";
}

// Without its module, Ctrl+D shows no message box: the action turns off and
// its tooltip says why.
void ConvergenceTest::unavailableModule() {
    QFETCH(QString, module);
    QFETCH(QString, why);
    SetConvergenceModule(module);
    FormFixture f;
    f.Compute("0.001", "1");
    QVERIFY(QTest::qWaitForWindowActive(f.Form.get()));
    QTest::keyClick(f.Form->Edit1, Qt::Key_D, Qt::ControlModifier);
    SetConvergenceModule(SERIES_CALC_TEST_MODULE);
    QVERIFY(!f.Form->Convergence() && f.Messages.empty() && !QApplication::activeModalWidget());
    for (QAction* action : f.Form->actions())
        if (action->shortcut() == ConvergenceKey)
            QVERIFY(!action->isEnabled() && action->toolTip().contains(module + ' ' + why));
}

FORM_TEST_MAIN(ConvergenceTest)

#include "ConvergenceTest.moc"
