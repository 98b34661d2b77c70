#include "retrieval/transfer_record.hpp"

#include <optional>

namespace aerolume {

namespace {

std::string StatusCodeOf(std::string_view statusLine) {
  const std::size_t space = statusLine.find(' ');
  if (space == std::string_view::npos) return {};
  std::string_view rest = statusLine.substr(space + 1);
  const std::size_t end = rest.find_first_not_of("0123456789");
  return std::string(rest.substr(0, end));
}

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool EqualIgnoringCase(std::string_view text, std::string_view lowercase) {
  if (text.size() != lowercase.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] + 32) : text[i];
    if (c != lowercase[i]) return false;
  }
  return true;
}

// The value of a "Name: value" header line, when the line is that header.
std::optional<std::string_view> HeaderValue(std::string_view line, std::string_view lowercaseName) {
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos || !EqualIgnoringCase(line.substr(0, colon), lowercaseName)) {
    return std::nullopt;
  }
  return Trimmed(line.substr(colon + 1));
}

}  // namespace

void RecordHeaderLine(TransferRecord& record, std::string_view line) {
  if (line.starts_with("HTTP/")) {
    record.status = StatusCodeOf(line);
    record.answered = true;
    record.answerBytes = 0;
    record.contentEncoding.clear();
  } else if (const auto encoding = HeaderValue(line, "content-encoding")) {
    if (!encoding->empty() && !EqualIgnoringCase(*encoding, "identity")) {
      record.contentEncoding = *encoding;
    }
  } else if (line == "\r\n" || line == "\n") {
    // The end of a redirect's or an interim answer's headers: another answer follows.
    const bool interim = !record.status.empty() && record.status.front() == '1';
    const bool redirect = !record.status.empty() && record.status.front() == '3';
    if (interim || redirect) record.answered = false;
  }
}

bool RecordBodyChunk(TransferRecord& record, std::string_view chunk) {
  record.answerBytes += chunk.size();
  if (record.answerBytes > record.maxBodyBytes) {
    record.tooLarge = true;
    return false;
  }
  // Bodies of error and redirect answers are never shown.
  if (record.Successful()) record.body.append(chunk);
  return true;
}

}  // namespace aerolume
