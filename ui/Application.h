#pragma once

#include "Exception.h"

#include <QApplication>
#include <QLocale>

#include <memory>
#include <vector>

class TForm;

// The program's application object: owns the forms and runs the event loop.
class TApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Takes the user's decimal separator and language from the default locale
    // (the system's, unless the program sets another) and sets the
    // application's icon.
    void Initialize();

    // Creates a form, stores it in `*reference`; the first form created is the
    // main form.
    template <class Form> void CreateForm(Form** reference) {
        auto form = std::make_unique<Form>();
        *reference = form.get();
        Adopt(std::move(form));
    }

    // Shows the main form and dispatches events until it is closed.
    void Run();

    TForm* MainForm() const { return Main; }

    // A modal box with the exception's message.
    static void ShowException(const Exception& e);

private:
    void Adopt(std::unique_ptr<TForm> form);

    QApplication Qt;
    std::vector<std::unique_ptr<TForm>> Forms;
    TForm* Main = nullptr;
};

// The decimal separator the program uses for a locale: ',' where the locale
// writes one, '.' otherwise.
char DecimalSeparatorOf(const QLocale& locale);

// The one application object, set while it exists.
extern TApplication* Application;
