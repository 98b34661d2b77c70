// What the generators of committed sources share: their "--name VALUE" options, writing
// a file whole, and a main that reports a failure on standard error.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace aerolume {

// Each option's value into its string; throws std::invalid_argument with `usage` for an
// unknown option or one without its value.
void ReadOptions(int argc, char** argv, std::string_view usage,
                 std::initializer_list<std::pair<std::string_view, std::string*>> options);

// Throws std::runtime_error when the file cannot be written.
void WriteWholeFile(const std::string& path, const std::string& text);

// `run`'s exit status, or 1 after "program: what went wrong".
int RunReportingFailures(const char* program, const std::function<int()>& run);

}  // namespace aerolume
