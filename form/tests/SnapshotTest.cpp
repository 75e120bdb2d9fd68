// Everything the user sees, hears, copies and exports, step by step through
// each scenario, against the reviewed text in snapshots/<scenario>.txt. After
// the first step a step lists only what changed. SNAPSHOT_UPDATE=1 rewrites.
#include "ConvergenceView.h"
#include "FormFixture.h"
#include "HelpWindow.h"
#include "SeriesTable.h"

#include <QtCharts>
#include <QtGui/private/qguiapplication_p.h>
#include <QtWidgets>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <fstream>
#include <sstream>

namespace {

using State = QMap<QString, QString>;
QStringList Events; // spoken, shown, copied or written during a step

QString N(double value) {
    return QString::number(value, 'g', 7);
}

QString Line(const QString& key, QString value) {
    if (value.endsWith('\n'))
        value.chop(1);
    return value.contains('\n') ? key + ":\n    " + value.replace('\n', "\n    ") + '\n'
                                : key + " = " + value + '\n';
}

QString Placed(QWidget* w) { // the frame's size against the screen's, never font metrics
    const QSize screen = w->screen()->availableGeometry().size();
    const bool fits = screen.expandedTo(w->frameGeometry().size()) == screen;
    return w->windowTitle() + (fits ? ", fits the screen" : ", LARGER THAN THE SCREEN");
}

// The tooltip, and what screen readers hear where it differs from what is shown.
void Texts(State& s, const QString& key, QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    const QString shown[] = {w->toolTip(), w->property("text").toString(), w->toolTip()};
    const QString heard[] = {w->toolTip(), a->text(QAccessible::Name),
                             a->text(QAccessible::Description)};
    for (int i : {0, 1, 2})
        if (!heard[i].isEmpty() && (i == 0 || heard[i] != shown[i]))
            s[key + QStringList{".tip", ".name", ".description"}[i]] = heard[i];
}

void Convergence(State& s, ConvergenceView* view) {
    s["convergence"] = Placed(view);
    const QAbstractItemModel* table = view->findChild<QTableView*>()->model();
    for (int row = -1; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QModelIndex cell = table->index(row, column);
            const QString text = row < 0 ? table->headerData(column, Qt::Horizontal).toString()
                                         : cell.data().toString(),
                          tip = row < 0 ? table->headerData(column, Qt::Horizontal, Qt::ToolTipRole)
                                              .toString()
                                        : cell.data(Qt::ToolTipRole).toString();
            cells << text + (tip.isEmpty() ? ""
                             : tip == text ? " [tip: same]"
                                           : " [tip: " + tip + ']');
        }
        s[QString("table %1").arg(row, 2, 10, QChar('0'))] = cells.join(" | ");
    }
    for (QChartView* chart : view->findChildren<QChartView*>()) {
        const QString key = "plot " + chart->objectName();
        Texts(s, key, chart);
        s[key + ".title"] = chart->chart()->title();
        s[key + ".legend"] = chart->chart()->legend()->isVisible() ? "shown" : "hidden";
        for (QAbstractSeries* line : chart->chart()->series()) {
            const QList<QPointF> p = static_cast<QXYSeries*>(line)->points();
            const auto at = [](QPointF p) { return '(' + N(p.x()) + ", " + N(p.y()) + ')'; };
            s[key + ".line " + line->name()] =
                N(p.size()) + " points" + (line->isVisible() ? "" : ", hidden") +
                (p.isEmpty() ? "" : ", " + at(p[0]) + " … " + at(p.back()));
        }
        for (QAbstractAxis* axis : chart->chart()->axes()) { // labelled by us, on round ticks
            const auto at = [axis](const char* name) { return axis->property(name); };
            s[key + ".axis " + axis->titleText()] =
                N(at("min").toDouble()) + " to " + N(at("max").toDouble());
            s[key + ".axis " + axis->titleText() + " labels"] =
                at("categoriesLabels").toStringList().join(' ');
        }
    }
}

