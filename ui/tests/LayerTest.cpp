#include "Application.h"
#include "Dialogs.h"
#include "EventDispatch.h"
#include "Forms.h"

#include <QTest>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Recorded {
    MessageKind Kind;
    std::string Text;
};

// Records what would be shown in message boxes while it lives.
class RecordMessages {
public:
    RecordMessages() {
        SetMessagePresenter([this](MessageKind kind, const std::string& text) {
            Messages.push_back({kind, text});
        });
    }
    ~RecordMessages() { SetMessagePresenter({}); }
    std::vector<Recorded> Messages;
};

const FormDescription PlainForm = {10, 10, 200, 100, true, "Test", 0xFFFFFF, 0x000000, "Sans", 11};

// A form with one of each control, built from a table.
class SmallForm : public TForm {
public:
    SmallForm() : TForm(PlainForm) {
        static const ControlDescription<SmallForm> controls[] = {
            {&SmallForm::Label, {"Label", 0, 0, 3, 13, "", FormFont, NoTabStop}},
            {&SmallForm::Edit, {"Edit", 0, 20, 100, 21, "", FormFont, 1}, &SmallForm::Changed},
            {&SmallForm::Button, {"Button", 0, 50, 75, 25, "Go", FormFont, 0}, &SmallForm::Clicked},
        };
        CreateControls<SmallForm>(*this, controls);
    }
    void Changed(TObject* sender) { ChangedBy.push_back(sender); }
    void Clicked(TObject*) { ++Clicks; }

    TLabel* Label;
    TEdit* Edit;
    TButton* Button;
    std::vector<TObject*> ChangedBy;
    int Clicks = 0;
};

} // namespace

Q_DECLARE_METATYPE(MessageKind)

class LayerTest : public QObject {
    Q_OBJECT

private slots:
    void escapingExceptionsAreShown_data();
    void escapingExceptionsAreShown();
    void showMessageIsAPlainMessage();
    void eventsReachTheirHandlers();
    void disabledButtonDeliversNoClick();
    void labelsAndFormSizeThemselves();
    void tabOrderFollowsTheTable();
    void decimalSeparator_data();
    void decimalSeparator();
    void messageBoxText_data();
    void messageBoxText();
    void keepInside_data();
    void keepInside();
};

void LayerTest::escapingExceptionsAreShown_data() {
    QTest::addColumn<int>("thrown");
    QTest::addColumn<QString>("shown");
    QTest::newRow("program's exception shows its message") << 0 << "bad text";
    QTest::newRow("conversion error is an Exception") << 1 << "'x' is not a valid";
    QTest::newRow("standard exception shows what()") << 2 << "out of range";
    QTest::newRow("anything else shows an empty box") << 3 << "";
}

// The handler ends where it throws; what it did before stays done.
void LayerTest::escapingExceptionsAreShown() {
    QFETCH(int, thrown);
    QFETCH(QString, shown);
    RecordMessages record;
    int before = 0, after = 0;
    CallHandler(
        [&](TObject*) {
            ++before;
            switch (thrown) {
            case 0:
                throw Exception("bad text");
            case 1:
                throw EConvertError("'x' is not a valid");
            case 2:
                throw std::out_of_range("out of range");
            default:
                throw 42;
            }
            ++after;
        },
        nullptr);
    QCOMPARE(before, 1);
    QCOMPARE(after, 0);
    QCOMPARE(int(record.Messages.size()), 1);
    QCOMPARE(record.Messages[0].Kind, MessageKind::Error);
    QCOMPARE(QString::fromStdString(record.Messages[0].Text), shown);
}

void LayerTest::showMessageIsAPlainMessage() {
    RecordMessages record;
    ShowMessage("Файл не вдається відкрити");
    QCOMPARE(int(record.Messages.size()), 1);
    QCOMPARE(record.Messages[0].Kind, MessageKind::Message);
    QCOMPARE(record.Messages[0].Text, std::string("Файл не вдається відкрити"));
}

