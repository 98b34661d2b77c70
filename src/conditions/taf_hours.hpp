// A TAF hour by hour: what it forecasts for any hour of its validity, and the
// worse weather its TEMPO and PROB groups allow for that hour.
#pragma once

#include <vector>

#include "conditions/flight_category.hpp"
#include "decoder/report_values.hpp"

namespace aerolume {

// The base forecast, replaced whole by each FM from its time on and changed by
// each BECMG, in what it names, from the end of its period on.
WeatherValues PrevailingAt(const TafValues& taf, UtcMinutes time);

// The conditions each TEMPO, PROB or PROB TEMPO covering `time` allows: the
// prevailing ones changed by what the group names.
std::vector<WeatherValues> AlternativesAt(const TafValues& taf, UtcMinutes time);

// One of those, with the group that allows it.
struct TafAlternative {
  PeriodKind kind = PeriodKind::Temporary;  // TEMPO, PROB or PROB TEMPO
  int probabilityPercent = -1;              // PROB30 and PROB40; -1 for a TEMPO
  WeatherValues values;
  const TafPeriod* period = nullptr;  // the group itself, in the TAF's periods
};
std::vector<TafAlternative> AlternativeGroupsAt(const TafValues& taf, UtcMinutes time);

struct TafHour {
  UtcMinutes time;
  CategoryJudgement prevailing;
  // The worst of the alternatives of the hour; Unknown when no group covers it.
  FlightCategory worstAlternative = FlightCategory::Unknown;
};

// One entry for each hour from the start of the validity to its end; none when
// the validity is not known.
std::vector<TafHour> TafHours(const TafValues& taf);

}  // namespace aerolume
