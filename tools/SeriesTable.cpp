#include "SeriesTable.h"

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
#include <locale>
#include <sstream>
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

After each series the table says why it stopped (its term reached the
precision, the {limit}-term limit, or a NaN term) with the last term and the
precision; where the value became INF or NaN, the iteration and the cause (the
numerator or the factorial left the single range, or 0/0 at x = 0); then the
exact value (e^(2x) or 5e^x, in double precision) and the error
(value - exact). Its last line is the combined value (first - second) x^2.

CSV columns:
  series     1 or 2, or final for the combined value
  iteration  n; empty for the combined value
  term       as in the table, as the shortest text that reads back to the
             same single-precision number; empty for the combined value
  value      the running value, written the same way
  shown      the value as the window shows it, 7 significant digits
  bits       the value's single-precision bits as 8 hex digits

The exit status is 0, or 2 for a bad argument.
)";

// As the window shows a value, with a point.
std::string Shown(double value) {
    return ShownValue(value, PointSettings);
}

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
    out << "stopped after " << summary.Iterations
        << (summary.Iterations == 1 ? " term: " : " terms: ") << English(StopReason(summary), Shown)
        << '\n';
    if (const Sentence became = NonFiniteReason(summary); became.Text)
        out << English(became, Shown) << '\n';
    // A NaN's sign differs between processors (0/0 is -nan on x86): printed
    // unsigned. The C library's locale, which a Qt program sets, has no say.
    const double error =
        std::isnan(summary.Difference) ? std::fabs(summary.Difference) : summary.Difference;
    std::ostringstream line;
    line.imbue(std::locale::classic());
    line << "exact " << std::setprecision(10) << summary.Exact << ", error " << std::setprecision(3)
         << error << "\n\n";
    out << line.str();
}

void PrintTable(const Options& options, const std::vector<SeriesValue>& values, std::ostream& out) {
    SeriesTracker tracker(options.Precision, options.X);
    for (const SeriesValue& v : values)
        tracker(v);
    out << "precision " << Shown(options.Precision) << ", x " << Shown(options.X) << "\n\n";
    PrintSeries(values, tracker, SeriesKind::First, "e^(2x) = 1 + sum (2x)^n/n!", out);
    PrintSeries(values, tracker, SeriesKind::Second,
                "5e^x = 5 (1 + sum x^n/n!), term x^n/n! before the factor 5", out);
    out << "combined (first - second) x^2: " << Shown(values.back().Value) << '\n';
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
