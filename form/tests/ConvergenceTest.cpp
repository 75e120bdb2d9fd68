#include "ConvergenceView.h"
#include "FormFixture.h"
#include "SeriesCsv.h"
#include "WindowKeys.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QChartView>
#include <QLibraryInfo>
#include <QLineSeries>
#include <QTableView>
#include <QXmlStreamReader>

#include <charconv>
#include <cmath>

namespace {

std::string Shortest(const QVariant& value) {
    if (!value.isValid())
        return {};
    const float number = value.toFloat();
    if (std::isnan(number))
        return "nan";
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, number).ptr);
}

// A table row as `series-table --csv` writes it, without the series and bits:
// iteration,term,value,shown.
std::string TableRow(const QAbstractItemModel& table, int row) {
    const auto cell = [&](int column, int role) { return table.index(row, column).data(role); };
    return cell(1, Qt::UserRole).toString().toStdString() + ',' + Shortest(cell(2, Qt::UserRole)) +
           ',' + Shortest(cell(3, Qt::UserRole)) + ',' +
           FromQString(cell(3, Qt::DisplayRole).toString());
}

std::string CsvRow(const QString& line) {
    QStringList fields = line.split(',');
    return FromQString(fields.mid(1, 4).join(','));
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WellFormedSvg(const QByteArray& svg) {
    QXmlStreamReader reader(svg);
    bool root = reader.readNextStartElement() && reader.name() == QLatin1String("svg");
    while (!reader.atEnd())
        reader.readNext();
    return root && !reader.hasError();
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
    QTest::newRow("x = 1") << "0.001"
                           << "1"
                           << "e^2x: 10 terms, the error falls from 4.4 to 0.000061. At the end, "
                              "truncation is the larger part of the error. 5e^x: 7 terms";
    QTest::newRow("x = 0: NaN from the first term")
        << "0.001"
        << "0"
        << "e^2x: 1 term, no finite error, 1 INF or NaN value left out.";
    QTest::newRow("x = 12: INF from n = 28")
        << "0.001"
        << "12"
        << "e^2x: 30 terms, the error falls from 2.6E10 to 6.2E09, 3 INF or NaN values left out.";
    QTest::newRow("negative x, alternating terms")
        << "-100"
        << "-3"
        << "e^2x: 30 terms, the error falls from 5 to 1.1E-06.";
}

// The window opens with Ctrl+D on the last Compute and follows the next one:
// its table holds series-table's rows, its plot every finite value, and it
// exports a well-formed SVG and a PNG (the snapshot test reads its CSV).
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
    const QStringList csv =
        QString::fromStdString(SeriesCsv(f.Form->LastRun())).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(table->rowCount(), csv.size() - 1);
    for (int row = 0; row < table->rowCount(); ++row) {
        QCOMPARE(TableRow(*table, row), CsvRow(csv[row + 1]));
        const SeriesStop stop = f.Form->LastRun()[size_t(row)].Stop;
        const QString why = table->index(row, 10).data().toString(); // with the series' own term
        QVERIFY(stop == SeriesStop::GoesOn || !why.isEmpty());
        const QRect cell(0, 0, view->columnWidth(10) - 6, 0); // within the delegate's margins
        QVERIFY(view->rowHeight(row) >=
                view->fontMetrics().boundingRect(cell, Qt::TextWordWrap, why).height());
        if (stop != SeriesStop::GoesOn && stop != SeriesStop::NaNTerm)
            QVERIFY2(why.contains(table->index(row, 2).data().toString()), qPrintable(why));
    }
    for (QChartView* chart : window->findChildren<QChartView*>()) {
        const SeriesKind kind =
            chart->objectName() == "First" ? SeriesKind::First : SeriesKind::Second;
        const auto finite = std::count_if(
            f.Form->LastRun().begin(), f.Form->LastRun().end(),
            [&](const SeriesValue& v) { return v.Kind == kind && std::isfinite(v.Value); });
        auto* value = chart->chart()->findChild<QLineSeries*>("value");
        QCOMPARE(value->count(), int(finite));
    }
    const QString plot =
        QAccessible::queryAccessibleInterface(window->findChild<QChartView*>()->parent())
            ->text(QAccessible::Description);
    QVERIFY2(plot.startsWith(described), qPrintable(plot));

    const QString path = f.Directory.filePath("export");
    QCOMPARE(window->SaveCsv(path + ".csv") + window->SaveSvg(path + ".svg") +
                 window->SavePng(path + ".png"),
             QString());
    QVERIFY(WellFormedSvg(FileBytes(path + ".svg")));
    QVERIFY(!QImage(path + ".png").isNull());

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
    QTest::newRow("missing") << "/nonexistent/convergence.so"
                             << "is missing";
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
