// The groups beyond the rule table, case by case from tests/data/report-groups.tsv, and
// the readings held against an independent decoder from tests/data/checked-readings.tsv:
// each row's groups through `aerolume-cli groups` against lines written by hand, and
// against the wind values where the row gives them.
#include <gtest/gtest.h>

#include <fstream>
#include <ostream>

#include "../cli_runner.hpp"

namespace aerolume {
namespace {

struct GroupsCase {
  std::string name;
  bool taf = false;
  std::string timeLine;
  std::string groups;
  std::vector<std::string> lines;
  std::string source;
  std::string wind;  // "direction speed from to gust calm"; empty: not checked
};

void PrintTo(const GroupsCase& c, std::ostream* os) {
  *os << c.name << ": " << c.groups;
}

std::vector<std::string> SplitOn(const std::string& text, const std::string& separator) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string::npos;) {
    pieces.push_back(text.substr(start, at - start));
    start = at + separator.size();
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

// "\r\n" written out in the table stands for CR LF.
std::string Unescape(std::string line) {
  for (std::size_t at; (at = line.find("\\r\\n")) != std::string::npos;)
    line.replace(at, 4, "\r\n");
  return line;
}

// Rows of six fields, or seven where the table has a column of wind values.
std::vector<GroupsCase> ReadCases(const std::string& table, std::size_t fieldCount) {
  std::ifstream file(std::string(AEROLUME_TEST_DATA) + "/" + table);
  std::vector<GroupsCase> cases;
  for (std::string row; std::getline(file, row);) {
    if (row.empty() || row.front() == '#') continue;
    const std::vector<std::string> fields = SplitOn(row, "\t");
    if (fields.size() != fieldCount) throw std::runtime_error(table + ": bad row " + row);
    GroupsCase c{fields[0],
                 fields[1] == "taf",
                 fields[2],
                 fields[3],
                 {},
                 fields[5],
                 fieldCount > 6 ? fields[6] : std::string()};
    for (const std::string& line : SplitOn(fields[4], " | ")) c.lines.push_back(Unescape(line));
    cases.push_back(c);
  }
  return cases;
}

std::vector<GroupsCase> ReportGroupCases() {
  return ReadCases("report-groups.tsv", 6);
}

std::vector<GroupsCase> CheckedReadingCases() {
  return ReadCases("checked-readings.tsv", 7);
}

// The wind values as the rows write them.
std::string WindText(const nlohmann::json& result) {
  std::string text;
  for (const char* key : {"direction", "speed", "var_from", "var_to", "gust"}) {
    text += std::to_string(result["wind"][key].get<int>()) + " ";
  }
  return text + (result["calm"].get<bool>() ? "calm" : "-");
}

class ReportGroupsTest : public testing::TestWithParam<GroupsCase> {};

TEST_P(ReportGroupsTest, GivesTheLinesWrittenForIt) {
  const GroupsCase& c = GetParam();
  const nlohmann::json result =
      testing_support::DecodeGroupsJson(testing_support::SplitWords(c.groups), c.taf, c.timeLine);
  EXPECT_EQ(result["lines"].get<std::vector<std::string>>(), c.lines) << c.source;
  if (!c.wind.empty()) {
    EXPECT_EQ(WindText(result), c.wind) << c.source;
  }
}

const auto kCaseName = [](const testing::TestParamInfo<GroupsCase>& info) {
  return info.param.name;
};

INSTANTIATE_TEST_SUITE_P(BeyondTheRuleTable, ReportGroupsTest,
                         testing::ValuesIn(ReportGroupCases()), kCaseName);
INSTANTIATE_TEST_SUITE_P(CheckedReadings, ReportGroupsTest,
                         testing::ValuesIn(CheckedReadingCases()), kCaseName);

TEST(ReportGroupsTableTest, HoldsACaseForEveryKind) {
  EXPECT_GE(ReportGroupCases().size(), 60u);
  EXPECT_GE(CheckedReadingCases().size(), 40u);
}

}  // namespace
}  // namespace aerolume