State Describe(TForm1& form) {
    State s;
    s["window"] = Placed(&form) + ", " +
                  QMetaEnum::fromType<Qt::WindowType>().valueToKeys(int(form.windowFlags())) +
                  (form.minimumSize() == form.maximumSize() ? ", fixed size" : "");
    for (QWidget* c : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (c->isWindow())
            continue;
        s[c->objectName()] = '"' + c->property("text").toString() + "\" at " + N(c->x()) + ',' +
                             N(c->y()) + ", " + N(c->font().pixelSize()) + "px" +
                             (c->isHidden() ? ", hidden" : "") +
                             (c->isEnabled() ? "" : ", disabled");
        Texts(s, c->objectName(), c);
    }
    for (QAction* action : form.actions())
        s["action " + action->text()] =
            action->shortcut().toString() + (action->isEnabled() ? "" : ", disabled");
    for (TLabel* label : form.findChildren<TLabel*>()) {
        QMenu menu;
        if (label->textInteractionFlags() & Qt::TextSelectableByMouse)
            form.FillNumberMenu(menu, label);
        QStringList entries;
        for (QAction* e : menu.actions())
            entries << (e->isSeparator() ? "—" : e->text() + (e->isEnabled() ? "" : " (off)"));
        if (!entries.isEmpty())
            s["menu " + label->objectName()] = entries.join(" | ");
    }
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    QStringList seen;
    for (int i = 0; i < window->childCount(); ++i) {
        const QAccessibleInterface* child = window->child(i);
        const QObject* o = child->object();
        seen << (o ? o->objectName().isEmpty() ? o->metaObject()->className() : o->objectName()
                   : (child->role() == QAccessible::StatusBar ? "status bar: " : "notification: ") +
                         child->text(QAccessible::Name));
    }
    s["screen readers see"] = seen.join(", ");
    if (form.Convergence() && form.Convergence()->isVisible())
        Convergence(s, form.Convergence());
    if (auto* help = form.findChild<HelpWindow*>(); help && help->isVisible()) {
        s["help"] = Placed(help);
        s["help.text"] = help->findChild<QTextBrowser*>()->toPlainText();
    }
    return s;
}

void Heard(QAccessibleEvent* event) {
    const QAccessible::Role role = event->accessibleInterface()->role();
    if ((event->type() == QAccessible::NameChanged && role == QAccessible::StatusBar) ||
        (event->type() == QAccessible::ObjectShow && role == QAccessible::Notification))
        Events << Line(role == QAccessible::StatusBar ? "status bar renamed" : "spoken",
                       event->accessibleInterface()->text(QAccessible::Name));
}

void Act(FormFixture& f, const QString& step) {
    TForm1& form = *f.Form;
    const QString what = step.section(' ', 0, 0), first = step.section(' ', 1, 1),
                  rest = step.section(' ', 2), all = step.section(' ', 1);
    if (what == "compute") {
        f.Compute(first, rest);
        std::ostringstream out;
        const auto arg = [](QString n) { return n.replace(FormatSettings.DecimalSeparator, '.'); };
        const std::string args[] = {arg(first).toStdString(), arg(rest).toStdString()};
        const int status =
            RunSeriesTable(std::vector<std::string_view>{args[0], args[1]}, out, out);
        Events << Line("series-table " + arg(all) + ", status " + N(status),
                       QString::fromStdString(out.str()));
    } else if (what == "press" || what == "press-under-a-10-byte-limit") {
        SizeLimit(what == "press" ? RLIM_INFINITY : 10); // a write past it fails
        f.Click(form.Button2);
        SizeLimit(RLIM_INFINITY);
    } else if (what == "keys") {
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keySequence(&form, QKeySequence(first));
    } else if (what == "menu") { // the entries of a label's context menu
        QMenu menu;
        form.FillNumberMenu(menu, form.findChild<TLabel*>(first));
        const QList<QAction*> entries = menu.actions();
        const auto entry = std::ranges::find(entries, rest, &QAction::text);
        QVERIFY2(entry != entries.end(), qPrintable(rest));
        (*entry)->trigger();
    } else if (what == "double-click") {
        QTest::mouseDClick(form.findChild<QWidget*>(first), Qt::LeftButton);
        Events << Line("selected", form.findChild<TLabel*>(first)->selectedText());
    } else if (what == "text-in-Test.txt") {
        std::ofstream("Test.txt") << "my notes\n";
    } else if (what == "folder") {
        QVERIFY(QDir().mkdir(all) && QDir::setCurrent(all));
    } else if (what == "export") { // over older files, which go
        for (const char* name : {"convergence.csv", "convergence.svg", "convergence.png"})
            std::ofstream(name) << "old\n";
        ConvergenceView* view = form.Convergence();
        QCOMPARE(view->SaveCsv("convergence.csv") + view->SaveSvg("convergence.svg") +
                     view->SavePng("convergence.png"),
                 QString());
        QFile csv("convergence.csv"), svg("convergence.svg");
        QVERIFY(csv.open(QIODevice::ReadOnly) && svg.open(QIODevice::ReadOnly));
        QXmlStreamReader reader(&svg);
        while (!reader.atEnd())
            reader.readNext();
        Events << Line("convergence.csv", QString::fromUtf8(csv.readAll())) +
                      Line("convergence.svg", reader.hasError() ? reader.errorString() : "XML") +
                      Line("convergence.png", QImage("convergence.png").isNull() ? "?" : "PNG");
    } else {
        QFAIL(qPrintable("unknown step " + step));
    }
}

} // namespace

class SnapshotTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void snapshot_data();
    void snapshot();
};

