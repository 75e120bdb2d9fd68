#include "StopText.h"

#include "StopWords.h"
#include "Text.h"
#include "ValueLine.h"

#include <QCoreApplication>

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("StopText", text);
}

QString Worded(const Sentence& sentence, const TFormatSettings& settings) {
    QString text = Translated(sentence.Text);
    for (const Sentence::Argument& a : sentence.Arguments) {
        switch (a.Kind) {
        case Sentence::Argument::Number:
            text = text.arg(ToQString(ShownValue(a.Value, settings)));
            break;
        case Sentence::Argument::Count:
            text = text.arg(int(a.Value));
            break;
        case Sentence::Argument::Words:
            text = text.arg(Translated(a.Text));
            break;
        }
    }
    return text;
}

} // namespace

QString SettledText(const SeriesSummary& summary, const TFormatSettings& settings) {
    const Sentence settled = SettledReason(summary);
    return settled.Text ? Worded(settled, settings) : QString();
}

QString StopText(const SeriesSummary& summary, const TFormatSettings& settings) {
    const Sentence reason = StopReason(summary);
    QString text = reason.Text ? Worded(reason, settings) : QString();
    if (const Sentence became = NonFiniteReason(summary); became.Text)
        text += '\n' + Worded(became, settings);
    if (const QString settled = SettledText(summary, settings); !settled.isEmpty())
        text += '\n' + settled;
    return text;
}
