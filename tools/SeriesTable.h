#pragma once

#include <ostream>
#include <span>
#include <string_view>

// series-table [--csv] PRECISION X: runs both series as the window does and
// prints every iteration. Returns the process exit status: 0, or 2 for bad
// arguments (after a message on `err`).
int RunSeriesTable(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
