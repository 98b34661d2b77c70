#include "stations/station_catalogue.hpp"

namespace aerolume {

namespace {

// In ascending order of code, which is also the order the station list shows.
constexpr std::string_view kEntries[] = {
    "RJAA 成田国際空港",
    "RJAF 松本空港",
    "RJAH 茨城空港、百里基地",
    "RJAI 市ヶ谷",
    "RJAK 霞ヶ浦駐屯地",
    "RJAT 滝ヶ原駐屯地",
    "RJAW 硫黄島航空基地",
    "RJBB 関西国際空港",
    "RJBD 南紀白浜空港",
    "RJBH 広島西飛行場",
    "RJBT 但馬空港",
    "RJCA 旭川駐屯地",
    "RJCB 帯広空港",
    "RJCC 新千歳空港",
    "RJCH 函館空港",
    "RJCJ 千歳基地",
    "RJCK 釧路空港",
    "RJCM 女満別空港",
    "RJCN 中標津空港",
    "RJCO 丘珠空港",
    "RJCT 帯広駐屯地",
    "RJCW 稚内空港",
    "RJDC 山口宇部空港",
    "RJDM 目達原駐屯地",
    "RJDT 対馬空港",
    "RJEB オホーツク紋別空港",
    "RJEC 旭川空港",
    "RJFA 芦屋基地",
    "RJFC 屋久島空港",
    "RJFE 五島福江空港",
    "RJFF 福岡空港、春日基地",
    "RJFG 種子島空港",
    "RJFK 鹿児島空港",
    "RJFM 宮崎空港",
    "RJFN 新田原基地",
    "RJFO 大分空港",
    "RJFR 北九州空港",
    "RJFS 佐賀空港",
    "RJFT 熊本空港、高遊原分屯地",
    "RJFU 長崎空港、大村航空基地",
    "RJFY 鹿屋航空基地",
    "RJFZ 築城基地",
    "RJGG 中部国際空港（セントレア）",
    "RJKA 奄美空港",
    "RJKB 沖永良部空港",
    "RJNG 岐阜基地",
    "RJNH 浜松基地",
    "RJNK 小松空港、小松基地",
    "RJNN 名古屋空港、小牧基地",
    "RJNT 富山空港",
    "RJNW 能登空港",
    "RJNY 静浜基地",
    "RJOA 広島空港",
    "RJOB 岡山空港",
    "RJOC 出雲空港",
    "RJOE 明野駐屯地",
    "RJOF 防府北基地",
    "RJOH 米子空港、美保基地",
    "RJOI 岩国航空基地",
    "RJOK 高知空港",
    "RJOM 松山空港",
    "RJOO 大阪国際空港（伊丹）",
    "RJOP 小松島航空基地",
    "RJOR 鳥取空港",
    "RJOS 徳島空港、徳島航空基地",
    "RJOT 高松空港",
    "RJOW 石見空港",
    "RJOY 八尾空港、八尾駐屯地",
    "RJOZ 小月航空基地",
    "RJSA 青森空港",
    "RJSC 山形空港、神町駐屯地",
    "RJSF 福島空港",
    "RJSH 八戸航空基地",
    "RJSI 花巻空港",
    "RJSK 秋田空港、秋田分屯基地",
    "RJSM 三沢空港、三沢基地",
    "RJSN 新潟空港、新潟分屯基地",
    "RJSO 大湊航空基地",
    "RJSR 大館能代空港",
    "RJSS 仙台空港",
    "RJST 松島基地",
    "RJSU 霞目駐屯地",
    "RJSY 庄内空港",
    "RJTA 厚木航空基地",
    "RJTC 立川駐屯地",
    "RJTE 館山航空基地",
    "RJTF 調布離着陸場",
    "RJTH 八丈島空港",
    "RJTI 東京ヘリポート",
    "RJTJ 入間基地",
    "RJTK 木更津駐屯地",
    "RJTL 下総航空基地",
    "RJTO 大島空港",
    "RJTR キャンプ座間",
    "RJTT 東京国際空港（羽田）",
    "RJTU 北宇都宮駐屯地",
    "RJTY 横田基地",
    "ROAH 那覇空港、那覇基地",
    "RODN 嘉手納基地",
    "ROIG 石垣空港",
    "ROKJ 久米島空港",
    "ROMY 宮古空港",
    "RORS 下地島空港",
    "ROTM MCAS普天間",
};

}  // namespace

std::span<const std::string_view> StationCatalogue() {
  return kEntries;
}

std::string_view StationCode(std::string_view entry) {
  return entry.substr(0, 4);
}

std::string_view StationName(std::string_view entry) {
  return entry.size() > 5 ? entry.substr(5) : std::string_view{};
}

bool IsCatalogueStation(std::string_view code) {
  for (std::string_view entry : kEntries) {
    if (StationCode(entry) == code) return true;
  }
  return false;
}

}  // namespace aerolume
