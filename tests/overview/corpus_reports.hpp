// Real reports of every flight category, which the map's tests show: the dots, the
// table, the tooltips.
#pragma once

#include "conditions/flight_category.hpp"

namespace aerolume {

// Real reports of tests/data/corpus-japan-metar.txt, each with its own time line.
struct Report {
  const char* code;
  const char* file;
  FlightCategory category;
};
inline const Report kReports[] = {
    // line 32
    {"RJAA", "2026/07/29 21:30\nRJAA 292130Z VRB02KT CAVOK 27/24 Q1004 NOSIG", FlightCategory::Vfr},
    // line 316
    {"RJCW", "2020/05/02 00:00\nRJCW 020000Z 20015KT 9999 -SHRA FEW015 BKN020 11/08 Q0998",
     FlightCategory::Mvfr},
    // line 1077
    {"RJTT",
     "2026/06/02 22:00\nRJTT 022200Z 09024KT 2000 R34L/P2000N R22/2000N R34R/1800D R05/P2000N "
     "+SHRA BR FEW004 BKN010 19/18 Q1000 BECMG 08034KT TEMPO 08034G44KT 1500 +SHRA BR FEW003 "
     "BKN005",
     FlightCategory::Ifr},
    // line 111
    {"RJAH", "2026/07/28 18:00\nRJAH 281800Z 25004KT 0600 R21/0400V0550U FG VV001 24/24 Q1004",
     FlightCategory::Lifr},
};
}  // namespace aerolume
