#include "retrieval/transfer_record.hpp"

namespace aerolume {

namespace {

std::string StatusCodeOf(std::string_view statusLine) {
  const std::size_t space = statusLine.find(' ');
  if (space == std::string_view::npos) return {};
  std::string_view rest = statusLine.substr(space + 1);
  const std::size_t end = rest.find_first_not_of("0123456789");
  return std::string(rest.substr(0, end));
}

}  // namespace

void RecordHeaderLine(TransferRecord& record, std::string_view line) {
  if (line.starts_with("HTTP/")) {
    record.status = StatusCodeOf(line);
    record.answered = true;
    record.answerBytes = 0;
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
