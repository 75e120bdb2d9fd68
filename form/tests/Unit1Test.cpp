#include "FormFixture.h"
#include "HelpWindow.h"
#include "Translations.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

const char* const RecordOf0001And1 = "\x6F\x12\x83\x3A\x00\x00\x80\x3F\xA6\x72\xEC\x40Raschet";

QByteArray FileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray Record0001And1() {
    return QByteArray(RecordOf0001And1, 20);
}

QString Caption(TLabel* label) {
    return label->text();
}

QString Accessible(QObject* object, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(object)->text(text);
}

// Relative luminance, as contrast ratios are defined on it.
double Luminance(QColor colour) {
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

// The contrast ratio of two luminances.
double Contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The window refuses other sizes than its own and offers no maximize button.
bool KeepsItsSize(QWidget& window) {
    const QSize size = window.size();
    window.resize(size - QSize(40, 40));
    const bool refusedSmaller = window.size() == size;
    window.resize(size + QSize(40, 40));
    const Qt::WindowFlags flags = window.windowFlags();
    return refusedSmaller && window.size() == size && (flags & Qt::CustomizeWindowHint) &&
           !(flags & Qt::WindowMaximizeButtonHint);
}

// Start-up with the default locale set to `name`: its separator and language.
auto StartUpIn(const QString& name) {
    QLocale::setDefault(QLocale(name));
    Application->Initialize();
    return qScopeGuard([] {
        QLocale::setDefault(QLocale::system());
        LoadTranslations(QLocale::c());
    });
}

// Every text a session shows, from start-up through a failed parse, a failed
// save, a save, a read-back and a failed read, then its messages.
QStringList SessionTexts() {
    FormFixture f;
    QStringList texts = {f.Form->windowTitle(), Accessible(f.Form->Label18, QAccessible::Name)};
    const auto captions = [&] {
        for (QWidget* control : f.Form->findChildren<QWidget*>())
            texts << control->property("text").toString();
    };
    captions();
    f.Compute("x", "1");
    std::filesystem::create_directory(f.Path());
    f.Click(f.Form->Button2);
    captions();
    std::filesystem::remove(f.Path());
    f.Compute("0.001", "1");
    for (int press = 0; press < 2; ++press, captions())
        f.Click(f.Form->Button2);
    std::filesystem::remove(f.Path());
    f.Click(f.Form->Button2);
    for (const FormFixture::Message& message : f.Messages)
        texts << QString::fromStdString(message.Text);
    return texts;
}

} // namespace

class Unit1Test : public QObject {
    Q_OBJECT

private slots:
    void startUpState();
    void controlGeometry_data();
    void controlGeometry();
    void compute_data();
    void compute();
    void textThatIsNotANumber_data();
    void textThatIsNotANumber();
    void labelsUnderADarkTheme_data();
    void labelsUnderADarkTheme();
    void resultHints_data();
    void resultHints();
    void zeroXShowsNaN();
    void saveThenRead();
    void readTwice();
    void typingAfterReadBackHidesIt();
    void computeAfterReadBackKeepsLabels();
    void readFailures_data();
    void readFailures();
    void saveFailures_data();
    void saveFailures();
    void disabledButtonDoesNothing();
    void keyboard_data();
    void keyboard();
    void decimalKey_data();
    void decimalKey();
    void accessibilityAndCopying();
    void copy_data();
    void copy();
    void realMessageBox_data();
    void realMessageBox();
    void languages_data();
    void languages();
};

void Unit1Test::startUpState() {
    FormFixture f;
    TForm1& form = *f.Form;
    QCOMPARE(form.windowTitle(), QString("Form1"));
    QVERIFY(form.Button1->Enabled());
    QVERIFY(!form.Button2->Enabled());
    QCOMPARE(form.Button2->text(), QString("Сохранить"));
    QCOMPARE(form.Button2->Tag, 0);
    QVERIFY(form.Edit1->text().isEmpty());
    QVERIFY(form.Edit2->text().isEmpty());
    for (TLabel* label :
         {form.Label1, form.Label2, form.Label3, form.Label6, form.Label9, form.Label10}) {
        QVERIFY(label->Visible());
        QVERIFY(label->text().isEmpty());
    }
    QCOMPARE(form.Label7->text(), QString("Вычесление степенного ряда функции "));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 220, 192));
    QCOMPARE(form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 22);
}