void SnapshotTest::initTestCase() {
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(Heard);
}

void SnapshotTest::snapshot_data() {
    QTest::addColumn<QString>("locale"); // empty: the environment's, see CMakeLists.txt
    QTest::addColumn<QString>("steps");
    // clang-format off
    QTest::newRow("en-0.001-and-1") << "en_US" << "keys Ctrl+Shift+C; compute 0.001 1; keys Ctrl+Shift+C; menu Label9 Copy the number; menu Label6 Copy every iteration as CSV; double-click Label10; press; press; menu Label3 Copy the number";
    QTest::newRow("uk-0-and-1") << "uk_UA" << "compute 0 1; keys Ctrl+D";
    QTest::newRow("ru-0,001-and--1") << "ru_RU" << "compute 0,001 -1; keys Ctrl+D";
    QTest::newRow("en-0-and-12") << "en_US" << "keys Ctrl+D; compute 0 12; export";
    QTest::newRow("uk-0,001-and-0") << "uk_UA" << "compute 0,001 0; keys Ctrl+D";
    QTest::newRow("ru-0-and-1,6094") << "ru_RU" << "keys Ctrl+D; compute 0 1,6094; compute 0 1,609438";
    QTest::newRow("en-a-0-term-then-INF-to-NAN") << "en_US" << "compute 0 1e-30; keys Ctrl+D; compute -1e38 -12";
    QTest::newRow("en-bad-numbers") << "en_US" << "compute 0,001 1; compute 0.001 1..2; compute abc 1";
    QTest::newRow("uk-save-refused-and-failed") << "uk_UA" << "text-in-Test.txt; compute 0,001 1; menu Label6 Копіювати всі ітерації у форматі CSV; press; folder next; press-under-a-10-byte-limit; press; press";
    QTest::newRow("ru-help-in-R&D-a<b") << "ru_RU" << "folder R&D a<b; keys F1";
    QTest::newRow("env") << "" << "compute 1e-3 1";
    // clang-format on
}

void SnapshotTest::snapshot() {
    QFETCH(QString, locale);
    QFETCH(QString, steps);
    const QString env = qEnvironmentVariable("SNAPSHOT_ENV"); // a process of its own
    if (locale.isEmpty() == env.isEmpty())
        QSKIP("the environment's language has its own snapshot_env_* tests");
    QLocale::setDefault(locale.isEmpty() ? QLocale::system() : QLocale(locale));
    Application->Initialize();
    FormFixture f;
    FormatSettings.DecimalSeparator = DecimalSeparatorOf(QLocale());
    QVERIFY(QTest::qWaitForWindowActive(f.Form.get()));
    QString text;
    State last;
    for (const QString& step : ("start; " + steps).split("; ")) {
        QApplication::clipboard()->clear();
        Events.clear();
        f.Messages.clear();
        if (step != "start" && (Act(f, step), QTest::currentTestFailed()))
            return;
        for (const FormFixture::Message& message : f.Messages)
            Events << Line("message", QString::fromStdString(message.Text));
        if (!QApplication::clipboard()->text().isEmpty())
            Events << Line("clipboard", QApplication::clipboard()->text());
        const State now = Describe(*f.Form);
        text += "## " + step + '\n' + Events.join("");
        for (auto [key, value] : now.asKeyValueRange())
            if (last.value(key) != value)
                text += Line(key, value);
        for (const QString& key : last.keys())
            text += now.contains(key) ? "" : "gone: " + key + '\n';
        last = now;
    }
    text.replace(f.Directory.path(), "<work>").replace(QRegularExpression(" +\n"), "\n");
    const QString name = QTest::currentDataTag() + (env.isEmpty() ? "" : '-' + env);
    QFile expected(SNAPSHOT_DIR "/" + name + ".txt");
    if (qEnvironmentVariableIsSet("SNAPSHOT_UPDATE") && expected.open(QIODevice::WriteOnly))
        expected.write(text.toUtf8()), expected.close();
    QVERIFY2(expected.open(QIODevice::ReadOnly), qPrintable(expected.fileName()));
    const QString want = QString::fromUtf8(expected.readAll());
    if (want == text)
        return;
    const auto at = std::ranges::mismatch(want, text).in1 - want.begin();
    QProcess diff;
    diff.start("diff", {"-u", expected.fileName(), "-"});
    diff.write(text.toUtf8()), diff.closeWriteChannel(), diff.waitForFinished();
    qInfo().noquote() << diff.readAll();
    const QString step = ('\n' + want.left(at)).section("\n## ", -1).section('\n', 0, 0);
    QFAIL(qPrintable(name + " differs at step \"" + step + "\"; SNAPSHOT_UPDATE=1 rewrites it"));
}

FORM_TEST_MAIN(SnapshotTest)

#include "SnapshotTest.moc"
