// How the window answers while the weather server stalls: the largest gap between the
// ticks of a 50 ms timer from the moment a station is picked until two seconds later,
// and how long closing the window takes with the download still running.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <memory>

#include "../tests/net/loopback_servers.hpp"
#include "app/aerolume_dlg.hpp"
#include "app/station_combo_box.hpp"
#include "retrieval/report_download.hpp"
#include "wind/message_sink.hpp"

namespace {

class SilentSink : public aerolume::MessageSink {
 public:
  void ShowMessage(const QString& /*text*/, QMessageBox::Icon /*icon*/) override {}
};

void PickFirstStation(CAerolumeDlg& dialog) {
  auto* list = dialog.findChild<aerolume::StationComboBox*>();
  list->showPopup();
  list->setCurrentIndex(0);
  list->hidePopup();
}

// Holds each connection until the program lets go of it or the benchmark ends, far
// longer than the download's own time limit.
void HoldUntilClosed(int fd, const std::atomic<bool>& ending) {
  char buffer[256];
  while (!ending) {
    pollfd polled{fd, POLLIN, 0};
    if (::poll(&polled, 1, 50) <= 0) continue;
    if (::recv(fd, buffer, sizeof buffer, 0) <= 0) return;
  }
}

void BM_StalledDownload(benchmark::State& state) {
  std::atomic<bool> ending{false};
  aerolume::testing_support::RawTestServer server(
      [&](int fd, const std::string&) { HoldUntilClosed(fd, ending); });
  SilentSink sink;
  aerolume::DownloadSettings settings;
  settings.serverBase = server.Url("/data");
  aerolume::CurlReportSource source(settings);
  for (auto _ : state) {
    auto dialog = std::make_unique<CAerolumeDlg>(source, sink);
    dialog->show();
    QElapsedTimer sinceTick;
    qint64 largestGap = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { largestGap = std::max(largestGap, sinceTick.restart()); });
    ticker.start(50);
    sinceTick.start();
    PickFirstStation(*dialog);
    QEventLoop watching;
    QTimer::singleShot(2000, &watching, &QEventLoop::quit);
    watching.exec();
    largestGap = std::max(largestGap, sinceTick.elapsed());
    QElapsedTimer closing;
    closing.start();
    dialog.reset();
    state.counters["largest_gap_ms"] = static_cast<double>(largestGap);
    state.counters["close_ms"] = static_cast<double>(closing.nsecsElapsed()) / 1e6;
  }
  ending = true;
}
BENCHMARK(BM_StalledDownload)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
