#pragma once

#include "EvaluateSeries.h"

#include <span>
#include <string>

// Every value of one run as comma-separated rows under a header line:
// series,iteration,term,value,shown,bits. Other programs read the first five
// columns, so new ones go after them. Numbers are written with a point.
std::string SeriesCsv(std::span<const SeriesValue> values);
