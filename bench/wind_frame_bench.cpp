// The wind display's cost: one animation tick while the arrow spins at 50 Hz (advance,
// compose the frame, scale it to the window), and the restart that a new station
// brings (its diagram decoded and laid over the ring, the first frame drawn).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTimerEvent>
#include <array>
#include <memory>
#include <string>

#include "qt_benchmark_main.hpp"
#include "wind/message_sink.hpp"
#include "wind/wind_wnd.hpp"

namespace {

class SilentSink : public aerolume::MessageSink {
 public:
  void ShowMessage(const QString& /*text*/, QMessageBox::Icon /*icon*/) override {}
};

SilentSink& Sink() {
  static SilentSink sink;
  return sink;
}

std::unique_ptr<CWindWnd> MakeWindow(int side) {
  auto window = std::make_unique<CWindWnd>(Sink());
  window->setGeometry(0, 0, side, side);
  window->m_size = side;
  return window;
}

// A whole tick as the timer delivers it to the spinning window.
void BM_SpinTick(benchmark::State& state) {
  auto window = MakeWindow(static_cast<int>(state.range(0)));
  window->SetWind("RJTT", -1, 12, -1, -1);
  window->RestartAnimation();
  QTimerEvent tick(window->Animation().TimerId());
  for (auto _ : state) {
    QCoreApplication::sendEvent(window.get(), &tick);
    benchmark::DoNotOptimize(window->Picture());
  }
}
// Qt may spread painting and scaling over worker threads; count all of their time.
BENCHMARK(BM_SpinTick)
    ->Arg(240)
    ->Arg(200)
    ->Arg(480)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

// A new station: the old animation stopped, the diagram decoded, the first frame drawn
// and the swing started.
void BM_RestartForNewStation(benchmark::State& state) {
  constexpr std::array<const char*, 4> kStations{"RJTT", "RJAA", "RJBB", "ROAH"};
  auto window = MakeWindow(240);
  std::size_t next = 0;
  for (auto _ : state) {
    window->SetWind(kStations[next], 270, 15, 240, 300);
    window->RestartAnimation();
    next = (next + 1) % kStations.size();
  }
}
BENCHMARK(BM_RestartForNewStation)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return aerolume::bench_support::RunQtBenchmarks(argc, argv);
}
