#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The executable embeds the program's translations as resources.
constexpr char ProgramTranslations[] = ":/i18n";

void Install(QTranslator& translator, const QString& file, const QString& directory) {
    QCoreApplication::removeTranslator(&translator);
    if (translator.load(file, directory))
        QCoreApplication::installTranslator(&translator);
}

} // namespace

QString ProgramLanguage(const QLocale& locale) {
    for (const QString& name : locale.uiLanguages()) {
        switch (QLocale(name).language()) {
        case QLocale::Ukrainian:
            return QStringLiteral("uk");
        case QLocale::Russian:
            return QStringLiteral("ru");
        case QLocale::English:
            return QStringLiteral("en");
        default:
            break;
        }
    }
    return QStringLiteral("en");
}

void LoadTranslations(const QLocale& locale) {
    static QTranslator program, qt;
    const QString language = ProgramLanguage(locale);
    Install(program, "series-calc_" + language, ProgramTranslations);
    Install(qt, "qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
