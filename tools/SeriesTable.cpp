#include "SeriesTable.h"

#include "EvaluateSeries.h"
#include "Exception.h"
#include "FloatToStrF.h"
#include "SeriesSummary.h"
#include "StrToFloat.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <string>
#include <vector>

namespace {

const TFormatSettings PointSettings{'.'};

constexpr std::string_view Usage = "usage: series-table [--csv] PRECISION X\n";

// As the window shows a value.
std::string Shown(float value) {
    return FloatToStrF(value, ffGeneral, 7, 2, PointSettings);
}

// The shortest text that reads back to the same single.
std::string Exact(float value) {
    if (std::isnan(value))
        return "nan";
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// The single's bits as 8 hex digits, sign and NaN payload included, so that
// two machines' outputs compare with diff.
std::string Bits(float value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X",
                  static_cast<unsigned>(std::bit_cast<std::uint32_t>(value)));
    return text;
}

struct Options {
    bool Csv = false;
    float Precision = 0;
    float X = 0;
};

// Only "--csv" is an option: "-1" and "-0" are numbers.
bool ParseArguments(std::span<const std::string_view> args, Options& options, std::ostream& err) {
    std::vector<std::string_view> numbers;
    for (std::string_view arg : args) {
        if (arg == "--csv")
            options.Csv = true;
        else
            numbers.push_back(arg);
    }
    if (numbers.size() != 2) {
        err << Usage;
        return false;
    }
    try {
        options.Precision = static_cast<float>(StrToFloat(numbers[0], PointSettings));
        options.X = static_cast<float>(StrToFloat(numbers[1], PointSettings));
    } catch (const Exception& e) {
        err << "series-table: " << e.Message() << '\n' << Usage;
        return false;
    }
    return true;
}

std::vector<SeriesValue> Evaluate(const Options& options) {
    TCalcState state{options.Precision, options.X, 1};
    std::vector<SeriesValue> values;
    EvaluateSeries(state, [&](const SeriesValue& v) { values.push_back(v); });
    return values;
}

void PrintCsv(const std::vector<SeriesValue>& values, std::ostream& out) {
    // The first five columns are read by other programs: new ones go after them.
    out << "series,iteration,term,value,shown,bits\n";
    for (const SeriesValue& v : values) {
        if (v.Kind == SeriesKind::Combined)
            out << "final,,,";
        else
            out << (v.Kind == SeriesKind::First ? "1," : "2,") << v.Iteration << ','
                << Exact(v.Term) << ',';
        out << Exact(v.Value) << ',' << Shown(v.Value) << ',' << Bits(v.Value) << '\n';
    }
}

void PrintSeries(const std::vector<SeriesValue>& values, const SeriesTracker& tracker,
                 SeriesKind kind, std::string_view title, std::ostream& out) {
    out << title << '\n'
        << std::setw(5) << "n" << std::setw(16) << "term" << std::setw(16) << "value" << '\n';
    for (const SeriesValue& v : values) {
        if (v.Kind != kind)
            continue;
        out << std::setw(5) << v.Iteration << std::setw(16) << Shown(v.Term) << std::setw(16)
            << Shown(v.Value) << '\n';
    }
    const SeriesSummary summary = tracker.Summary(kind);
    char line[128];
    std::snprintf(line, sizeof line, "exact %.10g, error %.3g\n\n", summary.Exact,
                  summary.Difference);
    out << line;
}

void PrintTable(const Options& options, const std::vector<SeriesValue>& values, std::ostream& out) {
    SeriesTracker tracker(options.Precision, options.X);
    for (const SeriesValue& v : values)
        tracker(v);
    out << "precision " << Shown(options.Precision) << ", x " << Shown(options.X) << "\n\n";
    PrintSeries(values, tracker, SeriesKind::First, "e^(2x) = 1 + sum (2x)^n/n!", out);
    PrintSeries(values, tracker, SeriesKind::Second, "5e^x = 5 (1 + sum x^n/n!)", out);
    out << "combined (first - second) x^2: " << Shown(values.back().Value) << '\n';
}

} // namespace

int RunSeriesTable(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    Options options;
    if (!ParseArguments(args, options, err))
        return 2;
    const std::vector<SeriesValue> values = Evaluate(options);
    if (options.Csv)
        PrintCsv(values, out);
    else
        PrintTable(options, values, out);
    return 0;
}
