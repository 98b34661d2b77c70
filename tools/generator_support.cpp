#include "generator_support.hpp"

#include <cstdio>
#include <exception>
#include <fstream>
#include <stdexcept>

namespace aerolume {

void ReadOptions(int argc, char** argv, std::string_view usage,
                 std::initializer_list<std::pair<std::string_view, std::string*>> options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view given = argv[i];
    if (i + 1 == argc) throw std::invalid_argument(std::string(usage));
    std::string* value = nullptr;
    for (const auto& [name, target] : options) {
      if (given == name) value = target;
    }
    if (value == nullptr) throw std::invalid_argument(std::string(usage));
    *value = argv[++i];
  }
}

void WriteWholeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out || !(out << text) || !out.flush()) throw std::runtime_error("cannot write " + path);
}

int RunReportingFailures(const char* program, const std::function<int()>& run) {
  try {
    return run();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", program, error.what());
    return 1;
  }
}

}  // namespace aerolume
