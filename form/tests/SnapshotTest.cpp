// Everything the user sees, hears, copies and exports, step by step through
// each scenario, against the reviewed text in snapshots/<scenario>.txt. After
// the first step a step lists only what changed. SNAPSHOT_UPDATE=1 rewrites.
#include "ConvergenceView.h"
#include "FormFixture.h"
#include "HelpWindow.h"
#include "SeriesTable.h"

#include <QAccessible>
#include <QChartView>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLogValueAxis>
#include <QMenu>
#include <QMetaEnum>
#include <QProcess>
#include <QScreen>
#include <QTableView>
#include <QTextBrowser>
#include <QValueAxis>
#include <QXYSeries>
#include <QXmlStreamReader>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <sstream>

namespace {

using State = QMap<QString, QString>;
QStringList Events; // said to screen readers, shown, copied or written during a step

QString Line(const QString& key, QString value) {
    if (value.endsWith('\n'))
        value.chop(1);
    return value.contains('\n') ? key + ":\n    " + value.replace('\n', "\n    ") + '\n'
                                : key + " = " + value + '\n';
}

void Put(State& s, const QString& key, const QString& value) {
    if (!value.isEmpty())
        s[key] = value;
}

QString Placed(QWidget* w) { // size against the screen, never font metrics
    const QRect screen = w->screen()->availableGeometry();
    return QString("%1, %2").arg(w->windowTitle(), screen.contains(w->frameGeometry())
                                                       ? "within the screen"
                                                       : "LARGER THAN THE SCREEN");
}

// A screen reader's name and description, where they add to the caption and tooltip.
void Texts(State& s, const QString& key, QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    Put(s, key + ".tip", w->toolTip());
    if (a->text(QAccessible::Name) != w->property("text").toString())
        Put(s, key + ".name", a->text(QAccessible::Name));
    if (a->text(QAccessible::Description) != w->toolTip())
        Put(s, key + ".description", a->text(QAccessible::Description));
}

QString Point(const QPointF& p) {
    return QString("(%1, %2)").arg(p.x()).arg(p.y(), 0, 'g', 7);
}

void Convergence(State& s, ConvergenceView* view) {
    s["convergence"] = Placed(view);
    const QAbstractItemModel* table = view->findChild<QTableView*>()->model();
    for (int row = -1; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            cells << (row < 0 ? table->headerData(column, Qt::Horizontal).toString()
                              : table->index(row, column).data().toString());
            if (row >= 0)
                Put(s, QString("table %1.tip%2").arg(row, 2, 10, QChar('0')).arg(column),
                    table->index(row, column).data(Qt::ToolTipRole).toString());
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
            s[key + ".line " + line->name()] =
                QString("%1 points%2%3")
                    .arg(p.size())
                    .arg(line->isVisible() ? "" : ", hidden")
                    .arg(p.isEmpty() ? "" : ", " + Point(p.front()) + " … " + Point(p.back()));
        }
        for (QAbstractAxis* axis : chart->chart()->axes()) {
            auto* linear = qobject_cast<QValueAxis*>(axis);
            auto* log = qobject_cast<QLogValueAxis*>(axis);
            s[key + ".axis " + axis->titleText()] =
                linear ? QString("%1 to %2, ticks %3, labels %4")
                             .arg(linear->min())
                             .arg(linear->max())
                             .arg(linear->tickType() == QValueAxis::TicksDynamic
                                      ? QString("every %1").arg(linear->tickInterval())
                                      : QString("%1 fixed").arg(linear->tickCount()))
                             .arg(linear->labelFormat())
                       : QString("%1 to %2, base %3, labels %4")
                             .arg(log->min())
                             .arg(log->max())
                             .arg(log->base())
                             .arg(log->labelFormat());
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
        s[c->objectName()] = QString("\"%1\" at %2,%3, %4px%5%6")
                                 .arg(c->property("text").toString())
                                 .arg(c->x())
                                 .arg(c->y())
                                 .arg(c->font().pixelSize())
                                 .arg(c->isHidden() ? ", hidden" : "")
                                 .arg(c->isEnabled() ? "" : ", disabled");
        Texts(s, c->objectName(), c);
    }
    for (QAction* action : form.actions())
        s["action " + action->text()] =
            action->shortcut().toString() + (action->isEnabled() ? "" : ", disabled");
    for (TLabel* label :
         {form.Label1, form.Label2, form.Label3, form.Label6, form.Label9, form.Label10}) {
        QMenu menu;
        form.FillNumberMenu(menu, label);
        QStringList entries;
        for (QAction* entry : menu.actions())
            entries << (entry->isSeparator()
                            ? "—"
                            : entry->text() + (entry->isEnabled() ? "" : " (disabled)"));
        s["menu " + label->objectName()] = entries.join(" | ");
    }
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    QStringList seen;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        seen << (child->object()
                     ? child->object()->objectName().isEmpty()
                           ? child->object()->metaObject()->className()
                           : child->object()->objectName()
                     : child->text(QAccessible::Name)
                           .prepend(child->role() == QAccessible::StatusBar ? "status bar: "
                                                                            : "notification: "));
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

void Act(FormFixture& f, const QStringList& w) {
    TForm1& form = *f.Form;
    const QString rest = w.mid(2).join(' ');
    if (w[0] == "compute") {
        f.Compute(w[1], rest);
        std::ostringstream out, err;
        const auto typed = [](QString number) { // on the command line, with a point
            return number.replace(FormatSettings.DecimalSeparator, '.').toStdString();
        };
        const std::string precision = typed(w[1]), x = typed(rest);
        const int status = RunSeriesTable(std::vector<std::string_view>{precision, x}, out, err);
        Events << Line(QString("series-table %1 %2, status %3").arg(w[1], rest).arg(status),
                       QString::fromStdString(out.str() + err.str()));
    } else if (w[0] == "press") {
        f.Click(form.Button2);
    } else if (w[0] == "keys") {
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keySequence(&form, QKeySequence(w[1]));
    } else if (w[0] == "menu") {
        auto* label = form.findChild<QWidget*>(w[1]);
        QContextMenuEvent click(QContextMenuEvent::Mouse, {}, label->mapToGlobal(QPoint()));
        QApplication::sendEvent(label, &click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction* entry = nullptr;
        for (QAction* action : menu->actions())
            entry = action->text() == rest ? action : entry;
        QVERIFY2(entry, qPrintable(rest));
        entry->trigger();
        menu->close();
    } else if (w[0] == "double-click") {
        QTest::mouseDClick(form.findChild<QWidget*>(w[1]), Qt::LeftButton);
        Events << Line("selected", form.findChild<TLabel*>(w[1])->selectedText());
    } else if (w[0] == "text-in-Test.txt") {
        QFile file("Test.txt");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("my notes\n"));
    } else if (w[0] == "press-under-a-10-byte-limit") {
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY}, limit{10, RLIM_INFINITY};
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        f.Click(form.Button2);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, previous);
    } else if (w[0] == "folder") {
        QVERIFY(QDir().mkdir(w.mid(1).join(" ")) && QDir::setCurrent(w.mid(1).join(" ")));
    } else if (w[0] == "export") { // over older files, which go
        for (const char* name : {"convergence.csv", "convergence.svg", "convergence.png"}) {
            QFile old(name);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old\n"));
        }
        ConvergenceView* view = form.Convergence();
        QVERIFY(view->SaveCsv("convergence.csv") && view->SaveSvg("convergence.svg") &&
                view->SavePng("convergence.png"));
        QFile csv("convergence.csv"), svg("convergence.svg");
        QVERIFY(csv.open(QIODevice::ReadOnly) && svg.open(QIODevice::ReadOnly));
        Events << Line("convergence.csv", QString::fromUtf8(csv.readAll()));
        QXmlStreamReader reader(&svg);
        while (!reader.atEnd())
            reader.readNext();
        Events << Line("convergence.svg",
                       reader.hasError() ? reader.errorString() : "well-formed XML");
        Events << Line("convergence.png",
                       QImage("convergence.png").isNull() ? "unreadable" : "an image");
    } else {
        QFAIL(qPrintable("unknown step " + w[0]));
    }
}

} // namespace

