#include "decoder/rule_table.hpp"

#include <array>
#include <span>
#include <vector>

#include "decoder/rules.hpp"

namespace aerolume {

namespace {

// The order decides between overlapping shapes: "00000KT" is calm before it is a
// wind, a four-digit group after BECMG/TEMPO/FCST is theirs before it is a
// visibility, "TS" with a direction is a located phenomenon before it is weather,
// and PROB30 is a probability before "PR" makes it weather. The rules after 35 read
// the groups that the first 35 leave as they stand; the few placed before rule 18,
// 31 or 35 stop those rules from misreading a group of another kind (FEWABC as a
// layer at the ground, RAB15E40, PRESRR and FZRANO as weather, MOD TURB as the
// intensity of a located phenomenon). A time in the remarks after COR is tried before
// rule 1, which would take the COR as a correction and leave the time to be read as a
// visibility; after AT, AFT, BFR, TIL, OBS AT or FM, words no rule before takes, it
// is tried near the end, which the common groups of those letters never reach. A
// runway state is tried before rule 10, which would read it as a visual range.
constexpr RulePlace kRemarks = RulePlace::InRemarks;

// clang-format off
constexpr GroupRule kRules[] = {
    /*   < 1 */ {"time in the remarks after COR", TestRemarkTime, ApplyRemarkTime, "C", kRemarks},
    /*      1 */ {"correction", TestCorrection, ApplyCorrection, "C"},
    /*      2 */ {"vertical visibility", TestVerticalVisibility, ApplyVerticalVisibility, "V"},
    /*      3 */ {"extreme rain rate", TestExtremeRainRate, ApplyExtremeRainRate, "R"},
    /*      4 */ {"rain rate", TestRainRate, ApplyRainRate, "R"},
    /*      5 */ {"rapid pressure rise", TestPressureRise, ApplyPressureRise, "P"},
    /*      6 */ {"rapid pressure fall", TestPressureFall, ApplyPressureFall, "P"},
    /*      7 */ {"calm", TestCalm, ApplyCalm, "0V"},
    /*      8 */ {"wind", TestWind, ApplyWind, "V0123456789"},
    /*      9 */ {"variable wind sector", TestVariableSector, ApplyVariableSector, ""},
    /*  < 10 */ {"runway state", TestRunwayState, ApplyRunwayState, "R"},
    /*     10 */ {"runway visual range", TestRunwayVisualRange, ApplyRunwayVisualRange, "R"},
    /*     11 */ {"CAVOK", TestCavok, ApplyCavok, "C"},
    /*     12 */ {"sky clear", TestSkyClear, ApplySkyClear, "S"},
    /*     13 */ {"no significant cloud", TestNoSignificantCloud, ApplyNoSignificantCloud, "N"},
    /*     14 */ {"clear below the limit", TestClearBelowLimit, ApplyClearBelowLimit, "C"},
    /*     15 */ {"temperature", TestTemperatureAboveZero, ApplyTemperatureAboveZero, "0123456789"},
    /*     16 */ {"temperature, dew point below zero", TestTemperatureDewPointBelowZero, ApplyTemperatureDewPointBelowZero, "0123456789"},
    /*     17 */ {"temperature, both below zero", TestTemperatureBothBelowZero, ApplyTemperatureBothBelowZero, "M"},
    /*  < 18 */ {"malformed cloud group", TestMalformedCloud, ApplyAnythingElse, "FSBO"},
    /*     18 */ {"cloud layer", TestCloudLayer, ApplyCloudLayer, "FSBO"},
    /*     19 */ {"wind shear", TestWindShear, ApplyWindShear, "W"},
    /*     20 */ {"pressure in hectopascal", TestPressureHectopascal, ApplyPressureHectopascal, "Q"},
    /*     21 */ {"pressure in inches of mercury", TestPressureInches, ApplyPressureInches, "A"},
    /*     22 */ {"remarks marker", TestRemarksMarker, ApplyRemarksMarker, "R"},
    /*     23 */ {"remark cloud layer", TestRemarkCloudLayer, ApplyRemarkCloudLayer, "0123456789"},
    /*     24 */ {"no significant change", TestNoSignificantChange, ApplyNoSignificantChange, "N"},
    /*     25 */ {"end of significant weather", TestEndOfSignificantWeather, ApplyEndOfSignificantWeather, "N"},
    /*     26 */ {"visibility", TestVisibility, ApplyVisibility, "0123456789"},
    /*     27 */ {"becoming", TestBecoming, ApplyBecoming, "B"},
    /*     28 */ {"temporary", TestTemporary, ApplyTemporary, "T"},
    /*     29 */ {"forecast", TestForecast, ApplyForecast, "F"},
    /*     30 */ {"phenomenon with location", TestPhenomenonWithLocation, ApplyPhenomenonWithLocation, "CTV"},
    /* PROBnn */ {"probability", TestProbability, ApplyProbability, "P"},
    /*  < 31 */ {"weather begin and end times", TestWeatherTimes, ApplyWeatherTimes, "-+ABCDEFGHIJKLMNOPQRSTUVWXYZ", kRemarks},
    /*  < 31 */ {"remark word", TestRemarkWord, ApplyRemarkWord, "", kRemarks},
    /*  < 31 */ {"sensor out of service", TestSensorOut, ApplySensorOut, "", kRemarks},
    /*     31 */ {"present weather", TestPresentWeather, ApplyPresentWeather, "-+ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
    /*     32 */ {"validity period", TestValidityPeriod, ApplyValidityPeriod, "0123456789"},
    /*     33 */ {"from-time", TestFromTime, ApplyFromTime, "F"},
    /*     34 */ {"maximum wind", TestMaximumWind, ApplyMaximumWind, "M"},
    /*  < 35 */ {"aircraft report", TestAircraftReport, ApplyAircraftReport, "", kRemarks},
    /*     35 */ {"intensity word", TestIntensityWord, ApplyIntensityWord, "FHM"},
    /* > 35 */  {"automatic report", TestAutomaticReport, ApplyAutomaticReport, "A"},
    /* > 35 */  {"missing report", TestMissingReport, ApplyMissingReport, "N"},
    /* > 35 */  {"cancelled forecast", TestCancelledForecast, ApplyCancelledForecast, "C"},
    /* > 35 */  {"amended forecast", TestAmendedForecast, ApplyAmendedForecast, "A"},
    /* > 35 */  {"value not measured", TestNotMeasured, ApplyNotMeasured, "/AQ"},
    /* > 35 */  {"visibility without directional variation", TestVisibilityWithoutDirections, ApplyVisibilityWithoutDirections, "0123456789"},
    /* > 35 */  {"no cloud detected", TestNoCloudDetected, ApplyNoCloudDetected, "N"},
    /* > 35 */  {"cloud of unknown amount", TestUnknownCloud, ApplyUnknownCloud, "/"},
    /* > 35 */  {"directional visibility", TestDirectionalVisibility, ApplyDirectionalVisibility, "0123456789"},
    /* > 35 */  {"visibility in statute miles", TestMilesVisibility, ApplyMilesVisibility, ""},
    /* > 35 */  {"trend time", TestTrendTime, ApplyTrendTime, "TA"},
    /* > 35 */  {"temperature forecast", TestTemperatureForecast, ApplyTemperatureForecast, "T"},
    /* > 35 */  {"lowest altimeter setting", TestLowestAltimeter, ApplyLowestAltimeter, "Q"},
    /* > 35 */  {"automated station type", TestStationType, ApplyStationType, "", kRemarks},
    /* > 35 */  {"numbered remark", TestNumberedRemark, ApplyNumberedRemark, "", kRemarks},
    /* > 35 */  {"missing value", TestMissingValue, ApplyMissingValue, "M"},
    /* > 35 */  {"peak wind", TestPeakWind, ApplyPeakWind, "P", kRemarks},
    /* > 35 */  {"wind shift", TestWindShift, ApplyWindShift, "W", kRemarks},
    /* > 35 */  {"lenticular cloud", TestLenticularCloud, ApplyLenticularCloud, "", kRemarks},
    /* > 35 */  {"tower or surface visibility", TestSiteVisibility, ApplySiteVisibility, "", kRemarks},
    /* > 35 */  {"visibility remark", TestVisibilityRemark, ApplyVisibilityRemark, "V", kRemarks},
    /* > 35 */  {"ceiling remark", TestCeilingRemark, ApplyCeilingRemark, "C", kRemarks},
    /* > 35 */  {"variable sky", TestVariableSky, ApplyVariableSky, "", kRemarks},
    /* > 35 */  {"lightning", TestLightning, ApplyLightning, "", kRemarks},
    /* > 35 */  {"volcanic ash cloud", TestVolcanicAshCloud, ApplyVolcanicAshCloud, "V", kRemarks},
    /* > 35 */  {"phenomenon near or far", TestPhenomenonNearOrFar, ApplyPhenomenonNearOrFar, "CTV", kRemarks},
    /* > 35 */  {"phenomenon continued", TestPhenomenonContinued, ApplyPhenomenonContinued, "A", kRemarks},
    /* > 35 */  {"lone direction", TestLoneDirection, ApplyLoneDirection, "", kRemarks},
    /* > 35 */  {"lone movement", TestLoneMovement, ApplyLoneMovement, "", kRemarks},
    /* > 35 */  {"plain-language phrase", TestRemarkPhrase, ApplyRemarkPhrase, "S", kRemarks},
    /* > 35 */  {"time in the remarks", TestRemarkTime, ApplyRemarkTime, "AFBTO", kRemarks},
    /* > 35 */  {"airfield closed by snow", TestRunwayState, ApplyRunwayState, "S"},
    /*     36 */ {"anything else", TestAnythingElse, ApplyAnythingElse, ""},
};
// clang-format on

}  // namespace

bool TestAnythingElse(const DecodeContext&) {
  return true;
}

void ApplyAnythingElse(DecodeContext& c) {
  c.stepText = c.Group();
}

namespace {

// A rule's test and apply side by side, as the search calls them: one load fewer for
// each rule tried than going through the table's entry.
struct RuleCalls {
  bool (*test)(const DecodeContext&);
  void (*apply)(DecodeContext&);
};

// For each first byte, the rules that may take a group starting with it, in table
// order, outside the remarks and in them: a group is tried against a handful of rules
// rather than all of them, and the body of a report never against the remarks' own.
struct RulesByFirstByte {
  std::array<std::vector<RuleCalls>, 256> outsideRemarks;
  std::array<std::vector<RuleCalls>, 256> inRemarks;

