#include "stations/station_catalogue.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace aerolume {
namespace {

TEST(StationCatalogueTest, HundredAndFourStationsInCodeOrder) {
  const auto entries = StationCatalogue();
  ASSERT_EQ(entries.size(), 104u);
  EXPECT_EQ(entries.front(), "RJAA 成田国際空港");
  EXPECT_EQ(entries.back(), "ROTM MCAS普天間");
  EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end()));
  std::set<std::string_view> codes;
  for (std::string_view entry : entries) {
    const std::string_view code = StationCode(entry);
    EXPECT_TRUE(code.starts_with("RJ") || code.starts_with("RO")) << entry;
    EXPECT_TRUE(std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
    EXPECT_EQ(entry[4], ' ') << entry;
    EXPECT_FALSE(StationName(entry).empty()) << entry;
    codes.insert(code);
  }
  EXPECT_EQ(codes.size(), 104u);
  EXPECT_TRUE(IsCatalogueStation("RJTT"));
  EXPECT_FALSE(IsCatalogueStation("KJFK"));
  EXPECT_FALSE(IsCatalogueStation("RJT"));
}

}  // namespace
}  // namespace aerolume