class SnapshotTest : public QObject {
    Q_OBJECT

private slots:
    void snapshot_data();
    void snapshot();
};

void SnapshotTest::snapshot_data() {
    QTest::addColumn<QString>("locale"); // empty: the environment's, see CMakeLists.txt
    QTest::addColumn<QString>("steps");
    // clang-format off
    QTest::newRow("en-0.001-and-1") << "en_US" << "keys Ctrl+Shift+C; compute 0.001 1; keys Ctrl+Shift+C; menu Label9 Copy the number; menu Label6 Copy every iteration as CSV; double-click Label10; press; press; menu Label3 Copy the number";
    QTest::newRow("uk-0-and-1") << "uk_UA" << "compute 0 1; keys Ctrl+D; export";
    QTest::newRow("ru-0,001-and--1") << "ru_RU" << "compute 0,001 -1; keys Ctrl+D";
    QTest::newRow("en-0-and-12") << "en_US" << "keys Ctrl+D; compute 0 12; export";
    QTest::newRow("uk-0,001-and-0") << "uk_UA" << "compute 0,001 0; keys Ctrl+D";
    QTest::newRow("ru-0-and-1,6094") << "ru_RU" << "keys Ctrl+D; compute 0 1,6094";
    QTest::newRow("en-bad-numbers") << "en_US" << "compute 0,001 1; compute 0.001 1..2; compute abc 1";
    QTest::newRow("uk-save-refused-and-failed") << "uk_UA" << "text-in-Test.txt; compute 0,001 1; press; folder next; press-under-a-10-byte-limit; press; press";
    QTest::newRow("ru-help-in-R&D-a<b") << "ru_RU" << "folder R&D a<b; keys F1";
    QTest::newRow("env") << "" << "compute 1e-3 1; keys Ctrl+D";
    // clang-format on
}

