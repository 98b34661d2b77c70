#include "conditions/flight_category.hpp"

#include <gtest/gtest.h>

#include "conditions/category_reason.hpp"
#include "decoded_values.hpp"

namespace aerolume {
namespace {

struct CategoryCase {
  const char* name;
  const char* groups;  // a METAR's groups after its wind
  FlightCategory category;
  const char* reason;
};

void PrintTo(const CategoryCase& c, std::ostream* out) {
  *out << c.groups;
}

class FlightCategoryTest : public testing::TestWithParam<CategoryCase> {};

TEST_P(FlightCategoryTest, FollowsTheLimits) {
  const CategoryCase& c = GetParam();
  const ReportState state =
      testing_support::DecodedValues(std::string("18010KT ") + c.groups, true);
  const CategoryJudgement judgement = JudgeCategory(state.m_metarValues.observed);
  EXPECT_EQ(CategoryName(judgement.category), CategoryName(c.category));
  EXPECT_EQ(CategoryReason(judgement), c.reason);
}

using enum FlightCategory;

INSTANTIATE_TEST_SUITE_P(
    Ceilings, FlightCategoryTest,
    testing::Values(
        CategoryCase{"Bkn499", "9999 BKN004", Lifr, "ceiling 400 ft"},
        CategoryCase{"Ovc500", "9999 OVC005", Ifr, "ceiling 500 ft"},
        CategoryCase{"Bkn900", "9999 BKN009", Ifr, "ceiling 900 ft"},
        CategoryCase{"Bkn1000", "9999 BKN010", Mvfr, "ceiling 1000 ft"},
        CategoryCase{"Bkn3000", "9999 BKN030", Mvfr, "ceiling 3000 ft"},
        CategoryCase{"Bkn3100", "9999 BKN031", Vfr, "ceiling 3100 ft, visibility 10 km or more"},
        CategoryCase{"LowestOfSeveral", "9999 FEW005 BKN020 OVC008", Ifr, "ceiling 800 ft"},
        CategoryCase{"VerticalVisibility", "0200 VV001", Lifr, "ceiling 100 ft, visibility 200 m"},
        CategoryCase{"FewAndScattered", "9999 FEW002 SCT004", Vfr,
                     "no ceiling, visibility 10 km or more"},
        CategoryCase{"UnknownHeight", "9999 BKN///", Vfr, "no ceiling, visibility 10 km or more"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Visibilities, FlightCategoryTest,
    testing::Values(CategoryCase{"Metres1600", "1600", Lifr, "visibility 1600 m"},
                    CategoryCase{"Metres1609", "1609", Ifr, "visibility 1609 m"},
                    CategoryCase{"Metres4800", "4800", Ifr, "visibility 4800 m"},
                    CategoryCase{"Metres4828", "4828", Mvfr, "visibility 4828 m"},
                    CategoryCase{"Metres8000", "8000", Mvfr, "visibility 8000 m"},
                    CategoryCase{"Metres9000", "9000", Vfr, "visibility 9000 m"},
                    CategoryCase{"Metres9999", "9999", Vfr, "visibility 10 km or more"},
                    CategoryCase{"HalfMile", "1/2SM", Lifr, "visibility 805 m"},
                    CategoryCase{"LessThanQuarterMile", "M1/4SM", Lifr,
                                 "visibility less than 402 m"},
                    CategoryCase{"TwoAndAHalfMiles", "2 1/2SM", Ifr, "visibility 4023 m"},
                    CategoryCase{"FiveMiles", "5SM", Mvfr, "visibility 8047 m"},
                    CategoryCase{"SixMiles", "6SM", Vfr, "visibility 9656 m"},
                    CategoryCase{"MoreThanSixMiles", "P6SM", Vfr, "visibility more than 9656 m"},
                    CategoryCase{"TenMiles", "10SM", Vfr, "visibility 10 km or more"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Together, FlightCategoryTest,
    testing::Values(CategoryCase{"WorseOfTheTwo", "3000 BKN020", Ifr, "visibility 3000 m"},
                    CategoryCase{"Cavok", "CAVOK", Vfr, "CAVOK"},
                    CategoryCase{"NoSignificantCloud", "9999 NSC", Vfr,
                                 "no ceiling, visibility 10 km or more"},
                    CategoryCase{"NoCloudDetected", "8000 NCD", Mvfr, "visibility 8000 m"},
                    CategoryCase{"SkyClear", "SKC", Vfr, "no ceiling"},
                    CategoryCase{"MissingVisibility", "BKN008", Ifr, "ceiling 800 ft"},
                    CategoryCase{"NeitherReported", "15/10 Q1012", Unknown, ""},
                    // Groups after the trend or the remarks describe no observation.
                    CategoryCase{"TrendIgnored", "9999 FEW030 BECMG 0800 FG", Vfr,
                                 "no ceiling, visibility 10 km or more"},
                    CategoryCase{"RemarksIgnored", "9999 FEW030 RMK BKN005", Vfr,
                                 "no ceiling, visibility 10 km or more"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CategoryReasonJapanese, NamesTheLayerAsReported) {
  const auto judge = [](const char* groups) {
    return CategoryReasonJapanese(
        JudgeCategory(testing_support::DecodedValues(std::string("18010KT ") + groups, true)
                          .m_metarValues.observed));
  };
  EXPECT_EQ(judge("9999 BKN008"), "雲底 800フィート (BKN008)");
  EXPECT_EQ(judge("2400 FEW030"), "視程 2400m");
  EXPECT_EQ(judge("0100 VV001"), "雲底 100フィート (VV001)、視程 100m");
  EXPECT_EQ(judge("M1/4SM"), "視程 402m未満");
  EXPECT_EQ(judge("CAVOK"), "CAVOK");
}

}  // namespace
}  // namespace aerolume
