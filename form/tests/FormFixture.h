#pragma once

#include "Application.h"
#include "ConvergenceLoader.h"
#include "Dialogs.h"
#include "FormatSettings.h"
#include "Translations.h"
#include "Unit1.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <csignal>
#include <memory>
#include <string>
#include <vector>

// A fresh window in a fresh working directory, with message boxes recorded
// instead of shown.
class FormFixture {
public:
    FormFixture() : Directory(QDir::tempPath() + "/series-calc-XXXXXX") {
        Previous = QDir::currentPath();
        QDir::setCurrent(Directory.path());
        CalcState = {};
        FormatSettings.DecimalSeparator = '.';
        SetMessagePresenter([this](MessageKind kind, const std::string& text) {
            Messages.push_back({kind, text});
        });
        Form = std::make_unique<TForm1>();
        Form->show();
    }

    ~FormFixture() {
        Form.reset();
        SetMessagePresenter({});
        QDir::setCurrent(Previous);
    }

    void Type(TEdit* edit, const QString& text) { QTest::keyClicks(edit, text); }
    void Click(TButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void Compute(const QString& precision, const QString& x) {
        Form->Edit1->clear();
        Form->Edit2->clear();
        Type(Form->Edit1, precision);
        Type(Form->Edit2, x);
        Click(Form->Button1);
    }

    std::string Path() const { return Directory.filePath("Test.txt").toStdString(); }

    struct Message {
        MessageKind Kind;
        std::string Text;
    };

    QTemporaryDir Directory;
    QString Previous;
    std::vector<Message> Messages;
    std::unique_ptr<TForm1> Form;
};

// Lets files grow only up to `bytes`; a write past that fails, not the test.
inline void SizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes < limit.rlim_max ? bytes : limit.rlim_max;
    setrlimit(RLIMIT_FSIZE, &limit);
}

// The test program's entry: the window layer's application object, then the tests.
#define FORM_TEST_MAIN(TestClass)                                                                  \
    int main(int argc, char** argv) {                                                              \
        TApplication application(argc, argv);                                                      \
        SetConvergenceModule(QStringLiteral(SERIES_CALC_TEST_MODULE));                             \
        LoadTranslations(QLocale::c()); /* English, as the program speaks it: plural forms */      \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
