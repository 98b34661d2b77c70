// What the selection cycle and the display steps show, whatever shows it: the
// dialog's six fields, message boxes and wind window, or a terminal.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "conditions/flight_category.hpp"
#include "decoder/report_state.hpp"

namespace aerolume {

enum class ReportField { MetarRaw, MetarDecoded, MetarTime, TafRaw, TafDecoded, TafTime };

enum class MessageIcon {
  Exclamation,  // download failures
  Stop,         // a report whose issue time cannot be read
};

// What the window title tells about the station shown.
struct StationStatus {
  std::string stationCode;                              // empty while no station is shown
  std::optional<std::chrono::sys_seconds> metarIssued;  // UTC issue time of the METAR shown
  // When the last background refresh failed; cleared by the next success.
  std::optional<std::chrono::sys_seconds> refreshFailedAt;
  // A report shown came from the second source, the weather server having failed.
  bool fromFallback = false;
  // Why the download at refreshFailedAt failed, as the message boxes say it.
  std::string failureCause{};

  bool operator==(const StationStatus&) const = default;
};

class ReportView {
 public:
  virtual ~ReportView() = default;
  virtual void SetField(ReportField field, const std::string& text) = 0;
  // Why a field shows what it does, when that needs saying ("サーバーがエラーを返しました
  // (HTTP 503)" beside "503"); empty when it does not. Set after the field's text.
  virtual void SetFieldCause(ReportField /*field*/, const std::string& /*cause*/) {}
  // Shown at once; a desktop view waits for the user's OK.
  virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
  // Hands the station and its observed wind to the wind display and restarts it.
  virtual void ShowWind(const std::string& stationCode, const WindValues& wind) = 0;
  // The flight category of the METAR just shown, beside its time; a cleared time
  // field takes it away.
  virtual void ShowCategory(const CategoryJudgement& /*judgement*/) {}
  // A download the user asked for has begun (true) or ended (false).
  virtual void ShowBusy(bool /*busy*/) {}
  virtual void ShowStationStatus(const StationStatus& /*status*/) {}
};

}  // namespace aerolume
