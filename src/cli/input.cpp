#include "cli/input.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <istream>

namespace aerolume::cli {

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

}  // namespace

InputStream::InputStream(const std::string& name, std::istream& standardInput)
    : m_name(name), m_standardInput(standardInput) {
  if (name == "-") return;
  m_fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (m_fd < 0) {
    Fail(errno);
    return;
  }
  struct stat status {};
  if (::fstat(m_fd, &status) == 0 && S_ISDIR(status.st_mode)) Fail(EISDIR);
}

InputStream::~InputStream() {
  if (m_fd >= 0) ::close(m_fd);
}

void InputStream::Fail(int error) {
  m_error = "cannot read " + m_name + ": " + std::strerror(error);
}

std::size_t InputStream::Read(char* buffer, std::size_t count) {
  if (!m_error.empty()) return 0;
  if (m_name == "-") {
    m_standardInput.read(buffer, static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(m_standardInput.gcount());
  }
  for (;;) {
    const ssize_t got = ::read(m_fd, buffer, count);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno == EINTR) continue;
    Fail(errno);
    return 0;
  }
}

std::vector<std::unique_ptr<InputStream>> OpenInputs(const std::vector<std::string>& operands,
                                                     std::istream& standardInput,
                                                     std::string& error) {
  std::vector<std::string> names = operands;
  if (names.empty()) names.push_back("-");
  std::vector<std::unique_ptr<InputStream>> inputs;
  for (const std::string& name : names) {
    inputs.push_back(std::make_unique<InputStream>(name, standardInput));
    if (!inputs.back()->Error().empty() && error.empty()) error = inputs.back()->Error();
  }
  return inputs;
}

InputText ReadWhole(InputStream& input) {
  InputText text;
  char chunk[kChunkBytes];
  while (const std::size_t got = input.Read(chunk, sizeof chunk)) {
    text.bytes.append(chunk, got);
    if (text.bytes.size() > kMaxInputBytes) {
      text.bytes.clear();
      text.tooLarge = true;
      break;
    }
  }
  return text;
}

long ForEachLine(InputStream& input,
                 const std::function<void(std::string_view line, long number)>& onLine) {
  std::string pending;
  long number = 0;
  char chunk[kChunkBytes];
  while (const std::size_t got = input.Read(chunk, sizeof chunk)) {
    pending.append(chunk, got);
    std::size_t start = 0;
    for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1) {
      // A line may end in the chunk that took it over the limit.
      if (end - start > kMaxInputBytes) return number + 1;
      onLine(std::string_view(pending).substr(start, end - start), ++number);
    }
    pending.erase(0, start);
    if (pending.size() > kMaxInputBytes) return number + 1;
  }
  if (!pending.empty()) onLine(pending, ++number);
  return 0;
}

std::string TooLargeMessage(const InputStream& input) {
  return (input.Name() == "-" ? std::string("standard input") : input.Name()) +
         ": larger than 1 MiB";
}

std::string LineTooLongMessage(const InputStream& input, long number) {
  return (input.Name() == "-" ? std::string("standard input") : input.Name()) + ": line " +
         std::to_string(number) + " is longer than 1 MiB";
}

}  // namespace aerolume::cli
