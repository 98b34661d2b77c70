// Any bytes as text for the terminal: control characters replaced, then encoded as
// Shift-JIS (CP932) the way --encoding cp932 writes them. No control byte but LF may
// come out (the bytes 0x80-0x9F lead double-byte characters in code page 932).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/encoding.hpp"
#include "translators/shown_text.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  aerolume::cli::ToCp932(bytes);
  const std::string shown = aerolume::cli::ToCp932(aerolume::ReplaceUnsafeCharacters(bytes));
  for (const char c : shown) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && c != '\n') || byte == 0x7F) std::abort();
  }
  return 0;
}
