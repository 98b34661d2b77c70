// What the observed wind does on each runway end: headwind and crosswind in whole
// knots, for the mean wind and the gust, and the end the wind favours.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "decoder/report_state.hpp"
#include "stations/station_runways.hpp"

namespace aerolume {

struct WindComponents {
  std::optional<int> headwind;  // negative: tailwind; none for a variable direction
  int crosswind = 0;            // positive: from the right; a variable direction's is its speed
};

struct RunwayEndWind {
  RunwayEnd end;
  int lengthFt = 0;
  std::optional<WindComponents> mean;  // none without a wind group
  std::optional<WindComponents> gust;  // none without a gust
  bool favoured = false;
};

// One entry per runway end, in the order of the station's runways. A variable
// sector (dddVddd) gives the worst case over it: the largest crosswind and the
// smallest headwind. VRB leaves the headwind unknown and gives the whole speed as the
// crosswind. Calm gives zero everywhere. The favoured end has the largest headwind
// (ties: the longer runway, then the designator); there is none with VRB, calm or
// no wind group.
std::vector<RunwayEndWind> RunwayWinds(std::span<const Runway> runways, const WindValues& wind);

// The line under the wind display: the favoured end, "RWY34L 向かい風12KT 横風5KT(左から)
// 突風時 横風9KT"; "風向不定: 横風最大 5KT"; "無風"; empty without a wind group or runways.
std::string RunwayWindLine(const std::vector<RunwayEndWind>& ends, const WindValues& wind);

// One end's components in the same words: "RWY16R 追い風12KT 横風5KT(右から)".
std::string RunwayEndText(const RunwayEndWind& end);

}  // namespace aerolume
