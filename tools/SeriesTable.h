#pragma once

#include <ostream>
#include <span>
#include <string_view>

// series-table [--csv] PRECISION X: runs both series as the window does and
// prints every iteration; --help and --version print to `out`. Returns the
// process exit status: 0, or 2 for a bad argument (after one line naming it
// and the usage on `err`).
int RunSeriesTable(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