void Unit1Test::controlGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    QTest::addColumn<int>("fontPixels");
    QTest::newRow("precision input") << "Edit1" << QRect(144, 144, 121, 21) << 11;
    QTest::newRow("x input") << "Edit2" << QRect(144, 104, 121, 21) << 11;
    QTest::newRow("compute button") << "Button1" << QRect(24, 184, 75, 25) << 11;
    QTest::newRow("save/read button") << "Button2" << QRect(272, 184, 75, 25) << 11;
    QTest::newRow("title keeps its place") << "Label7" << QRect(24, 0, 0, 0) << 16;
    QTest::newRow("f(x)= in the large font") << "Label18" << QRect(117, 48, 0, 0) << 19;
    QTest::newRow("read-back value") << "Label3" << QRect(288, 152, 0, 0) << 11;
    QTest::newRow("first series value") << "Label6" << QRect(0, 72, 0, 0) << 11;
    QTest::newRow("second series value") << "Label9" << QRect(0, 24, 0, 0) << 11;
    QTest::newRow("combined value") << "Label10" << QRect(0, 48, 0, 0) << 11;
}

// Rows with an empty size check the position only: labels size themselves.
void Unit1Test::controlGeometry() {
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    QFETCH(int, fontPixels);
    FormFixture f;
    auto* control = f.Form->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->pos(), expected.topLeft());
    if (!expected.size().isEmpty())
        QCOMPARE(control->size(), expected.size());
    QCOMPARE(control->font().pixelSize(), fontPixels);
}

void Unit1Test::compute_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("precision");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("combined");
    QTest::newRow("point from en_US") << "en_US"
                                      << "0.001"
                                      << "1"
                                      << "Результат:7.388995"
                                      << "Результат:13.59127"
                                      << "Результат:-6.202274";
    QTest::newRow("comma from uk_UA") << "uk_UA"
                                      << "0,001"
                                      << "1"
                                      << "Результат:7,388995"
                                      << "Результат:13,59127"
                                      << "Результат:-6,202274";
    QTest::newRow("exponent and spaces") << "C"
                                         << " 1e-3 "
                                         << "+1"
                                         << "Результат:7.388995"
                                         << "Результат:13.59127"
                                         << "Результат:-6.202274";
    QTest::newRow("negative x, comma from ru_RU") << "ru_RU"
                                                  << "0,001"
                                                  << "-1"
                                                  << "Результат:-1"
                                                  << "Результат:0"
                                                  << "Результат:-1";
}

// The window parses and writes numbers with the separator that the
// application's start-up takes from the locale.
void Unit1Test::compute() {
    QFETCH(QString, locale);
    QFETCH(QString, precision);
    QFETCH(QString, x);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, combined);
    FormFixture f;
    const auto restore = StartUpIn(locale);
    for (int press = 0; press < 2; ++press) { // a second press shows the same
        f.Compute(precision, x);
        QCOMPARE(Caption(f.Form->Label6), first);
        QCOMPARE(Caption(f.Form->Label9), second);
        QCOMPARE(Caption(f.Form->Label10), combined);
        QVERIFY(f.Form->Button2->Enabled());
        QCOMPARE(f.Form->Button2->text(), QString("Зберегти"));
        QCOMPARE(f.Form->Button2->Tag, 0);
    }
    QVERIFY(f.Messages.empty());
}

void Unit1Test::textThatIsNotANumber_data() {
    QTest::addColumn<QString>("precision");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("message");
    QTest::addColumn<float>("storedPrecision");
    QTest::addColumn<float>("storedX");
    QTest::newRow("letters in precision")
        << "abc"
        << "2"
        << "'abc' is not a valid floating point value" << 0.5f << 3.0f;
    QTest::newRow("comma is not the separator")
        << "0,5"
        << "2"
        << "'0,5' is not a valid floating point value" << 0.5f << 3.0f;
    QTest::newRow("both empty") << ""
                                << ""
                                << "'' is not a valid floating point value" << 0.5f << 3.0f;
    QTest::newRow("x not a number, precision taken")
        << "0.25"
        << "1..2"
        << "'1..2' is not a valid floating point value" << 0.25f << 3.0f;
}

