// What aerolume-cli reads: a named file or standard input, never past a size cap, so
// that a mistaken /dev/zero ends in a message instead of filling memory.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace aerolume::cli {

// The most a station file may hold, and the longest line of a file of report lines.
inline constexpr std::size_t kMaxInputBytes = 1024 * 1024;

class InputStream {
 public:
  // "-" is standard input. When the file cannot be opened, Error() says why.
  InputStream(const std::string& name, std::istream& standardInput);
  ~InputStream();
  InputStream(const InputStream&) = delete;
  InputStream& operator=(const InputStream&) = delete;

  const std::string& Name() const { return m_name; }
  // "cannot read NAME: No such file or directory", or empty.
  const std::string& Error() const { return m_error; }
  // Up to `count` bytes; 0 at the end and after an error.
  std::size_t Read(char* buffer, std::size_t count);

 private:
  void Fail(int error);

  std::string m_name;
  std::istream& m_standardInput;
  int m_fd = -1;
  std::string m_error;
};

// Every operand (none: standard input) opened before anything is read or printed,
// so that a name that cannot be read is a usage error with nothing half done.
// `error` gets the first failure's text.
std::vector<std::unique_ptr<InputStream>> OpenInputs(const std::vector<std::string>& operands,
                                                     std::istream& standardInput,
                                                     std::string& error);

struct InputText {
  std::string bytes;
  bool tooLarge = false;  // more than kMaxInputBytes; reading stopped there
};

// The whole input, or as much as the cap allows.
InputText ReadWhole(InputStream& input);

// Calls `onLine` for each line (without its LF) with its number from 1. Returns 0,
// or the number of a line longer than kMaxInputBytes, where reading stopped: a line
// of exactly kMaxInputBytes is read, with or without its LF, and one byte more is not.
long ForEachLine(InputStream& input,
                 const std::function<void(std::string_view line, long number)>& onLine);

// "NAME: larger than 1 MiB" / "NAME: line 3 is longer than 1 MiB".
std::string TooLargeMessage(const InputStream& input);
std::string LineTooLongMessage(const InputStream& input, long number);

}  // namespace aerolume::cli
