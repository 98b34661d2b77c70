#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.hpp"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    return aerolume::cli::RunCli(args, std::cin, std::cout, std::cerr);
  } catch (const std::exception& error) {
    std::cerr << "aerolume-cli: " << error.what() << '\n';
    return aerolume::cli::kExitFailed;
  }
}