// The error ends the press where it stands: what was done before stays done.
void Unit1Test::textThatIsNotANumber() {
    QFETCH(QString, precision);
    QFETCH(QString, x);
    QFETCH(QString, message);
    QFETCH(float, storedPrecision);
    QFETCH(float, storedX);
    FormFixture f;
    f.Compute("0.5", "3");
    f.Click(f.Form->Button2); // save: the button now reads
    QCOMPARE(f.Form->Button2->Tag, 1);
    const QString before6 = Caption(f.Form->Label6), before9 = Caption(f.Form->Label9),
                  before10 = Caption(f.Form->Label10);

    f.Compute(precision, x);

    QCOMPARE(int(f.Messages.size()), 1);
    QCOMPARE(f.Messages[0].Kind, MessageKind::Error);
    QCOMPARE(QString::fromStdString(f.Messages[0].Text), message);
    QVERIFY(f.Form->Button2->Enabled());
    QCOMPARE(f.Form->Button2->text(), QString("Зберегти"));
    QCOMPARE(f.Form->Button2->Tag, 0);
    QCOMPARE(Caption(f.Form->Label6), before6);
    QCOMPARE(Caption(f.Form->Label9), before9);
    QCOMPARE(Caption(f.Form->Label10), before10);
    QCOMPARE(CalcState.Series1, 1.0f);
    QCOMPARE(CalcState.Precision, storedPrecision);
    QCOMPARE(CalcState.X, storedX);
    QVERIFY(f.Form->isVisible());
}

void Unit1Test::labelsUnderADarkTheme_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<double>("minContrast");
    QTest::newRow("active window: black") << "active" << 12.0;
    QTest::newRow("another window active: black") << "inactive" << 12.0;
    QTest::newRow("disabled: a legible grey") << "disabled" << 4.5;
}

// Under a dark desktop theme every label still paints dark text on the green:
// its darkest pixel stands out from the green by `minContrast`, and none is
// lighter than the green. Inputs keep the theme's colours.
void Unit1Test::labelsUnderADarkTheme() {
    QFETCH(QString, state);
    QFETCH(double, minContrast);
    const QPalette desktop = QApplication::palette();
    QPalette dark(QColor(0x30, 0x30, 0x30)); // white text on black inputs
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        dark.setColor(QPalette::Disabled, role, QColor(0x9D, 0x9D, 0x9D));
    QApplication::setPalette(dark);
    const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });
    FormFixture f;
    f.Compute("0.001", "1");
    f.Click(f.Form->Button2);
    f.Click(f.Form->Button2);
    QWidget other;
    if (state == "active")
        QVERIFY(QTest::qWaitForWindowActive(f.Form.get()));
    if (state == "inactive") {
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    const QList<TLabel*> labels = f.Form->findChildren<TLabel*>();
    for (TLabel* label : labels)
        label->setEnabled(state != "disabled");
    const QColor green(0xC0, 0xDC, 0xC0);
    for (TLabel* label : labels) {
        if (label->text().isEmpty())
            continue;
        const QImage image = f.Form->grab(label->geometry()).toImage();
        double darkest = 1, lightest = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const double luminance = Luminance(image.pixelColor(x, y));
                darkest = std::min(darkest, luminance);
                lightest = std::max(lightest, luminance);
            }
        const QByteArray name = label->objectName().toUtf8();
        QVERIFY2(Contrast(darkest, Luminance(green)) >= minContrast, name);
        QVERIFY2(lightest <= Luminance(green) + 0.01, name);
    }
    QCOMPARE(f.Form->Edit1->palette().color(QPalette::Base), dark.color(QPalette::Base));
}

