// The selection cycle over a recording view, with any two texts as the station's
// METAR and TAF files (split at the first 0xFF byte), a refresh in place after them,
// and a pick of another station.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "retrieval/fetch_runner.hpp"
#include "retrieval/report_session.hpp"
#include "retrieval/station_file.hpp"

namespace {

class RecordingView : public aerolume::ReportView {
 public:
  void SetField(aerolume::ReportField, const std::string& text) override { bytes += text.size(); }
  void ShowMessage(const std::string& text, aerolume::MessageIcon) override {
    bytes += text.size();
  }
  void ShowWind(const std::string&, const aerolume::WindValues& wind) override {
    bytes += static_cast<std::size_t>(wind.m_windSpeed & 1);
  }
  std::size_t bytes = 0;
};

class FixedSource : public aerolume::ReportSource {
 public:
  FixedSource(std::string metar, std::string taf)
      : m_metar(std::move(metar)), m_taf(std::move(taf)) {}
  aerolume::DownloadResult DownloadReports(const std::string&, std::stop_token) override {
    return {m_metar, m_taf, {}};
  }

 private:
  std::string m_metar;
  std::string m_taf;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t split = bytes.find('\xff');
  const std::string_view metar = bytes.substr(0, split);
  const std::string_view taf =
      split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1);
  RecordingView view;
  FixedSource source(aerolume::NormalizeReportText(metar), aerolume::NormalizeReportText(taf));
  aerolume::InlineFetchRunner runner;
  aerolume::ReportSession session(view, source, runner);
  session.Select("RJTT");
  session.RefreshInBackground();
  session.Refresh();
  session.Select("RJAA");
  return 0;
}
