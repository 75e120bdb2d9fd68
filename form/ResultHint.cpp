#include "ResultHint.h"

#include "FloatToStrF.h"

namespace {

// As value lines write their numbers: general format, 7 significant digits.
std::string Number(double value, const TFormatSettings& settings) {
    return FloatToStrF(value, ffGeneral, 7, 2, settings);
}

std::string_view ExactName(SeriesKind kind) {
    switch (kind) {
    case SeriesKind::First:
        return "e^(2x)";
    case SeriesKind::Second:
        return "5e^x";
    case SeriesKind::Combined:
        break;
    }
    return "(e^(2x) − 5e^x)·x²";
}

} // namespace

std::string_view ResultName(SeriesKind kind) {
    switch (kind) {
    case SeriesKind::First:
        return "e^2x series";
    case SeriesKind::Second:
        return "5e^x series";
    case SeriesKind::Combined:
        break;
    }
    return "combined value (first − second)·x²";
}

std::string ResultHint(SeriesKind kind, const SeriesSummary& summary,
                       const TFormatSettings& settings) {
    std::string hint(ResultName(kind));
    if (kind != SeriesKind::Combined) {
        hint += "\nterms summed: " + std::to_string(summary.Iterations);
        hint += "\nstopped: ";
        hint += StopReasonText(summary.Stop);
    }
    hint += "\nexact ";
    hint += ExactName(kind);
    hint += " = " + Number(summary.Exact, settings);
    hint += "\nshown − exact = " + Number(summary.Difference, settings);
    return hint;
}
