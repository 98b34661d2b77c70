// How the rules record the values of the groups they read, beside their lines. A
// METAR's values describe its observation: groups after the first trend or remarks
// record nothing (the temperature in tenths of a US remark excepted). A TAF's
// values go to its current period, which the validity, FM, BECMG, TEMPO and PROB
// groups open.
#pragma once

#include <optional>
#include <string_view>

#include "decoder/decode_context.hpp"
#include "decoder/report_values.hpp"

namespace aerolume {

// Forgets the values of the last report of the kind about to be decoded.
void ClearValues(ReportState& state, bool isMetar);

void RecordCalm(DecodeContext& c);
// `directionDegrees` -1 for VRB; `gustKt` -1 without a gust.
void RecordWind(DecodeContext& c, int directionDegrees, int speedKt, int gustKt);
void RecordWindSector(DecodeContext& c, int fromDegrees, int toDegrees);

// Four digits of metres; 9999 is 10 km or more.
void RecordVisibilityMetres(DecodeContext& c, std::string_view digits);
// "10", "1/2" or "1 1/2" statute miles.
void RecordVisibilityMiles(DecodeContext& c, std::string_view miles, Bound bound);
void RecordCavok(DecodeContext& c);
void RecordRunwayRange(DecodeContext& c, const RunwayRangeValue& range);

// Present weather, or the weather of the past hour when its first code is RE.
void RecordWeather(DecodeContext& c, WeatherGroupValue weather);
// NSW: the end of the weather a TAF forecast before.
void RecordNoSignificantWeather(DecodeContext& c);

// SKC, NSC, CLR, NCD: no cloud to report.
void RecordSkyWord(DecodeContext& c, std::string_view word);
// FEW, SCT, BKN, OVC; `baseFeet` -1 for a height not reported (///); `type` CB, TCU
// or nothing.
void RecordCloudLayer(DecodeContext& c, std::string_view amount, int baseFeet,
                      std::string_view type);
void RecordVerticalVisibility(DecodeContext& c, int feet);

void RecordTemperature(DecodeContext& c, int celsius, std::optional<int> dewPointCelsius);
// The tenths of a US remark, which replace the whole degrees.
void RecordTenthsTemperature(DecodeContext& c, double celsius,
                             std::optional<double> dewPointCelsius);
void RecordPressureHectopascal(DecodeContext& c, int hectopascal);
void RecordPressureHundredthsOfInch(DecodeContext& c, int hundredths);

enum class ReportWord { NoSignificantChange, Automatic, Correction, Missing, Amended, Cancelled };
void RecordReportWord(DecodeContext& c, ReportWord word);

// TAF periods. The validity (DDHH/DDHH) opens the base forecast, or times a PROB
// that came without one.
void RecordValidityPeriod(DecodeContext& c, std::string_view group);
// FMhhmm.
void StartFromPeriod(DecodeContext& c, std::string_view group);
// BECMG or TEMPO, timed by `timeGroup` (DDHH/DDHH, FMhhmm or hhhh) when it is one.
// TEMPO right after PROB30 makes that a PROB TEMPO.
void StartChangePeriod(DecodeContext& c, PeriodKind kind, std::string_view timeGroup);
void StartProbabilityPeriod(DecodeContext& c, int percent);

}  // namespace aerolume
