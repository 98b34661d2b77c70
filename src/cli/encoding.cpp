#include "cli/encoding.hpp"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "translators/shown_text.hpp"

namespace aerolume::cli {

namespace {

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
      const std::size_t skip = ReadUtf8Character(std::string_view(in, inLeft), 0).length;
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

}  // namespace aerolume::cli
