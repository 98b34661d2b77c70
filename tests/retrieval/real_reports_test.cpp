// Real station files through `aerolume-cli decode`, against lines written by hand
// from the decoding rules.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "../cli_runner.hpp"

// The shared corpus of real reports stands beside the repository.
#define AEROLUME_CORPUS_DIR AEROLUME_TEST_DATA "/../../../shared/corpus"

namespace aerolume {
namespace {

struct RealReport {
  const char* file;
  bool taf;
  const char* time;
  std::vector<std::string> lines;
  std::vector<int> wind;  // direction, speed, from, to; empty after a TAF
};

std::string ReadTestFile(const std::string& name) {
  std::ifstream file(std::string(AEROLUME_TEST_DATA) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

class RealReportTest : public testing::TestWithParam<RealReport> {};

TEST_P(RealReportTest, DecodesEveryGroup) {
  const RealReport& report = GetParam();
  std::vector<std::string> words{"decode", "--json"};
  if (report.taf) words.push_back("--taf");
  const auto run = testing_support::RunCliWords(words, ReadTestFile(report.file));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const nlohmann::json json = run.Json();
  EXPECT_EQ(json["time"], report.time);
  const auto lines = json["lines"].get<std::vector<std::string>>();
  ASSERT_EQ(lines.size(), report.lines.size()) << report.file;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i], report.lines[i]) << report.file << " line " << i;
  }
  if (report.taf) {
    EXPECT_TRUE(json["wind"].is_null());
  } else {
    const nlohmann::json& wind = json["wind"];
    EXPECT_EQ(
        (std::vector<int>{wind["direction"], wind["speed"], wind["var_from"], wind["var_to"]}),
        report.wind);
  }
}

INSTANTIATE_TEST_SUITE_P(
    StationFiles, RealReportTest,
    testing::Values(
        RealReport{"RJAA-metar-1.TXT",
                   false,
                   "2018/09/27 04:45",
                   {"360方向 20KTの風", "視程 4000m", "弱いにわか雨", "靄", "300フィートFEWの雲",
                    "400フィートSCTの雲", "600フィートBKNの雲", "2000フィートFEWの雄大積雲",
                    "気温15ﾟC 露点15ﾟC", "気圧 1014hPa", "\r\n特記事項", "300フィート 1/8 層雲",
                    "400フィート 3/8 層雲", "600フィート 5/8 層雲", "2000フィート 1/8 雄大積雲",
                    "気圧 29.95inHg", "雄大積雲が10km北と北東にあって北東に移動中"},
                   {360, 20, -1, -1}},
        RealReport{"RJBB-metar-1.TXT",
                   false,
                   "2026/07/28 16:30",
                   {"290方向 19KT 最大48KTの風", "方向240～360で変化", "視程 10km以上",
                    "RWY24L視程 2000m以上 変化なし", "RWY24R視程 0450m～2000m以上 悪化傾向",
                    "スコール", "強い雷雨", "2000フィートFEWの雲", "2500フィートSCTの積乱雲",
                    "4000フィートBKNの雲", "気温27ﾟC 露点20ﾟC", "気圧 1010hPa", "\r\nのちに",
                    "雷雨", "靄", "\r\nときどき\r\n視程 3000m", "雷雨", "靄"},
                   {290, 19, 240, 360}},
        RealReport{"RJBD-metar-1.TXT",
                   false,
                   "2018/09/20 16:32",
                   {"120方向 5KTの風", "視程 4500m", "弱いにわか雨", "靄", "600フィートFEWの雲",
                    "1500フィートSCTの雲", "2500フィートFEWの積乱雲", "6000フィートBKNの雲",
                    "気温22ﾟC 露点22ﾟC", "気圧 1009hPa", "\r\n特記事項", "600フィート 1/8 層雲",
                    "1500フィート 3/8 積雲", "2500フィート 1/8 積乱雲", "6000フィート 6/8 層積雲",
                    "気圧 29.81inHg", "雷雲が25km東にあって北東に移動中"},
                   {120, 5, -1, -1}},
        RealReport{
            "RJGG-metar-1.TXT",
            false,
            "2026/07/28 14:30",
            {"160方向 18KTの風", "視程 10km以上", "雷", "飛行場周辺でしゅう雨",
             "1500フィートFEWの雲", "2000フィートFEWの積乱雲", "高さ不明 BKNの雲",
             "気温30ﾟC 露点26ﾟC", "気圧 1008hPa", "\r\n15時0分からのちに", "310方向 15KTの風",
             "\r\n15時0分からときどき", "310方向 20KT 最大30KTの風", "視程 1200m", "強い雷雨", "靄",
             "500フィートFEWの雲", "800フィートBKNの雲", "2000フィートFEWの積乱雲"},
            {160, 18, -1, -1}},
        RealReport{"ROYN-metar-1.TXT",
                   false,
                   "2022/10/23 09:33",
                   {"自動観測", "020方向 20KTの風", "視程 4300m", "種類不明の降水",
                    "1300フィートFEWの雲", "1900フィートOVCの雲", "気温25ﾟC 露点不明",
                    "気圧 1015hPa", "\r\n特記事項", "気圧 30.00inHg", "RI005"},
                   {20, 20, -1, -1}},
        RealReport{"RJAA-taf-2.TXT",
                   true,
                   "2026/06/27 02:05",
                   {"27日3時～28日9時の予報",
                    "120方向 6KTの風",
                    "視程 10km以上",
                    "弱いにわか雨",
                    "500フィートFEWの雲",
                    "1200フィートBKNの雲",
                    "\r\n27日3時～27日5時の間ときどき",
                    "視程 4000m",
                    "弱いにわか雨",
                    "靄",
                    "300フィートFEWの雲",
                    "800フィートBKNの雲",
                    "\r\n27日4時～27日6時の間のちに",
                    "020方向 12KTの風",
                    "\r\n27日5時～27日7時の間ときどき",
                    "050方向 15KT 最大25KTの風",
                    "視程 1200m",
                    "強い雷雨",
                    "靄",
                    "100フィートFEWの雲",
                    "300フィートBKNの雲",
                    "1200フィートFEWの積乱雲",
                    "\r\n27日7時～27日9時の間ときどき",
                    "320方向 8KTの風",
                    "視程 3000m",
                    "にわか雨",
                    "靄",
                    "100フィートFEWの雲",
                    "500フィートBKNの雲",
                    "\r\n27日7時～27日9時の間のちに",
                    "130方向 6KTの風",
                    "\r\n27日9時～27日15時の間ときどき",
                    "視程 2000m",
                    "にわか雨",
                    "靄",
                    "100フィートFEWの雲",
                    "500フィートBKNの雲",
                    "\r\n27日15時～27日18時の間のちに",
                    "020方向 16KTの風",
                    "\r\n27日15時～28日0時の間ときどき",
                    "020方向 20KT 最大30KTの風",
                    "視程 1200m",
                    "強いにわか雨",
                    "靄",
                    "100フィートFEWの雲",
                    "300フィートBKNの雲",
                    "\r\n28日0時～28日3時の間のちに",
                    "320方向 6KTの風",
                    "\r\n28日0時～28日9時の間ときどき",
                    "100フィートFEWの雲",
                    "500フィートBKNの雲",
                    "\r\n28日3時～28日6時の間のちに",
                    "070方向 6KTの風"},
                   {}}));

TEST(WorkedExampleTest, MetarWithRemarks) {
  const nlohmann::json result = testing_support::DecodeGroupsJson(
      testing_support::SplitWords("34005KT 9999 FEW030 08/M03 Q1021 NOSIG RMK 1CU030 A3015"));
  EXPECT_EQ(result["lines"],
            nlohmann::json({"340方向 5KTの風", "視程 10km以上", "3000フィートFEWの雲",
                            "気温8ﾟC 露点-3ﾟC", "気圧 1021hPa", "重要な変化なし", "\r\n特記事項",
                            "3000フィート 1/8 積雲", "気圧 30.15inHg"}));
  EXPECT_EQ(result["wind"]["direction"], 340);
  EXPECT_EQ(result["wind"]["speed"], 5);
}

// The whole shared corpus of real reports: every one decodes, as METAR and as TAF,
// into one non-empty line or more without failing.
TEST(RealReportCorpusTest, EveryReportDecodes) {
  int decoded = 0;
  for (const char* name : {"japan-metar.txt", "japan-taf.txt", "world.txt"}) {
    std::ifstream corpus(std::string(AEROLUME_CORPUS_DIR) + "/" + name);
    if (!corpus) GTEST_SKIP() << "no report corpus at " << AEROLUME_CORPUS_DIR;
    for (std::string line; std::getline(corpus, line);) {
      const std::size_t tab = line.find('\t');
      if (tab == std::string::npos) continue;
      std::vector<std::string> groups = testing_support::SplitWords(line.substr(tab + 1));
      for (bool taf : {false, true}) {
        const nlohmann::json result =
            testing_support::DecodeGroupsJson(groups, taf, "2026/05/31 23:00");
        EXPECT_FALSE(result["lines"].empty()) << line;
      }
      ++decoded;
    }
  }
  EXPECT_GT(decoded, 1500);
}

}  // namespace
}  // namespace aerolume
