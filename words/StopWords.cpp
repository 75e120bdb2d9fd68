#include "StopWords.h"

#include "NumberText.h"

#include <string_view>

// lupdate finds the texts by this macro; the window translates them.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace {

using Argument = Sentence::Argument;

Argument Number(double value) {
    return {Argument::Number, value, nullptr};
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
    return nullptr;
}

} // namespace

Sentence StopReason(const SeriesSummary& s) {
    const std::vector<Argument> termAndPrecision{Number(s.LastTerm), Number(s.Precision)};
    switch (s.Stop) {
    case SeriesStop::ReachedPrecision:
        if (s.LastTerm < 0 && s.Iterations == 1) // the first term: x < 0
            return {QT_TRANSLATE_NOOP("StopText",
                                      "its term, %1, is at or below the precision %2: the test "
                                      "takes the term's sign, so a negative term (x < 0) ends "
                                      "the series at once"),
                    termAndPrecision};
        return {QT_TRANSLATE_NOOP("StopText", "its term, %1, is at or below the precision %2"),
                termAndPrecision};
    case SeriesStop::IterationLimit: {
        std::vector<Argument> arguments = termAndPrecision;
        arguments.push_back({Argument::Count, IterationLimit, nullptr});
        return {QT_TRANSLATE_NOOP("StopText", "the %3-term limit; the last term, %1, was still "
                                              "above the precision %2"),
                arguments};
    }
    case SeriesStop::NaNTerm:
        return {QT_TRANSLATE_NOOP("StopText", "its term was NaN, which counts as at or below "
                                              "the precision"),
                {}};
    case SeriesStop::GoesOn:
        break;
    }
    return {};
}

Sentence NonFiniteReason(const SeriesSummary& s) {
    if (s.NonFiniteIteration == 0)
        return {};
    return {QT_TRANSLATE_NOOP("StopText", "the value became %1 at term %2: %3"),
            {Number(s.NonFiniteValue),
             {Argument::Count, double(s.NonFiniteIteration), nullptr},
             {Argument::Words, 0, CauseText(s)}}};
}

Sentence SettledReason(const SeriesSummary& s) {
    if (s.Settled == 0)
        return {};
    return {QT_TRANSLATE_NOOP("StopText", "after term %1 the sum no longer changes: every later "
                                          "term is below half an ulp of it"),
            {{Argument::Count, double(s.Settled), nullptr}}};
}

std::string English(const Sentence& sentence, const TFormatSettings& settings) {
    std::string text = sentence.Text ? sentence.Text : "";
    for (std::size_t i = 0; i < sentence.Arguments.size(); ++i) {
        const Argument& a = sentence.Arguments[i];
        const std::string value = a.Kind == Argument::Number  ? ShownValue(a.Value, settings)
                                  : a.Kind == Argument::Count ? std::to_string(int(a.Value))
                                                              : std::string(a.Text ? a.Text : "");
        const std::string placeholder = '%' + std::to_string(i + 1);
        if (const auto at = text.find(placeholder); at != std::string::npos)
            text.replace(at, placeholder.size(), value);
    }
    return text;
}
