// Whatever a user pastes into the inputs is refused with a conversion error.
#include "FormFixture.h"

#include <QElapsedTimer>

class OddInputTest : public QObject {
    Q_OBJECT

private slots:
    void pastedTextIsRefused_data();
    void pastedTextIsRefused();
    void longNumbersStillParse();
};

void OddInputTest::pastedTextIsRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("10,000 letters") << QString(10000, 'x');
    QTest::newRow("10,000 digits with two separators")
        << QString(5000, '1') + ".." + QString(4998, '2');
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\u0661\u0662");
    QTest::newRow("fullwidth digits") << QString::fromUtf8("\uFF11\uFF12");
    QTest::newRow("right-to-left mark before a number") << QString::fromUtf8("\u200F12");
    QTest::newRow("embedded NUL") << QString("1") + QChar(0) + "2";
    QTest::newRow("no-break space") << QString::fromUtf8("1\u00A0000");
    QTest::newRow("tab") << "1\t";
}

// Pasted into either input, such text gives the conversion error with the
// text as typed, changes no result, and leaves the window working.
void OddInputTest::pastedTextIsRefused() {
    QFETCH(QString, text);
    FormFixture f;
    f.Compute("0.001", "1");
    const QString shown = f.Form->Label10->text();

    for (TEdit* input : {f.Form->Edit1, f.Form->Edit2}) {
        f.Form->Edit1->setText("0.001");
        f.Form->Edit2->setText("1");
        input->setText(text); // as a paste does
        f.Messages.clear();
        f.Click(f.Form->Button1);

        QCOMPARE(int(f.Messages.size()), 1);
        QCOMPARE(f.Messages[0].Kind, MessageKind::Error);
        QCOMPARE(QString::fromStdString(f.Messages[0].Text),
                 "'" + text + "' is not a valid floating point value");
        QCOMPARE(f.Form->Label10->text(), shown);
    }
    f.Compute("0.001", "1");
    QCOMPARE(f.Form->Label10->text(), shown);
}

void OddInputTest::longNumbersStillParse() {
    FormFixture f;
    f.Form->Edit1->setText("0.001" + QString(9990, '0'));
    f.Form->Edit2->setText("1" + QString(9990, '0') + "e-9990");
    f.Click(f.Form->Button1);
    QCOMPARE(f.Messages.size(), size_t(0));
    QCOMPARE(f.Form->Label6->text(), QString("Результат:7.388995"));
}

FORM_TEST_MAIN(OddInputTest)

#include "OddInputTest.moc"
