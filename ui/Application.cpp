#include "Application.h"

#include "Dialogs.h"
#include "FormatSettings.h"
#include "Forms.h"
#include "Translations.h"

#include <QIcon>

TApplication* Application = nullptr;

TApplication::TApplication(int& argc, char** argv) : Qt(argc, argv) {
    Application = this;
}

TApplication::~TApplication() {
    Forms.clear(); // before the QApplication goes
    Application = nullptr;
}

char DecimalSeparatorOf(const QLocale& locale) {
    return locale.decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

void TApplication::Initialize() {
    // The default locale is the system's unless the program sets another.
    FormatSettings.DecimalSeparator = DecimalSeparatorOf(QLocale());
    LoadTranslations(QLocale());
    // The executable embeds its icon as a resource, as a main icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/application-icon.png")));
}

void TApplication::Adopt(std::unique_ptr<TForm> form) {
    if (!Main)
        Main = form.get();
    Forms.push_back(std::move(form));
}

void TApplication::Run() {
    if (!Main)
        return;
    Main->show();
    QApplication::exec();
}

void TApplication::ShowException(const Exception& e) {
    ShowErrorMessage(e.Message());
}