void SnapshotTest::snapshot() {
    QFETCH(QString, locale);
    QFETCH(QString, steps);
    QString name = QTest::currentDataTag();
    if (locale.isEmpty()) { // a process of its own: Qt reads the environment once
        if (qEnvironmentVariableIsEmpty("SNAPSHOT_ENV"))
            QSKIP("run by the snapshot_env_* tests");
        name += '-' + qEnvironmentVariable("SNAPSHOT_ENV");
    }
    QLocale::setDefault(locale.isEmpty() ? QLocale::system() : QLocale(locale));
    Application->Initialize();
    FormFixture f;
    FormatSettings.DecimalSeparator = DecimalSeparatorOf(QLocale());
    QVERIFY(QTest::qWaitForWindowActive(f.Form.get()));
    QString text;
    State last;
    size_t messages = 0;
    for (const QString& step : ("start; " + steps).split("; ")) {
        QApplication::clipboard()->clear();
        Events.clear();
        if (step != "start")
            Act(f, step.split(' '));
        if (QTest::currentTestFailed())
            return;
        for (; messages < f.Messages.size(); ++messages)
            Events << Line("message", QString::fromStdString(f.Messages[messages].Text));
        if (!QApplication::clipboard()->text().isEmpty())
            Events << Line("clipboard", QApplication::clipboard()->text());
        const State now = Describe(*f.Form);
        text += "## " + step + '\n' + Events.join("");
        for (auto [key, value] : now.asKeyValueRange())
            if (last.value(key) != value)
                text += Line(key, value);
        for (const QString& key : last.keys())
            if (!now.contains(key))
                text += "gone: " + key + '\n';
        last = now;
    }
    text.replace(f.Directory.path(), "<work>");
    QFile expected(QString(SNAPSHOT_DIR "/%1.txt").arg(name));
    if (qEnvironmentVariableIsSet("SNAPSHOT_UPDATE"))
        QVERIFY(expected.open(QIODevice::WriteOnly) && expected.write(text.toUtf8()));
    expected.close();
    QVERIFY2(expected.open(QIODevice::ReadOnly), qPrintable(expected.fileName()));
    const QString want = QString::fromUtf8(expected.readAll());
    if (want == text)
        return;
    QFile seen(f.Directory.filePath("seen.txt"));
    QVERIFY(seen.open(QIODevice::WriteOnly) && seen.write(text.toUtf8()) && seen.flush());
    QProcess diff;
    diff.start("diff", {"-u", expected.fileName(), seen.fileName()});
    diff.waitForFinished();
    qInfo().noquote() << diff.readAll();
    qsizetype at = 0;
    while (at < want.size() && at < text.size() && want[at] == text[at])
        ++at;
    const QString differs = ("\n" + want.left(at)).section("\n## ", -1).section('\n', 0, 0);
    QFAIL(qPrintable(
        QString("%1 differs at step \"%2\"; SNAPSHOT_UPDATE=1 rewrites it").arg(name, differs)));
}

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(Heard);
    SnapshotTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SnapshotTest.moc"