  RulesByFirstByte() {
    for (std::size_t byte = 0; byte < outsideRemarks.size(); ++byte) {
      for (const GroupRule& rule : kRules) {
        if (!rule.firstBytes.empty() &&
            rule.firstBytes.find(static_cast<char>(byte)) == std::string_view::npos) {
          continue;
        }
        inRemarks[byte].push_back({rule.test, rule.apply});
        if (rule.place == RulePlace::Anywhere) outsideRemarks[byte].push_back({rule.test, rule.apply});
      }
    }
  }
};

// Built when the program starts, before any report is decoded.
const RulesByFirstByte kRulesByFirstByte;

// The rules, in table order, whose test may hold for the context's group, judged by
// its first byte and by whether it stands in the remarks.
std::span<const RuleCalls> RulesForGroup(const DecodeContext& context) {
  const std::string_view group = context.Group();
  // Groups are never empty; an empty one is tried against the rules for any byte.
  const auto first = static_cast<unsigned char>(group.empty() ? '\0' : group.front());
  return context.inRemarks ? kRulesByFirstByte.inRemarks[first]
                           : kRulesByFirstByte.outsideRemarks[first];
}

}  // namespace

void DecodeGroup(DecodeContext& context) {
  for (const RuleCalls& rule : RulesForGroup(context)) {
    if (rule.test(context)) {
      rule.apply(context);
      return;
    }
  }
}

}  // namespace aerolume
