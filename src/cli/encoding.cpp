#include "cli/encoding.hpp"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace aerolume::cli {

namespace {

// The length of the UTF-8 character starting at `text`, or 1 for a stray byte.
std::size_t CharacterLength(const char* text, std::size_t available) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 1;
  if (lead >= 0xF0 && lead <= 0xF7) {
    length = 4;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xC0 && lead <= 0xDF) {
    length = 2;
  }
  if (length > available) return 1;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

class Converter {
 public:
  Converter() : m_handle(iconv_open("CP932", "UTF-8")) {
    if (m_handle == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error("code page 932 is not available (iconv)");
    }
  }
  ~Converter() { iconv_close(m_handle); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::string Convert(std::string_view input) {
    std::string output;
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
      char* out = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t done = iconv(m_handle, &in, &inLeft, &out, &outLeft);
      output.append(buffer, static_cast<std::size_t>(out - buffer));
      if (done != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: replace the character that cannot be converted.
      output += '?';
      const std::size_t skip = CharacterLength(in, inLeft);
      in += skip;
      inLeft -= skip;
      iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
    }
    return output;
  }

 private:
  iconv_t m_handle;
};

}  // namespace

std::string ToCp932(std::string_view utf8) {
  return Converter().Convert(utf8);
}

std::string ReplaceControlCharacters(std::string_view text) {
  constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
  std::string shown;
  shown.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && c != '\n') || byte == 0x7F) {
      shown += kReplacement;
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace aerolume::cli
