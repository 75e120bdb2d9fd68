#include "Application.h"

#include "Dialogs.h"
#include "FormatSettings.h"
#include "Forms.h"
#include "Translations.h"

#include <QIcon>
#include <QImageReader>

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
    // The executable embeds its icon as a resource, as a main icon. Read as the
    // PNG it is: guessing the format would load every image format plugin.
    QImageReader icon(QStringLiteral(":/application-icon.png"), "png");
    icon.setAutoDetectImageFormat(false);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon.read())));
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
