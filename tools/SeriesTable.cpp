#include "SeriesTable.h"

#include "ErrorSplit.h"
#include "EvaluateSeries.h"
#include "Exception.h"
#include "SeriesCsv.h"
#include "SeriesSummary.h"
#include "StopWords.h"
#include "StrToFloat.h"
#include "ValueLine.h"
#include "Version.h"

#include <cmath>
#include <iomanip>
#include <string>
#include <vector>

namespace {

const TFormatSettings PointSettings{'.'};

constexpr std::string_view Usage = "Usage: series-table [--csv] PRECISION X\n";

// help2man makes the manual page from this text and the --version line: a line
// that ends with ':' starts a section, and indented lines are a list. {limit}
// stands for the number of terms at most.
constexpr std::string_view Help =
    R"(Prints every iteration of the two power series that Series Calculator sums,
in single precision as its window does: 1 + sum (2x)^n/n!, which approaches
e^(2x), and 5 (1 + sum x^n/n!), which approaches 5e^x. Each series stops after
the first term at or below PRECISION, or after {limit} terms. PRECISION and X are
written with a decimal point, whatever the locale.

Options:
  --csv      print comma-separated rows for other programs instead of the table
  --help     print this help and exit
  --version  print the version and exit

Table:
  n          the iteration, from 1
  term       the n-th term, which the stop test compares with PRECISION; for
             the second series, the term before the factor 5: x^n/n!
  value      the running value of the series after n terms, as the window
             shows it
  truncation the error of cutting the series off after n terms, as in the CSV
  rounding   the error of summing them in single precision, as in the CSV

After each series the table says why it stopped (its term reached the
precision, the {limit}-term limit, or a NaN term) with the last term and the
precision; where the value became INF or NaN, the iteration and the cause (the
numerator or the factorial left the single range, or 0/0 at x = 0); then the
iteration after which the value no longer changes, where that comes before the
last; then the exact value (e^(2x) or 5e^x, rounded to double precision) and
the error (value - exact). Its last line is the combined value (first -
second) x^2 with its exact value and, where the combined value is finite, the
condition number of the subtraction and the digits it loses.

CSV columns:
  series     1 or 2, or final for the combined value
  iteration  n; empty for the combined value
  term       as in the table, as the shortest text that reads back to the
             same single-precision number; empty for the combined value
  value      the running value, written the same way
  shown      the value as the window shows it, 7 significant digits
  bits       the value's single-precision bits as 8 hex digits
  partial    the exact sum of the first n terms at the single-precision X,
             without rounding; on the final row (P1 - P2) x^2 from the two
             series' exact sums
  limit      what the series approaches, e^(2x) or 5e^x at the same X; on the
             final row (e^(2x) - 5e^x) x^2
  truncation partial - limit: the error of cutting the series off, computed as
             minus the exact sum of the terms after n, so that it keeps its
             digits however small it is
  rounding   value - partial, from the value's own bits: the error of summing
             in single precision
  ulps       rounding in units of the last place of the value,
             2^(floor(log2 |value|) - 23), or 2^-149 below the normal range
  digits     correct significant digits of the value, -log10(|value - limit| /
             |limit|); negative where the value is off by more than the limit
  double     the same statements summed with every stored number a double
             instead of a single (the intermediate results unchanged), after as
             many terms as the single run; the shortest text that reads back to
             the same double. It shows how much of the rounding is single
             precision's; it is not the program's result
  condition  on the final row only: (|S1| + |S2|) / |S1 - S2| of the two
             series' values, how much the subtraction magnifies their errors;
             inf where they are equal, so that no digit is left

partial, limit, truncation and rounding are correctly rounded to 17 significant
digits, written as %.16e writes them; truncation + rounding = value - limit.
ulps and digits have two decimals. rounding, ulps and digits are empty where
the value is INF or NaN, ulps where it is 0, digits where the limit is 0. inf
and nan are written as in the value column.

The exit status is 0, or 2 for a bad argument.
)";

enum class Action { Table, Help, Version };

struct Options {
    Action Do = Action::Table;
    bool Csv = false;
    float Precision = 0;
    float X = 0;
};

bool Fail(std::ostream& err, std::string_view problem) {
    err << "series-table: " << problem << '\n' << Usage;
    return false;
}

