#include "conditions/flight_category.hpp"

#include <algorithm>

namespace aerolume {

namespace {

// The limits in feet and metres (1, 3 and 5 statute miles).
constexpr int kLowIfrCeilingFeet = 500;
constexpr int kIfrCeilingFeet = 1000;
constexpr int kMarginalCeilingFeet = 3000;
constexpr int kOneMileMetres = 1609;
constexpr int kThreeMilesMetres = 4828;
constexpr int kFiveMilesMetres = 8047;

bool MakesCeiling(const CloudLayerValue& layer) {
  // All three letters, the zero after a shorter code included: no length to measure.
  const std::string_view amount(layer.amount.data(), 3);
  return layer.baseFeet >= 0 && (amount == "BKN" || amount == "OVC");
}

}  // namespace

std::string_view CategoryName(FlightCategory category) {
  switch (category) {
    case FlightCategory::Vfr:
      return "VFR";
    case FlightCategory::Mvfr:
      return "MVFR";
    case FlightCategory::Ifr:
      return "IFR";
    case FlightCategory::Lifr:
      return "LIFR";
    case FlightCategory::Unknown:
      break;
  }
  return {};
}

std::optional<Ceiling> CeilingOf(const WeatherValues& values) {
  std::optional<Ceiling> lowest;
  if (values.verticalVisibilityFeet >= 0) {
    lowest = Ceiling{values.verticalVisibilityFeet, true, {}};
  }
  for (const CloudLayerValue& layer : values.clouds) {
    if (MakesCeiling(layer) && (!lowest || layer.baseFeet < lowest->feet)) {
      lowest = Ceiling{layer.baseFeet, false, layer};
    }
  }
  return lowest;
}

FlightCategory CategoryOfCeiling(int feet) {
  if (feet < kLowIfrCeilingFeet) return FlightCategory::Lifr;
  if (feet < kIfrCeilingFeet) return FlightCategory::Ifr;
  if (feet <= kMarginalCeilingFeet) return FlightCategory::Mvfr;
  return FlightCategory::Vfr;
}

FlightCategory CategoryOfVisibility(int metres) {
  if (metres < kOneMileMetres) return FlightCategory::Lifr;
  if (metres < kThreeMilesMetres) return FlightCategory::Ifr;
  if (metres <= kFiveMilesMetres) return FlightCategory::Mvfr;
  return FlightCategory::Vfr;
}

CategoryJudgement JudgeCategory(const WeatherValues& values) {
  CategoryJudgement judgement;
  judgement.ceiling = CeilingOf(values);
  judgement.cloudsReported = values.cloudsNamed;
  judgement.cavok = values.cavok;
  judgement.visibility = values.visibility;
  FlightCategory byCeiling = FlightCategory::Unknown;
  if (judgement.ceiling) {
    byCeiling = CategoryOfCeiling(judgement.ceiling->feet);
  } else if (values.cloudsNamed) {
    byCeiling = FlightCategory::Vfr;
  }
  FlightCategory byVisibility = FlightCategory::Unknown;
  if (values.visibility) {
    // "Less than" a distance is below it, "more than" above: M1/4SM is under a mile,
    // P5SM over five.
    const Bound bound = values.visibility->bound;
    const int metres = values.visibility->metres + (bound == Bound::MoreThan ? 1 : 0) -
                       (bound == Bound::LessThan ? 1 : 0);
    byVisibility = CategoryOfVisibility(metres);
  }
  judgement.category = std::max(byCeiling, byVisibility);
  judgement.byCeiling = byCeiling != FlightCategory::Unknown && byCeiling == judgement.category;
  judgement.byVisibility =
      byVisibility != FlightCategory::Unknown && byVisibility == judgement.category;
  return judgement;
}

}  // namespace aerolume
