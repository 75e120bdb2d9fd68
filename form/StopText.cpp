#include "StopText.h"

#include "StopWords.h"
#include "Text.h"

#include <QCoreApplication>

namespace {

std::string Translated(const char* text) {
    return FromQString(QCoreApplication::translate("StopText", text));
}

} // namespace

QString SettledText(const SeriesSummary& summary) {
    return ToQString(SettledReason(summary, Translated));
}

QString StopText(const SeriesSummary& summary, const TFormatSettings& settings) {
    QStringList lines;
    for (const std::string& line :
         {StopReason(summary, settings, Translated), NonFiniteReason(summary, settings, Translated),
          SettledReason(summary, Translated)})
        if (!line.empty())
            lines << ToQString(line);
    return lines.join('\n');
}
