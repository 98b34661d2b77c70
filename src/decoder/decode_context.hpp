// The state one decoding step works on: the group list, where the walk stands,
// the step's text and the report state that wind and marker groups update.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "decoder/report_state.hpp"
#include "decoder/wind_group.hpp"
#include "translators/japan_time.hpp"
#include "translators/text.hpp"
#include "translators/utc_time.hpp"

namespace aerolume {

struct DecodeContext {
  ReportState& state;
  const GroupViews& groups;
  bool isMetar;
  int index = 0;         // the current group; a rule that swallows groups moves it on
  std::string stepText;  // the line this step produces
  // Set by RMK itself: the remark groups of US stations mean something only there.
  // (BECMG, TEMPO and FCST end the observation but open no remarks.)
  bool inRemarks = false;
  // The months around a TAF's issue, worked out at its first period group for the rest.
  std::optional<NearbyMonths> issueMonths;
  // The wind group that the wind rule's test read at group `windReadAt` (-1 for none),
  // which its apply takes rather than read the group again: the table asks that test
  // of most groups that start with a digit.
  mutable WindGroup windRead;
  mutable int windReadAt = -1;
  // The report's time line, read at the first group that needs it.
  mutable std::optional<CivilTime> timeLineRead;

  // The current group; the walk only ever stands on one (the empty text past the end,
  // where a rule that swallowed groups might look, rather than a fault).
  std::string_view Group() const {
    return static_cast<std::size_t>(index) < groups.size() ? groups[static_cast<std::size_t>(index)]
                                                           : std::string_view();
  }
  int GroupLength() const { return static_cast<int>(Group().size()); }

  // The group `offset` places away from the current one, or the empty text when the
  // report has no group there: a report cut short never stops the decoding. A view of
  // the group, valid as long as the group list.
  std::string_view Neighbour(int offset) const;
  bool HasNeighbour(int offset) const;

  // The report's time line as read by ReadTimeLine: the times of TAF, trend and remark
  // groups are read against it.
  const CivilTime& TimeLine() const {
    if (!timeLineRead) timeLineRead = ReadTimeLine(state.m_timeLine);
    return *timeLineRead;
  }

  // Swallow the next `count` groups: the step ends on the last of them.
  void Consume(int count) { index += count; }

  // Wind groups describe the observation only in a METAR before its first
  // RMK, BECMG, TEMPO or FCST.
  bool MayWriteWind() const { return isMetar && !state.m_pastObservation; }
};

}  // namespace aerolume
