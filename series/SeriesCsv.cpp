#include "SeriesCsv.h"

#include "NumberText.h"
#include "SeriesSummary.h"

namespace {

std::string Row(const SeriesValue& v) {
    std::string row = v.Kind == SeriesKind::Combined
                          ? "final,,,"
                          : std::to_string(int(v.Kind) + 1) + ',' + std::to_string(v.Iteration) +
                                ',' + ShortestText(v.Term) + ',';
    return row + ShortestText(v.Value) + ',' + ShownValue(v.Value, TFormatSettings{'.'}) + ',' +
           BitsText(v.Value);
}

std::string TwoDecimals(const std::optional<double>& value) {
    return value ? FixedText(*value, 2) : std::string();
}

} // namespace

std::string SeriesCsv(std::span<const SeriesValue> values) {
    return SeriesCsv(values, SplitErrors(values));
}

std::string SeriesCsv(std::span<const SeriesValue> values, std::span<const ValueErrors> errors) {
    std::string csv = "series,iteration,term,value,shown,bits,partial,limit,truncation,rounding,"
                      "ulps,digits,double,condition\n";
    float last[2] = {0, 0};
    for (std::size_t i = 0; i < values.size() && i < errors.size(); ++i) {
        const SeriesValue& v = values[i];
        const ValueErrors& e = errors[i];
        csv += Row(v) + ',' + ScientificText(e.Partial, 17) + ',' + ScientificText(e.Limit, 17) +
               ',' + ScientificText(e.Truncation, 17) + ',' +
               (e.Rounding ? ScientificText(*e.Rounding, 17) : "") + ',' + TwoDecimals(e.Ulps) +
               ',' + TwoDecimals(e.Digits) + ',' + ShortestText(e.Double) + ',';
        if (v.Kind == SeriesKind::Combined)
            csv += ShortestText(ConditionNumber(last[0], last[1]));
        else
            last[int(v.Kind)] = v.Value;
        csv += '\n';
    }
    return csv;
}
