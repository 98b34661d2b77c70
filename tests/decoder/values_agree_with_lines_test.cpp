// Every report of the shared corpus: whatever a decoded line says of the wind,
// visibility, runway visual range, weather, clouds, temperature and pressure, the
// values say the same. The lines are read back here, in the test, to hold the
// values that the rules record against the lines that the same rules write.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "../corpus_station_files.hpp"
#include "retrieval/report_display.hpp"
#include "translators/weather.hpp"

namespace aerolume {
namespace {

const std::string kCorpusDir = AEROLUME_TEST_DATA "/../../../shared/corpus";

// The digits (and one sign or decimal point) at the front of `text`.
std::optional<double> LeadingNumber(std::string_view text) {
  std::size_t length = 0;
  if (length < text.size() && text[length] == '-') ++length;
  while (length < text.size() &&
         ((text[length] >= '0' && text[length] <= '9') || (text[length] == '.' && length > 0))) {
    ++length;
  }
  if (length == 0 || text.substr(0, length) == "-") return std::nullopt;
  return std::stod(std::string(text.substr(0, length)));
}

bool StartsParagraph(std::string_view line) {
  return line.starts_with("\r\n");
}

// The lines of one observation or one forecast period, as they read.
struct ReadLines {
  std::optional<int> visibilityMetres;              // "視程 5000m", "視程 10km以上" as 10000
  bool milesVisibility = false;                     // "視程 1/2マイル(約0.8km)"
  std::vector<std::pair<std::string, int>> clouds;  // "800フィートBKNの雲": {"BKN", 800}
  int verticalVisibilityFeet = -1;
  std::vector<int> runwayMetres;  // the first value of each "RWY34L視程 0600m"
  std::vector<std::string> lines;
  bool cavok = false;
};

void ReadLine(std::string_view line, ReadLines& read) {
  // A change group's visibility ends its own line: "\r\nのちに\r\n視程 5000m".
  if (const std::size_t last = line.rfind("\r\n"); last != std::string_view::npos) {
    line.remove_prefix(last + 2);
  }
  read.lines.emplace_back(line);
  constexpr std::string_view kVisibility = "視程 ";
  // The last visibility line is the one the value keeps.
  if (line == "視程 10km以上") {
    read.visibilityMetres = 10000;
    read.milesVisibility = false;
  } else if (line.starts_with(kVisibility) && line.ends_with("m") &&
             LeadingNumber(line.substr(kVisibility.size()))) {
    read.visibilityMetres = static_cast<int>(*LeadingNumber(line.substr(kVisibility.size())));
    read.milesVisibility = false;
  } else if (line.starts_with(kVisibility) && line.find("マイル") != std::string_view::npos) {
    read.milesVisibility = true;
    read.visibilityMetres.reset();
  } else if (line.starts_with("CAVOK(")) {
    read.cavok = true;
  }
  for (std::string_view amount : {"FEW", "SCT", "BKN", "OVC"}) {
    const std::string height = "フィート" + std::string(amount) + "の";
    const std::string unknown = "高さ不明 " + std::string(amount) + "の";
    if (line.starts_with(unknown)) read.clouds.emplace_back(amount, -1);
    const std::size_t at = line.find(height);
    if (at != std::string_view::npos && at > 0 &&
        line.substr(0, at).find_first_not_of("0123456789") == std::string_view::npos) {
      read.clouds.emplace_back(amount, static_cast<int>(*LeadingNumber(line)));
    }
  }
  if (line.starts_with("鉛直視程")) {
    read.verticalVisibilityFeet = static_cast<int>(LeadingNumber(line.substr(12)).value_or(-1));
  }
  if (line.starts_with("RWY") && line.find("視程 ") != std::string_view::npos) {
    const std::size_t value = line.find("視程 ") + kVisibility.size();
    const std::string_view rest = line.substr(value);
    read.runwayMetres.push_back(static_cast<int>(LeadingNumber(rest).value_or(-1)));
  }
}

void ExpectAgreement(const WeatherValues& values, const ReadLines& read, const std::string& at) {
  SCOPED_TRACE(at);
  if (read.visibilityMetres) {
    ASSERT_TRUE(values.visibility.has_value());
    EXPECT_EQ(values.visibility->metres, *read.visibilityMetres);
  }
  if (read.milesVisibility) {
    ASSERT_TRUE(values.visibility.has_value());
    EXPECT_GE(values.visibility->statuteMiles, 0);
  }
  if (!read.visibilityMetres && !read.milesVisibility && !read.cavok) {
    EXPECT_FALSE(values.visibility.has_value());
  }
  EXPECT_EQ(values.cavok, read.cavok);
  ASSERT_EQ(values.clouds.size(), read.clouds.size());
  for (std::size_t i = 0; i < read.clouds.size(); ++i) {
    EXPECT_EQ(std::string(values.clouds[i].amount.data()), read.clouds[i].first);
    EXPECT_EQ(values.clouds[i].baseFeet, read.clouds[i].second);
  }
  EXPECT_EQ(values.verticalVisibilityFeet, read.verticalVisibilityFeet);
  ASSERT_EQ(values.runwayRanges.size(), read.runwayMetres.size());
  for (std::size_t i = 0; i < read.runwayMetres.size(); ++i) {
    if (values.runwayRanges[i].reportedInFeet || values.runwayRanges[i].metres < 0) continue;
    EXPECT_EQ(values.runwayRanges[i].metres, read.runwayMetres[i]);
  }
  // Each weather group recorded reads as one of the lines.
  for (const WeatherGroupValue& weather : values.weather) {
    std::string group = weather.intensity ? std::string(1, weather.intensity) : "";
    for (int i = 0; i < weather.codeCount; ++i) group.append(weather.codes[i].data(), 2);
    EXPECT_NE(std::find(read.lines.begin(), read.lines.end(), TranslateWeather(group)),
              read.lines.end())
        << group;
  }
}

// The METAR's own lines: those before its first trend or remarks.
ReadLines ObservationLines(const std::vector<std::string>& lines) {
  ReadLines read;
  for (const std::string& line : lines) {
    if (StartsParagraph(line)) break;
    ReadLine(line, read);
  }
  return read;
}

void ExpectMetarAgreement(const MetarValues& values, const std::vector<std::string>& lines,
                          const std::string& at) {
  ExpectAgreement(values.observed, ObservationLines(lines), at);
  std::optional<double> wholeDegrees;  // the observation's temperature group
  std::optional<double> tenths;        // a US remark's, which refines it
  bool inObservation = true;
  for (const std::string& line : lines) {
    const std::string_view text = line;
    inObservation = inObservation && !StartsParagraph(text);
    const std::optional<double> number =
        text.starts_with("気圧 ") ? LeadingNumber(text.substr(7)) : std::nullopt;
    if (inObservation && number && text.ends_with("hPa")) {
      EXPECT_EQ(values.qnhHectopascal, number) << at;
    }
    if (inObservation && number && text.ends_with("inHg")) {
      EXPECT_EQ(values.qnhInchesOfMercury, number) << at;
    }
    const std::optional<double> celsius =
        text.starts_with("気温") ? LeadingNumber(text.substr(6)) : std::nullopt;
    if (celsius && text.find('.') != std::string_view::npos) tenths = celsius;
    if (celsius && text.find('.') == std::string_view::npos && inObservation) {
      wholeDegrees = celsius;
    }
  }
  EXPECT_EQ(values.temperatureCelsius, tenths ? tenths : wholeDegrees) << at;
}

// A TAF's periods start at its validity, each FM time, each BECMG and TEMPO, and
// each PROB (which a TEMPO right after it joins).
// A validity after PROB times the PROB.
bool StartsPeriod(std::string_view line, std::string_view before) {
  if (line.ends_with("の予報") && !StartsParagraph(line)) return !before.starts_with("確率");
  if (line.starts_with("確率")) return true;
  if (line.ends_with("分から") || line.ends_with("時から")) return true;
  const bool change = StartsParagraph(line) && (line.find("のちに") != std::string_view::npos ||
                                                line.find("ときどき") != std::string_view::npos);
  return change && !before.starts_with("確率");
}

void ExpectTafAgreement(const TafValues& taf, const std::vector<std::string>& lines,
                        const std::string& at) {
  std::vector<ReadLines> periods;
  std::string_view before;
  for (const std::string& line : lines) {
    if (line.starts_with("\r\n特記事項")) break;
    if (StartsPeriod(line, before)) periods.emplace_back();
    if (!periods.empty()) ReadLine(line, periods.back());
    before = line;
  }
  ASSERT_EQ(taf.periods.size(), periods.size()) << at;
  for (std::size_t i = 0; i < periods.size(); ++i) {
    ExpectAgreement(taf.periods[i].values, periods[i], at + " period " + std::to_string(i));
  }
}

TEST(ValuesAgreeWithLines, OverTheWholeCorpus) {
  int reports = 0;
  for (const cli::LineStationFile& file : testing_support::CorpusStationFiles(kCorpusDir)) {
    ReportState state;
    state.m_stationCode = file.stationCode;
    const ReportKind kind = file.isTaf ? ReportKind::Taf : ReportKind::Metar;
    const ShownReport shown = ComposeReport(state, kind, file.text);
    if (shown.error) continue;
    if (file.isTaf) {
      ExpectTafAgreement(state.m_tafValues, shown.Lines(), file.text);
    } else {
      ExpectMetarAgreement(state.m_metarValues, shown.Lines(), file.text);
    }
    ++reports;
  }
  EXPECT_GT(reports, 1900);
}

}  // namespace
}  // namespace aerolume