void Unit1Test::resultHints_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("precision"); // empty: no computation
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("hint");
    QTest::newRow("before the first Compute: only the name") << '.' << ""
                                                             << ""
                                                             << "Label9"
                                                             << "5e^x series";
    QTest::newRow("stopped at the precision, comma separator")
        << ',' << "0,001"
        << "1"
        << "Label6"
        << "e^2x series\nterms summed: 10\nstopped: its term, 0,000282187, is at or below the "
           "precision 0,001\nexact e^(2x) = 7,389056\nshown − exact = -0,00006092834";
    QTest::newRow("stopped at the 30-term limit")
        << '.' << "0"
        << "3"
        << "Label9"
        << "5e^x series\nterms summed: 30\nstopped: the 30-term limit; the last term, "
           "7.762071E-19, was still above the precision 0\nafter term 16 the sum no longer "
           "changes: every later term is below half an ulp of it\nexact 5e^x = 100.4277\nshown − "
           "exact = 0.00001161209";
    QTest::newRow("stopped at a NaN term") << '.' << "0.001"
                                           << "0"
                                           << "Label6"
                                           << "e^2x series\nterms summed: 1\nstopped: its term was "
                                              "NaN, which counts as at or below the precision\n"
                                              "the value became NAN at term 1: 0/0 at x = 0\n"
                                              "exact e^(2x) = 1\nshown − exact = NAN";
    QTest::newRow("combined value from the two exact values")
        << '.' << "0.001"
        << "1"
        << "Label10"
        << "combined value (first − second)·x²\n"
           "exact (e^(2x) − 5e^x)·x² = -6.202353\nshown − exact = 0.00007872085";
    // clang-format off
    QTest::newRow("a term equal to the precision reaches it") << '.' << "0.5" << "0.5" << "Label6"
        << "e^2x series\nterms summed: 2\nstopped: its term, 0.5, is at or below the precision 0.5\n"
           "exact e^(2x) = 2.718282\nshown − exact = -0.2182818";
    // clang-format on
}

// A result label's tooltip says what it holds and, after a computation, how
// the series ended and how far the shown value is from the exact one. Screen
// readers read the same text as its description.
void Unit1Test::resultHints() {
    QFETCH(char, separator);
    QFETCH(QString, precision);
    QFETCH(QString, x);
    QFETCH(QString, label);
    QFETCH(QString, hint);
    FormFixture f;
    FormatSettings.DecimalSeparator = separator;
    if (!precision.isEmpty())
        f.Compute(precision, x);
    auto* result = f.Form->findChild<TLabel*>(label);
    QCOMPARE(result->toolTip(), hint);
    QCOMPARE(Accessible(result, QAccessible::Description), hint);
}

void Unit1Test::zeroXShowsNaN() {
    FormFixture f;
    f.Compute("0.001", "0");
    QCOMPARE(Caption(f.Form->Label6), QString("Результат:NAN"));
    QCOMPARE(Caption(f.Form->Label9), QString("Результат:NAN"));
    QCOMPARE(Caption(f.Form->Label10), QString("Результат:NAN"));
    QVERIFY(f.Messages.empty());
}

void Unit1Test::saveThenRead() {
    FormFixture f;
    FormatSettings.DecimalSeparator = ',';
    f.Compute("0,001", "1");
    f.Click(f.Form->Button2);
    QCOMPARE(f.Form->Button2->text(), QString("Читати"));
    QCOMPARE(f.Form->Button2->Tag, 1);
    QCOMPARE(FileBytes(f.Path()), Record0001And1());
    QVERIFY(Caption(f.Form->Label1).isEmpty()); // saving shows nothing yet

    f.Click(f.Form->Button2);
    QCOMPARE(Caption(f.Form->Label1), QString("Записане число точність:0,001"));
    QCOMPARE(Caption(f.Form->Label2), QString("Записане число степінь:1"));
    QCOMPARE(Caption(f.Form->Label3), QString("Записане число результат:7,388995"));
    QVERIFY(f.Form->Label1->Visible() && f.Form->Label2->Visible() && f.Form->Label3->Visible());
    // The window grows to show the whole read-back line.
    QVERIFY(f.Form->Label3->geometry().right() < f.Form->width());
    QVERIFY(f.Messages.empty());
}