void LayerTest::eventsReachTheirHandlers() {
    SmallForm form;
    QTest::keyClicks(form.Edit, "ab");
    form.Edit->SetText("xyz"); // a change from code is a change too
    form.Edit->SetText("xyz"); // no change: no event
    QCOMPARE(int(form.ChangedBy.size()), 3);
    QCOMPARE(form.ChangedBy[0], static_cast<TObject*>(form.Edit));
    QTest::mouseClick(form.Button, Qt::LeftButton);
    form.Button->Click();
    QCOMPARE(form.Clicks, 2);
}

void LayerTest::disabledButtonDeliversNoClick() {
    SmallForm form;
    form.Button->SetEnabled(false);
    QTest::mouseClick(form.Button, Qt::LeftButton);
    form.Button->Click();
    QCOMPARE(form.Clicks, 0);
}

void LayerTest::labelsAndFormSizeThemselves() {
    SmallForm form;
    const QSize initial = form.size();
    QCOMPARE(initial, QSize(100, 75)); // the controls' extent, not the described 200 x 100

    form.Label->SetCaption(std::string(80, 'W'));
    QVERIFY(form.Label->width() > 300);
    QCOMPARE(form.width(), form.Label->width());
    for (const char* caption : {"Результат:-6,202274", "Записане число результат:7.388995", "W",
                                "Результат:1", "Записане число степінь:-1.5E-07", "iiiii"}) {
        form.Label->SetCaption(caption);
        const QSize size = form.Label->size(), needed = form.Label->sizeHint();
        QCOMPARE(size.expandedTo(needed), size); // the whole caption fits
        QVERIFY(size.width() - needed.width() <= 1);
        QCOMPARE(size.height(), needed.height());
    }

    form.Label->SetVisible(false); // hidden controls take no room
    QCOMPARE(form.size(), initial);
    form.Label->SetVisible(true);
    form.Label->SetCaption("");
    QCOMPARE(form.size(), initial);
}

void LayerTest::tabOrderFollowsTheTable() {
    SmallForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.Button)); // tab order 0
    QTest::keyClick(form.Button, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.Edit));
}

void LayerTest::decimalSeparator_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<char>("separator");
    QTest::newRow("Ukrainian") << "uk_UA" << ',';
    QTest::newRow("Russian") << "ru_RU" << ',';
    QTest::newRow("English") << "en_US" << '.';
    QTest::newRow("C") << "C" << '.';
    QTest::newRow("Arabic has its own, so point") << "ar_EG" << '.';
}

void LayerTest::decimalSeparator() {
    QFETCH(QString, locale);
    QFETCH(char, separator);
    QCOMPARE(DecimalSeparatorOf(QLocale(locale)), separator);
}

void LayerTest::messageBoxText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const QString digits400 = QString("0123456789").repeated(40);
    QTest::newRow("short text as it is") << "'abc' is not a number"
                                         << "'abc' is not a number";
    QTest::newRow("400 characters kept") << digits400 << digits400;
    QTest::newRow("longer text cut in the middle")
        << "<" + QString(10000, 'x') + ">"
        << "<" + QString(199, 'x') + QChar(0x2026) + QString(199, 'x') + ">";
    QTest::newRow("NUL made visible")
        << QString("'1") + QChar(0) + "2'" << QString("'1") + QChar(0xFFFD) + "2'";
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 units
    QTest::newRow("surrogate pair not split")
        << QString(199, 'a') + emoji + QString(400, 'b') + emoji + QString(199, 'c')
        << QString(199, 'a') + QChar(0x2026) + QString(199, 'c');
}

void LayerTest::messageBoxText() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(MessageBoxText(text.toStdString()), shown);
}

void LayerTest::keepInside_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("moved");
    QTest::newRow("inside: stays") << QRect(9, 9, 40, 20) << QRect(0, 0, 640, 400) << QPoint(9, 9);
    QTest::newRow("scale 2 on 1280 x 800: left and up")
        << QRect(213, 386, 480, 215) << QRect(0, 0, 640, 400) << QPoint(160, 185);
    QTest::newRow("too large: its top left")
        << QRect(300, 300, 900, 500) << QRect(0, 0, 640, 400) << QPoint(0, 0);
}

void LayerTest::keepInside() {
    QFETCH(QRect, frame);
    QFETCH(QRect, available);
    QFETCH(QPoint, moved);
    QCOMPARE(KeepInside(frame, available), moved);
}

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    LayerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LayerTest.moc"