// Options start with "--": "-1" and "-0" are numbers. --help and --version win
// over everything else on the line, whichever comes first.
bool ParseArguments(std::span<const std::string_view> args, Options& options, std::ostream& err) {
    std::vector<std::string_view> numbers;
    std::vector<std::string_view> unknown;
    for (std::string_view arg : args) {
        if (arg == "--help" || arg == "--version") {
            options.Do = arg == "--help" ? Action::Help : Action::Version;
            return true;
        }
        if (arg == "--csv")
            options.Csv = true;
        else if (arg.starts_with("--"))
            unknown.push_back(arg);
        else
            numbers.push_back(arg);
    }
    if (!unknown.empty())
        return Fail(err, "unknown option '" + std::string(unknown.front()) + "'");
    if (numbers.size() < 2)
        return Fail(err, numbers.empty() ? "missing PRECISION and X" : "missing X");
    if (numbers.size() > 2)
        return Fail(err, "unexpected argument '" + std::string(numbers[2]) + "'");
    try {
        options.Precision = static_cast<float>(StrToFloat(numbers[0], PointSettings));
        options.X = static_cast<float>(StrToFloat(numbers[1], PointSettings));
    } catch (const Exception& e) {
        return Fail(err, e.Message());
    }
    return true;
}

std::vector<SeriesValue> Evaluate(const Options& options) {
    TCalcState state{options.Precision, options.X, 1};
    std::vector<SeriesValue> values;
    EvaluateSeries(state, [&](const SeriesValue& v) { values.push_back(v); });
    return values;
}

// Each series' heading, in the order of SeriesKind.
constexpr std::string_view SeriesTitles[] = {
    "e^(2x) = 1 + sum (2x)^n/n!", "5e^x = 5 (1 + sum x^n/n!), term x^n/n! before the factor 5"};

void PrintSeries(const std::vector<SeriesValue>& values, const std::vector<ValueErrors>& errors,
                 const SeriesTracker& tracker, SeriesKind kind, std::ostream& out) {
    out << SeriesTitles[int(kind)] << '\n'
        << std::setw(5) << "n" << std::setw(16) << "term" << std::setw(16) << "value"
        << std::setw(12) << "truncation" << std::setw(12) << "rounding" << '\n';
    for (std::size_t i = 0; i < values.size(); ++i) {
        const SeriesValue& v = values[i];
        if (v.Kind != kind)
            continue;
        out << std::setw(5) << v.Iteration << std::setw(16) << ShownValue(v.Term, PointSettings)
            << std::setw(16) << ShownValue(v.Value, PointSettings) << std::setw(12)
            << ScientificText(errors[i].Truncation, 3) << std::setw(12)
            << (errors[i].Rounding ? ScientificText(*errors[i].Rounding, 3) : "") << '\n';
    }
    const SeriesSummary summary = tracker.Summary(kind);
    out << "stopped after " << summary.Iterations
        << (summary.Iterations == 1 ? " term: " : " terms: ") << StopReason(summary, PointSettings)
        << '\n';
    for (const std::string& more :
         {NonFiniteReason(summary, PointSettings), SettledReason(summary)})
        if (!more.empty())
            out << more << '\n';
    out << "exact " << GeneralText(summary.Exact, 10) << ", error "
        << GeneralText(summary.Difference, 3) << "\n\n";
}

void PrintTable(const Options& options, const std::vector<SeriesValue>& values, std::ostream& out) {
    SeriesTracker tracker(options.Precision, options.X);
    for (const SeriesValue& v : values)
        tracker(v);
    const std::vector<ValueErrors> errors = SplitErrors(values);
    out << "precision " << ShownValue(options.Precision, PointSettings) << ", x "
        << ShownValue(options.X, PointSettings) << "\n\n";
    for (SeriesKind kind : {SeriesKind::First, SeriesKind::Second})
        PrintSeries(values, errors, tracker, kind, out);
    const SeriesSummary combined = tracker.Summary(SeriesKind::Combined);
    out << "combined (first - second) x^2: " << ShownValue(values.back().Value, PointSettings)
        << ", exact " << GeneralText(combined.Exact, 10);
    if (!std::isfinite(combined.Value)) // no cancellation to speak of in INF or NaN
        out << '\n';
    else if (std::isinf(combined.Condition))
        out << ", condition inf: all digits lost\n";
    else
        out << ", condition " << GeneralText(combined.Condition, 3) << " ("
            << FixedText(combined.DigitsLost, 1) << " digits lost)\n";
}

} // namespace

int RunSeriesTable(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    Options options;
    if (!ParseArguments(args, options, err))
        return 2;
    if (options.Do == Action::Help) {
        std::string help(Help);
        for (auto at = help.find("{limit}"); at != std::string::npos; at = help.find("{limit}"))
            help.replace(at, 7, std::to_string(int(IterationLimit)));
        out << Usage << '\n' << help;
        return 0;
    }
    if (options.Do == Action::Version) {
        out << "series-table (Series Calculator) " << SERIES_CALC_VERSION << '\n';
        return 0;
    }
    const std::vector<SeriesValue> values = Evaluate(options);
    if (options.Csv)
        out << SeriesCsv(values);
    else
        PrintTable(options, values, out);
    return 0;
}
