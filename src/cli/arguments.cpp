#include "cli/arguments.hpp"

namespace aerolume::cli {

std::optional<std::string> Arguments::Value(const std::string& option) const {
  const auto found = values.find(option);
  if (found == values.end()) return std::nullopt;
  return found->second;
}

ParseResult ParseArguments(const std::vector<std::string>& words, const OptionNames& options) {
  ParseResult result;
  bool onlyOperands = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (onlyOperands || word.size() < 2 || word.rfind("--", 0) != 0) {
      // A lone "-" or a group like "-SHRA" is an operand, not an option.
      result.arguments.operands.push_back(word);
      continue;
    }
    if (word == "--") {
      onlyOperands = true;
      continue;
    }
    const std::size_t equals = word.find('=');
    const std::string name = word.substr(0, equals);
    if (options.flags.count(name) != 0 && equals == std::string::npos) {
      result.arguments.flags.insert(name);
    } else if (options.valueOptions.count(name) != 0) {
      if (equals != std::string::npos) {
        result.arguments.values[name] = word.substr(equals + 1);
      } else if (i + 1 < words.size()) {
        result.arguments.values[name] = words[++i];
      } else {
        result.error = "option " + name + " needs a value";
        return result;
      }
    } else {
      result.error = "unknown option " + word;
      return result;
    }
  }
  return result;
}

}  // namespace aerolume::cli
