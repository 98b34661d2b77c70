// What the selection cycle, the display steps and the decoder share about the
// station being shown. It lives in the session, not in any widget.
#pragma once

#include <string>

#include "decoder/report_values.hpp"

namespace aerolume {

// The observed wind that a METAR leaves for the wind display; -1 means none.
struct WindValues {
  int m_windDirection = -1;  // degrees; -1 also for a variable (VRB) direction
  int m_windSpeed = -1;      // knots
  int m_windVarFrom = -1;    // first bound of a dddVddd sector, degrees
  int m_windVarTo = -1;      // second bound, degrees
  int m_windGust = -1;       // knots of a dddffGggKT gust
  bool m_windCalm = false;   // 00000KT: a wind group that reports no wind

  bool operator==(const WindValues&) const = default;
};

struct ReportState {
  std::string m_stationCode;  // the station whose reports are shown
  std::string m_timeLine;     // "YYYY/MM/DD HH:MM" (UTC) of the report being decoded
  // Set at the first RMK, BECMG, TEMPO or FCST: from there on wind groups no longer
  // describe the observation, so they stop updating the wind values.
  bool m_pastObservation = false;
  int m_windDirection = -1;
  int m_windSpeed = -1;
  int m_windVarFrom = -1;
  int m_windVarTo = -1;
  int m_windGust = -1;
  bool m_windCalm = false;
  // What the last METAR and the last TAF decoded say, as values.
  MetarValues m_metarValues;
  TafValues m_tafValues;

  WindValues Wind() const {
    return {m_windDirection, m_windSpeed, m_windVarFrom, m_windVarTo, m_windGust, m_windCalm};
  }
  void ClearWind() {
    m_windDirection = m_windSpeed = m_windVarFrom = m_windVarTo = m_windGust = -1;
    m_windCalm = false;
  }
};

}  // namespace aerolume
