// The window title: which station is shown, how old its METAR is, and whether the
// last background refresh failed.
#pragma once

#include <chrono>
#include <string>

#include "retrieval/report_view.hpp"

namespace aerolume {

// A METAR older than this is no longer current; the title says so.
inline constexpr std::chrono::minutes kStaleReportAge{90};

// "12分前", "1時間35分前", from two days on "3日前"; an issue time in the future
// reads as "0分前".
std::string ReportAgeText(std::chrono::seconds age);

// "Aerolume" with no station; else the station list's entry, the METAR's age
// ("(古い報告)" after it when stale), "(予備の配信元)" when a report came from the second
// source, and "(更新失敗 HH:MM)" in Japan time with the cause after it
// ("(更新失敗 21:20 サーバーがエラーを返しました (HTTP 503))") after a failed refresh:
// "RJTT 東京国際空港（羽田） — METAR 12分前 — Aerolume".
// While a download the user asked for runs, "取得中…" stands before the program's name:
// "RJTT 東京国際空港（羽田） — 取得中… — Aerolume".
std::string WindowTitle(const StationStatus& status, std::chrono::sys_seconds now,
                        bool fetching = false);

// " (更新失敗 21:20 サーバーがエラーを返しました (HTTP 503))": what every window's title adds
// after a failed background refresh, the time in Japan time, the cause when there is one.
std::string RefreshFailureNote(std::chrono::sys_seconds failedAt, const std::string& cause);

}  // namespace aerolume
