#pragma once

#include "ErrorSplit.h"
#include "EvaluateSeries.h"

#include <span>
#include <string>

// Every value of one run as comma-separated rows under a header line:
// series,iteration,term,value,shown,bits, then the error split:
// partial,limit,truncation,rounding,ulps,digits,double,condition. Other
// programs read these columns in this order, so new ones go after them.
// Numbers are written with a point. Exact values have 17 significant digits,
// correctly rounded, as %.16e writes them; ulps and digits two decimals; double
// the shortest text that reads back to it; condition only on the combined row.
// A cell with no value is empty; INF and NaN are written as in the value column.
std::string SeriesCsv(std::span<const SeriesValue> values);

// The same, with the split already made by SplitErrors(values).
std::string SeriesCsv(std::span<const SeriesValue> values, std::span<const ValueErrors> errors);