void Unit1Test::readTwice() {
    FormFixture f;
    f.Compute("0.001", "1");
    f.Click(f.Form->Button2);
    f.Click(f.Form->Button2);
    const QString first = Caption(f.Form->Label3);
    f.Click(f.Form->Button2);
    QCOMPARE(Caption(f.Form->Label3), first);
    QCOMPARE(f.Form->Button2->text(), QString("Читати"));
    QCOMPARE(f.Form->Button2->Tag, 1);
    QCOMPARE(FileBytes(f.Path()), Record0001And1()); // reading writes nothing
}

// The window grows for the read-back and shrinks back when it hides. At any
// scale factor, growing at the screen's bottom right corner, it moves just as
// far as it must to stay wholly on the screen.
void Unit1Test::typingAfterReadBackHidesIt() {
    FormFixture f;
    f.Compute("0.001", "1");
    const QSize computed = f.Form->size();
    QVERIFY(KeepsItsSize(*f.Form));
    const QRect screen = f.Form->screen()->availableGeometry();
    f.Form->move(screen.bottomRight() - f.Form->frameGeometry().bottomRight() + f.Form->pos());
    f.Click(f.Form->Button2);
    f.Click(f.Form->Button2);
    QVERIFY(f.Form->width() > computed.width());
    QVERIFY(screen.contains(f.Form->frameGeometry()));
    QVERIFY(KeepsItsSize(*f.Form));
    QTest::keyClick(f.Form->Edit2, Qt::Key_Backspace);
    QCOMPARE(f.Form->size(), computed);
    QVERIFY(KeepsItsSize(*f.Form));

    QVERIFY(!f.Form->Button2->Enabled());
    QVERIFY(!f.Form->Label1->Visible() && !f.Form->Label2->Visible() && !f.Form->Label3->Visible());
    QCOMPARE(f.Form->Button2->text(), QString("Читати")); // only the enabled flag changes
    QCOMPARE(f.Form->Button2->Tag, 1);
    f.Click(f.Form->Button2); // disabled: no read
    QVERIFY(!f.Form->Label3->Visible());

    f.Type(f.Form->Edit2, "2");
    f.Click(f.Form->Button1);
    QVERIFY(f.Form->Button2->Enabled());
    QCOMPARE(f.Form->Button2->text(), QString("Зберегти"));
    QVERIFY(!f.Form->Label1->Visible()); // hidden until the next read
}

void Unit1Test::computeAfterReadBackKeepsLabels() {
    FormFixture f;
    f.Compute("0.001", "1");
    f.Click(f.Form->Button2);
    f.Click(f.Form->Button2);
    f.Click(f.Form->Button1);
    QVERIFY(f.Form->Label1->Visible() && f.Form->Label2->Visible() && f.Form->Label3->Visible());
    QCOMPARE(Caption(f.Form->Label2), QString("Записане число степінь:1"));
    QCOMPARE(f.Form->Button2->text(), QString("Зберегти"));
    QCOMPARE(f.Form->Button2->Tag, 0);
}

void Unit1Test::readFailures_data() {
    QTest::addColumn<QString>("damage");
    QTest::newRow("file deleted before the read") << "delete";
    QTest::newRow("file cut to 5 bytes") << "truncate";
    QTest::newRow("file replaced by a directory") << "directory";
}

// A read that cannot get 20 bytes says so and changes nothing.
void Unit1Test::readFailures() {
    QFETCH(QString, damage);
    FormFixture f;
    f.Compute("0.001", "1");
    f.Click(f.Form->Button2);
    f.Click(f.Form->Button2);
    f.Compute("0.5", "2");
    f.Click(f.Form->Button2);
    const QString shown = Caption(f.Form->Label3);

    std::filesystem::remove(f.Path());
    if (damage == "truncate")
        std::ofstream(f.Path()) << "short";
    if (damage == "directory")
        std::filesystem::create_directory(f.Path());
    f.Click(f.Form->Button2);

    QCOMPARE(int(f.Messages.size()), 1);
    QCOMPARE(f.Messages[0].Kind, MessageKind::Message);
    QCOMPARE(QString::fromStdString(f.Messages[0].Text),
             damage != "truncate"
                 ? "Файл не вдається відкрити"
                 : "Test.txt in " + QDir::currentPath() + " is too short to hold a record.");
    QCOMPARE(Caption(f.Form->Label3), shown);
    QCOMPARE(f.Form->Button2->text(), QString("Читати"));
    QCOMPARE(f.Form->Button2->Tag, 1);
}

