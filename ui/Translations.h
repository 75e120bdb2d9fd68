#pragma once

#include <QLocale>
#include <QString>

// The language the program speaks: the first of Ukrainian, Russian and
// English among the locale's UI languages ("uk", "ru", "en"), English when
// none of them is asked for.
QString ProgramLanguage(const QLocale& locale);

// Installs the program's translation and Qt's own (qtbase_<language>.qm, for
// the inputs' context menu and Qt's dialogs) for ProgramLanguage(locale), in
// place of any installed before. A translation that is missing leaves the
// English source texts.
void LoadTranslations(const QLocale& locale);
