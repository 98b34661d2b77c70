// What the map's table and tooltip say about a station, in Japanese, in the words the
// report's own lines and the category badge use. No toolkit here: plain text.
#pragma once

#include <string>

#include "conditions/station_overview.hpp"

namespace aerolume {

struct StationPhrases {
  std::string age;         // "12分前", or "報告なし"
  std::string category;    // "IFR", "不明"
  std::string reason;      // "雲底 800フィート (BKN008)"; empty when unknown
  std::string wind;        // "090方向 24KT 最大44KTの風"
  std::string visibility;  // "視程 2000m"
  std::string ceiling;     // "雲底 1000フィート (BKN010)", "雲底なし"
  std::string weather;     // each group's words, joined by "、"
};

// Empty parts where the report does not give them; a station without a report has
// only its age ("報告なし") and category.
StationPhrases PhrasesOf(const OverviewStation& station, UtcMinutes now);

// The tooltip, one part a line: code and name, age, category and why, wind,
// visibility, ceiling, weather; or why there is no report.
std::string StationTooltip(const OverviewStation& station, UtcMinutes now);

}  // namespace aerolume