void Unit1Test::saveFailures_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("a directory named Test.txt cannot be created") << "directory";
    QTest::newRow("a write that stops short (a file size limit)") << "full";
}

// A failed save says so and leaves the button saving: the next press saves again.
void Unit1Test::saveFailures() {
    QFETCH(QString, obstacle);
    FormFixture f;
    if (obstacle == "directory")
        std::filesystem::create_directory(f.Path());
    else
        SizeLimit(10);
    f.Compute("0.001", "1");

    for (int press = 1; press <= 2; ++press) {
        f.Click(f.Form->Button2);
        QCOMPARE(int(f.Messages.size()), press);
        QCOMPARE(QString::fromStdString(f.Messages.back().Text),
                 QString("Файл невдається створити"));
        QCOMPARE(f.Form->Button2->text(), QString("Зберегти"));
        QCOMPARE(f.Form->Button2->Tag, 0);
    }

    SizeLimit(RLIM_INFINITY);
    std::filesystem::remove(f.Path());
    f.Click(f.Form->Button2); // the obstacle is gone: this press saves
    QCOMPARE(f.Form->Button2->text(), QString("Читати"));
    QCOMPARE(FileBytes(f.Path()), Record0001And1());
}

void Unit1Test::disabledButtonDoesNothing() {
    FormFixture f;
    // Disabled at start: neither a click nor Enter on it does anything, and
    // Enter does not reach Compute either.
    f.Click(f.Form->Button2);
    QTest::keyClick(f.Form->Button2, Qt::Key_Return);
    QVERIFY(!QFile::exists(QString::fromStdString(f.Path())));
    QVERIFY(f.Messages.empty());
}

void Unit1Test::keyboard_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Space presses the focused button") << int(Qt::Key_Space) << int(Qt::NoModifier);
    QTest::newRow("Enter presses the focused button") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter presses the focused button")
        << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

// `key` on Button2 saves, then reads back; Enter in an input always computes;
// F1 opens the help; Ctrl+Q closes the window.
void Unit1Test::keyboard() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    const auto press = [&] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
    };
    FormFixture f;
    TForm1& form = *f.Form;
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.Edit1));
    QTest::keyClicks(QApplication::focusWidget(), "0.001");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.Edit2));
    QTest::keyClicks(QApplication::focusWidget(), "1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Enter computes
    QCOMPARE(Caption(form.Label6), QString("Результат:7.388995"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.Button1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.Button2));
    press(); // in the save state: saves
    QCOMPARE(form.Button2->text(), QString("Читати"));
    press(); // in the read state: reads back
    QCOMPARE(form.Button2->text(), QString("Читати"));
    QCOMPARE(Caption(form.Label3), QString("Записане число результат:7.388995"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.Edit1));
    QTest::keyClick(form.Edit1, Qt::Key_F1); // the help; Escape closes it
    QTRY_COMPARE(QApplication::activeWindow(), form.findChild<HelpWindow*>());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_COMPARE(QApplication::activeWindow(), &form);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.Edit1));
    QTest::keyClick(form.Edit1, Qt::Key_Enter, Qt::KeypadModifier); // keypad Enter too
    QCOMPARE(form.Button2->text(), QString("Зберегти"));
    QVERIFY(f.Messages.empty());
    QTest::keyClick(form.Edit1, Qt::Key_Q, Qt::ControlModifier); // closes the window
    QVERIFY(!form.isVisible());
}

