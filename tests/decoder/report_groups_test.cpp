// The groups beyond the rule table, case by case from tests/data/report-groups.tsv:
// each row's groups through `aerolume-cli groups` against lines written by hand.
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

std::vector<GroupsCase> ReadCases() {
  std::ifstream file(std::string(AEROLUME_TEST_DATA) + "/report-groups.tsv");
  std::vector<GroupsCase> cases;
  for (std::string row; std::getline(file, row);) {
    if (row.empty() || row.front() == '#') continue;
    const std::vector<std::string> fields = SplitOn(row, "\t");
    if (fields.size() != 6) throw std::runtime_error("report-groups.tsv: bad row " + row);
    GroupsCase c{fields[0], fields[1] == "taf", fields[2], fields[3], {}, fields[5]};
    for (const std::string& line : SplitOn(fields[4], " | ")) c.lines.push_back(Unescape(line));
    cases.push_back(c);
  }
  return cases;
}

class ReportGroupsTest : public testing::TestWithParam<GroupsCase> {};

TEST_P(ReportGroupsTest, GivesTheLinesWrittenForIt) {
  const GroupsCase& c = GetParam();
  EXPECT_EQ(testing_support::DecodeGroupsLines(c.groups, c.taf, c.timeLine), c.lines) << c.source;
}

INSTANTIATE_TEST_SUITE_P(BeyondTheRuleTable, ReportGroupsTest, testing::ValuesIn(ReadCases()),
                         [](const testing::TestParamInfo<GroupsCase>& info) {
                           return info.param.name;
                         });

TEST(ReportGroupsTableTest, HoldsACaseForEveryKind) {
  EXPECT_GE(ReadCases().size(), 60u);
}

}  // namespace
}  // namespace aerolume
