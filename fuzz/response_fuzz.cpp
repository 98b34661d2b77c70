// Any answer a server may send to the download: header lines and body chunks fed to
// the callbacks libcurl calls, ended the ways libcurl ends a transfer, then read as a
// station file and as the Data API's JSON. No network. The first byte picks the cap
// and how the transfer ended; the rest is the answer, its head ending at the first
// empty line and its body cut into chunks at each 0xFF byte.
#include <curl/curl.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "retrieval/curl_transfer.hpp"
#include "retrieval/data_api.hpp"
#include "retrieval/station_file.hpp"
#include "retrieval/transfer_record.hpp"

namespace {

constexpr CURLcode kEndings[] = {CURLE_OK, CURLE_WRITE_ERROR, CURLE_OPERATION_TIMEDOUT,
                                 CURLE_COULDNT_CONNECT, CURLE_PARTIAL_FILE};

void FeedHead(aerolume::TransferRecord& record, std::string_view& rest) {
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view line =
        rest.substr(0, end == std::string_view::npos ? rest.size() : end + 1);
    rest.remove_prefix(line.size());
    aerolume::RecordHeaderLine(record, line);
    if (line == "\r\n" || line == "\n") return;
  }
}

// False when a chunk went over the cap, as libcurl would stop there.
bool FeedBody(aerolume::TransferRecord& record, std::string_view rest) {
  while (!rest.empty()) {
    const std::size_t cut = rest.find('\xff');
    const std::string_view chunk = rest.substr(0, cut);
    if (!aerolume::RecordBodyChunk(record, chunk)) return false;
    if (cut == std::string_view::npos) break;
    rest.remove_prefix(cut + 1);
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t control = data[0];
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  aerolume::TransferRecord record;
  // A small cap as often as the program's own 64 KiB.
  record.maxBodyBytes = (control & 1) != 0 ? 64 * 1024 : 64;
  // Several answers one after another: redirects and interim answers before the last.
  while (rest.starts_with("HTTP/")) {
    FeedHead(record, rest);
    if (record.answered) break;
  }
  const bool withinCap = FeedBody(record, rest);
  const CURLcode ending =
      withinCap ? kEndings[(control >> 1) % std::size(kEndings)] : CURLE_WRITE_ERROR;
  const aerolume::HttpAnswer answer =
      aerolume::AnswerOf(std::move(record), ending, "http://127.0.0.1/data", "fuzzed");
  if (answer.Successful() && answer.complete) {
    aerolume::NormalizeReportText(answer.body);
    aerolume::MetarFileFromApi(answer.body);
    aerolume::TafFileFromApi(answer.body);
  }
  return 0;
}