void Unit1Test::decimalKey_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("typed");
    QTest::newRow("keypad '.' types the comma")
        << ',' << int(Qt::Key_Period) << int(Qt::KeypadModifier) << "1,5";
    QTest::newRow("keypad ',' types the point")
        << '.' << int(Qt::Key_Comma) << int(Qt::KeypadModifier) << "1.5";
    QTest::newRow("main '.' stays a point")
        << ',' << int(Qt::Key_Period) << int(Qt::NoModifier) << "1.5";
}

// In either input the keypad's decimal key types the decimal separator.
void Unit1Test::decimalKey() {
    QFETCH(char, separator);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, typed);
    FormFixture f;
    FormatSettings.DecimalSeparator = separator;
    for (TEdit* input : {f.Form->Edit1, f.Form->Edit2}) {
        QTest::keyClick(input, Qt::Key_1);
        QTest::keyClick(input, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTest::keyClick(input, Qt::Key_5);
        QCOMPARE(input->text(), typed);
    }
}

// Screen readers walk the window's children as its tree says, hear the
// formula as one element and each read-back number as shown; what they hear
// and are told is in the snapshot. Ctrl+C copies a selected number.
void Unit1Test::accessibilityAndCopying() {
    FormFixture f;
    TForm1& form = *f.Form;
    QCOMPARE(Accessible(form.Edit1, QAccessible::Name), QString("Конечную точность расчета"));
    QCOMPARE(Accessible(form.Edit2, QAccessible::Name), QString("Показатель степени"));
    QCOMPARE(Accessible(form.Label6, QAccessible::Description), QString("e^2x series"));
    f.Compute("0.001", "1");
    f.Click(form.Button2);
    f.Click(form.Button2);
    for (TLabel* number : {form.Label1, form.Label2, form.Label3})
        QCOMPARE(Accessible(number, QAccessible::Name), number->text());
    QVERIFY(Accessible(form.Label9, QAccessible::Description).startsWith("5e^x series\n"));

    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QString("Form1"));
    QStringList heard;
    for (int i = 0; i < window->childCount(); ++i) {
        heard << window->child(i)->text(QAccessible::Name);
        QCOMPARE(window->indexOfChild(window->child(i)), i); // as screen readers walk the tree
    }
    QVERIFY(!window->child(window->childCount()));
    const QString formula = "f(x) = (e^(2x) − 5e^x) / x^4";
    QCOMPARE(heard.count(formula), 1);
    for (const char* fragment : {"______________", "e   -", "2x", "5e", "x", "4", "f(x)="})
        QVERIFY2(!heard.contains(fragment), fragment);
    for (TLabel* label : form.findChildren<TLabel*>())
        QVERIFY(label->isVisible()); // still painted

    for (TLabel* number :
         {form.Label1, form.Label2, form.Label3, form.Label6, form.Label9, form.Label10})
        QVERIFY(number->textInteractionFlags() & Qt::TextSelectableByMouse);
    form.Label6->setSelection(0, int(form.Label6->text().size())); // as a mouse drag does
    QTest::keyClick(form.Label6, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("Результат:7.388995"));
    f.Type(form.Edit2, "0"); // hides the read-back labels
    QCOMPARE(window->childCount(), heard.size() - 3);
}

void Unit1Test::copy_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("how"); // a menu entry, a key, or a double-click
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("copied");
    // clang-format off
    QTest::newRow("number, comma") << ',' << "Copy the number" << "Label6" << "7,388995";
    QTest::newRow("read-back number, point") << '.' << "Copy the number" << "Label1" << "0.001";
    QTest::newRow("all three, comma") << ',' << "Copy all three results" << "Label2" << "13,59127\n-6,202274\n7,388995";
    QTest::newRow("Ctrl+Shift+C, point") << '.' << "Ctrl+Shift+C" << "Button2" << "13.59127\n-6.202274\n7.388995";
    QTest::newRow("double-click: sign, separator") << ',' << "" << "Label10" << "-6,202274";
    QTest::newRow("double-click: exponent") << '.' << "" << "Label1" << "1E-07";
    // clang-format on
}

