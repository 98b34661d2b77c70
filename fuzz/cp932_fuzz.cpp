// Any bytes as text for the terminal: control characters replaced, then encoded as
// Shift-JIS (CP932) the way --encoding cp932 writes them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cli/encoding.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  aerolume::cli::ToCp932(bytes);
  aerolume::cli::ToCp932(aerolume::cli::ReplaceControlCharacters(bytes));
  return 0;
}
