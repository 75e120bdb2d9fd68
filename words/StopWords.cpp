#include "StopWords.h"

#include "NumberText.h"

#include <initializer_list>

// lupdate finds the texts by this macro; the window translates them.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace {

// The sentence in the user's language with %1, %2, … replaced by `arguments`.
std::string Say(const char* text, std::initializer_list<std::string> arguments,
                Translate translate) {
    std::string said = translate ? translate(text) : text;
    int number = 0;
    for (const std::string& argument : arguments) {
        const std::string placeholder = '%' + std::to_string(++number);
        if (const auto at = said.find(placeholder); at != std::string::npos)
            said.replace(at, placeholder.size(), argument);
    }
    return said;
}

// Why the numerator left the single range, in the order of SeriesKind.
constexpr const char* NumeratorOverflow[] = {
    QT_TRANSLATE_NOOP("StopText", "the numerator x·(2x)ⁿ left the single range"),
    QT_TRANSLATE_NOOP("StopText", "the numerator x·xⁿ left the single range"),
    nullptr,
};

const char* CauseText(const SeriesSummary& s) {
    switch (s.Cause) {
    case NonFiniteCause::ZeroOverZero:
        return QT_TRANSLATE_NOOP("StopText", "0/0 at x = 0");
    case NonFiniteCause::NumeratorOverflow:
        return NumeratorOverflow[static_cast<int>(s.Kind)];
    case NonFiniteCause::FactorialOverflow:
        return QT_TRANSLATE_NOOP("StopText", "the factorial n! left the single range");
    case NonFiniteCause::SumOverflow:
        return QT_TRANSLATE_NOOP("StopText", "the sum left the single range");
    case NonFiniteCause::None:
        break;
    }
    return "";
}

} // namespace

std::string StopReason(const SeriesSummary& s, const TFormatSettings& settings,
                       Translate translate) {
    const std::string term = ShownValue(s.LastTerm, settings);
    const std::string precision = ShownValue(s.Precision, settings);
    switch (s.Stop) {
    case SeriesStop::ReachedPrecision:
        if (s.LastTerm < 0 && s.Iterations == 1) // the first term: x < 0
            return Say(QT_TRANSLATE_NOOP("StopText",
                                         "its term, %1, is at or below the precision %2: the test "
                                         "takes the term's sign, so a negative term (x < 0) ends "
                                         "the series at once"),
                       {term, precision}, translate);
        return Say(QT_TRANSLATE_NOOP("StopText", "its term, %1, is at or below the precision %2"),
                   {term, precision}, translate);
    case SeriesStop::IterationLimit:
        return Say(QT_TRANSLATE_NOOP("StopText", "the %3-term limit; the last term, %1, was still "
                                                 "above the precision %2"),
                   {term, precision, std::to_string(int(IterationLimit))}, translate);
    case SeriesStop::NaNTerm:
        return Say(QT_TRANSLATE_NOOP("StopText", "its term was NaN, which counts as at or below "
                                                 "the precision"),
                   {}, translate);
    case SeriesStop::GoesOn:
        break;
    }
    return {};
}

std::string NonFiniteReason(const SeriesSummary& s, const TFormatSettings& settings,
                            Translate translate) {
    if (s.NonFiniteIteration == 0)
        return {};
    return Say(QT_TRANSLATE_NOOP("StopText", "the value became %1 at term %2: %3"),
               {ShownValue(s.NonFiniteValue, settings), std::to_string(s.NonFiniteIteration),
                translate ? translate(CauseText(s)) : CauseText(s)},
               translate);
}

std::string SettledReason(const SeriesSummary& s, Translate translate) {
    if (s.Settled == 0)
        return {};
    return Say(QT_TRANSLATE_NOOP("StopText", "after term %1 the sum no longer changes: every later "
                                             "term is below half an ulp of it"),
               {std::to_string(s.Settled)}, translate);
}
