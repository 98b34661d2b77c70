// Command-line words of one subcommand: flags, options with a value, and operands.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace aerolume::cli {

struct OptionNames {
  std::set<std::string> flags;         // --json, --taf
  std::set<std::string> valueOptions;  // --station CODE, --encoding NAME
};

struct Arguments {
  std::set<std::string> flags;
  std::map<std::string, std::string> values;
  std::vector<std::string> operands;

  bool Has(const std::string& flag) const { return flags.count(flag) != 0; }
  std::optional<std::string> Value(const std::string& option) const;
};

struct ParseResult {
  Arguments arguments;
  std::string error;  // empty when the words were understood
};

// Words after "--" are always operands, so a group such as "-SHRA" can be given.
// "--opt=value" and "--opt value" are both accepted.
ParseResult ParseArguments(const std::vector<std::string>& words, const OptionNames& options);

}  // namespace aerolume::cli
