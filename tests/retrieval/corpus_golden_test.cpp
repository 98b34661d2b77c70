// Every report of the shared corpus through the program's path (the station file to
// the issue time, raw and decoded text, and wind), compared byte for byte with the
// output recorded in tests/data/golden/corpus-decoded.txt. A change that means to
// alter the output records it again: AEROLUME_RECORD_GOLDEN=1 aerolume_core_tests
// --gtest_filter='CorpusGolden*', then the difference is read and committed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "../corpus_station_files.hpp"
#include "retrieval/report_display.hpp"

namespace aerolume {
namespace {

const std::string kCorpusDir = AEROLUME_TEST_DATA "/../../../shared/corpus";
const std::string kGoldenFile = AEROLUME_TEST_DATA "/golden/corpus-decoded.txt";

// CR stays visible, so that the golden file holds the text's exact bytes as lines.
std::string VisibleCarriageReturns(const std::string& text) {
  std::string visible;
  for (char c : text) {
    if (c == '\r') {
      visible += "\\r";
    } else {
      visible += c;
    }
  }
  return visible;
}

std::string WindLine(const WindValues& wind) {
  std::ostringstream line;
  line << "wind: " << wind.m_windDirection << ' ' << wind.m_windSpeed << ' ' << wind.m_windVarFrom
       << ' ' << wind.m_windVarTo << ' ' << wind.m_windGust << ' '
       << (wind.m_windCalm ? "calm" : "-") << '\n';
  return line.str();
}

std::string DecodeCorpus() {
  std::string out;
  for (const cli::LineStationFile& file : testing_support::CorpusStationFiles(kCorpusDir)) {
    ReportState state;
    state.m_stationCode = file.stationCode;
    const ShownReport shown =
        ComposeReport(state, file.isTaf ? ReportKind::Taf : ReportKind::Metar, file.text);
    out += "file: " + file.text + '\n';
    out += "time: " + shown.time + '\n';
    out += "raw: " + shown.raw + '\n';
    out += "error: " + shown.error.value_or("-") + '\n';
    out += VisibleCarriageReturns(shown.decoded) + '\n';
    out += WindLine(state.Wind()) + '\n';
  }
  return out;
}

TEST(CorpusGoldenTest, EveryReportDecodesAsRecorded) {
  const std::string decoded = DecodeCorpus();
  ASSERT_GT(decoded.size(), 100'000u) << "the corpus beside the repository is missing";
  if (std::getenv("AEROLUME_RECORD_GOLDEN") != nullptr) {
    std::ofstream(kGoldenFile, std::ios::binary) << decoded;
    GTEST_SKIP() << "recorded " << kGoldenFile;
  }
  std::ifstream golden(kGoldenFile, std::ios::binary);
  const std::string recorded(std::istreambuf_iterator<char>(golden), {});
  if (decoded == recorded) return;
  // The first line that differs, with its number, rather than two megabytes.
  std::istringstream now(decoded);
  std::istringstream then(recorded);
  std::string nowLine;
  std::string thenLine;
  for (int number = 1;; ++number) {
    const bool moreNow = static_cast<bool>(std::getline(now, nowLine));
    const bool moreThen = static_cast<bool>(std::getline(then, thenLine));
    if (!moreNow && !moreThen) break;
    ASSERT_EQ(nowLine, thenLine) << "line " << number << " of " << kGoldenFile;
  }
  FAIL() << "the outputs differ in their line ends";
}

}  // namespace
}  // namespace aerolume