// Every way of copying gives numbers as shown, without their prefix, and a
// click on a label leaves the keyboard in the input it was in.
void Unit1Test::copy() {
    QFETCH(char, separator);
    QFETCH(QString, how);
    QFETCH(QString, label);
    QFETCH(QString, copied);
    FormFixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.Form.get()));
    FormatSettings.DecimalSeparator = separator;
    f.Compute(copied == "1E-07" ? "1e-7" : QString("0") + separator + "001", "1");
    f.Click(f.Form->Button2);
    f.Click(f.Form->Button2);
    auto* widget = f.Form->findChild<QWidget*>(label);
    QWidget* focused = how.startsWith("Ctrl") ? widget : f.Form->Edit2;
    focused->setFocus();
    QApplication::clipboard()->clear(); // nothing left from the computation's own copying
    if (how.isEmpty()) {
        QTest::mouseDClick(widget, Qt::LeftButton);
        QCOMPARE(static_cast<TLabel*>(widget)->selectedText(), copied);
        if (QApplication::clipboard()->supportsSelection())
            QCOMPARE(QApplication::clipboard()->text(QClipboard::Selection), copied);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QTest::keyClicks(QApplication::focusWidget(), "2\r");
        QVERIFY(Caption(f.Form->Label6).startsWith(QString("Результат:54") + separator));
        return;
    }
    if (how.startsWith("Ctrl")) {
        QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    } else {
        QContextMenuEvent click(QContextMenuEvent::Mouse, {}, widget->mapToGlobal(QPoint()));
        QApplication::sendEvent(widget, &click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QList<QAction*> entries = menu->actions();
        const auto entry = std::ranges::find(entries, how, &QAction::text);
        QVERIFY2(entry != entries.end(), qPrintable(how));
        (*entry)->trigger();
        menu->close();
    }
    QCOMPARE(QApplication::focusWidget(), focused);
    QCOMPARE(QApplication::clipboard()->text(), copied);
}

void Unit1Test::realMessageBox_data() {
    QTest::addColumn<bool>("error");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    QTest::newRow("an error carries the critical icon")
        << true << "'x' is not a valid floating point value" << int(QMessageBox::Critical);
    QTest::newRow("a message carries none")
        << false << "Файл не вдається відкрити" << int(QMessageBox::NoIcon);
}

// The real box: modal, carrying the message, and the program goes on after it.
void Unit1Test::realMessageBox() {
    QFETCH(bool, error);
    QFETCH(QString, text);
    QFETCH(int, icon);
    FormFixture f;
    if (!error) { // saved, then the file goes: the read shows a message
        f.Compute("0.001", "1");
        f.Click(f.Form->Button2);
        std::filesystem::remove(f.Path());
    }
    SetMessagePresenter({});
    QString seen;
    int seenIcon = -1;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) {
            seen = box->text();
            seenIcon = box->icon();
            box->button(QMessageBox::Ok)->click();
        }
    });
    if (error)
        f.Compute("x", "1");
    else
        f.Click(f.Form->Button2);
    QCOMPARE(seen, text);
    QCOMPARE(seenIcon, icon);
    f.Compute("0.001", "1");
    QCOMPARE(Caption(f.Form->Label6), QString("Результат:7.388995"));
}

void Unit1Test::languages_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("undo"); // Qt's own, in an input's context menu
    // clang-format off
    QTest::newRow("Ukrainian") << "uk_UA" << "&Повернути";
    QTest::newRow("Russian") << "ru_RU" << "&Отменить действие";
    QTest::newRow("English") << "en_US" << "&Undo";
    QTest::newRow("German, not translated: English") << "de_DE" << "&Undo";
    // clang-format on
}

// The window's captions and messages are the same in every language, the C
// locale's included; what the program adds, and Qt's own texts, follow it.
void Unit1Test::languages() {
    QFETCH(QString, locale);
    QFETCH(QString, undo);
    const QStringList untranslated = SessionTexts();
    const auto restore = StartUpIn(locale);
    QCOMPARE(SessionTexts(), untranslated);
    FormFixture f;
    const std::unique_ptr<QMenu> menu(f.Form->Edit1->createStandardContextMenu());
    QVERIFY(menu->actions().first()->text().startsWith(undo));
}

FORM_TEST_MAIN(Unit1Test)

#include "Unit1Test.moc"
