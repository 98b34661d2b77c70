// What one transfer has received so far, as libcurl hands it over: header lines one
// by one, then the body in chunks. Kept apart from libcurl, so that the fuzzer can
// drive it with any answer a server might send.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace aerolume {

// Redirects and interim (1xx) answers are steps on the way: until a final answer's
// status line has arrived, nothing has been opened.
struct TransferRecord {
  std::size_t maxBodyBytes = 0;
  std::string status;     // the status code of the latest status line, "200"
  bool answered = false;  // the status line of the final answer has arrived
  std::string body;
  // Body bytes of the latest answer, kept or not: no answer is read past the cap.
  std::size_t answerBytes = 0;
  bool tooLarge = false;
  // The latest answer's Content-Encoding other than "identity"; no compression is
  // ever asked for, so a body that has one cannot be read.
  std::string contentEncoding;

  bool Successful() const { return !status.empty() && status.front() == '2'; }
};

// One header line, its line end included.
void RecordHeaderLine(TransferRecord& record, std::string_view line);

// One chunk of the body; false once the answer is over the cap, which ends the transfer.
bool RecordBodyChunk(TransferRecord& record, std::string_view chunk);

}  // namespace aerolume
