#include "history/history_window.hpp"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <chrono>

#include "history/history_strips.hpp"
#include "history/taf_timeline.hpp"
#include "stations/station_catalogue.hpp"
#include "stations/station_runways.hpp"

namespace aerolume {

namespace {

constexpr std::chrono::minutes kFetchInterval{10};
constexpr int kClockTickMs = 60'000;  // the now line moves by whole minutes

UtcMinutes SystemNow() {
  return std::chrono::floor<std::chrono::minutes>(std::chrono::system_clock::now());
}

QString StationTitle(const std::string& code) {
  for (std::string_view entry : StationCatalogue()) {
    if (StationCode(entry) == code) {
      return QString::fromStdString(code + " " + std::string(StationName(entry)));
    }
  }
  return QString::fromStdString(code);
}

}  // namespace

HistoryWindow::HistoryWindow(std::string code, Fetch fetch, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_code(std::move(code)),
      m_fetch(std::move(fetch)),
      m_clock(SystemNow) {
  setWindowTitle(StationTitle(m_code) + QStringLiteral(" — 24時間の推移 — ") +
                 QCoreApplication::applicationName());
  auto* layout = new QVBoxLayout(this);
  m_status = new QLabel(this);
  m_status->setObjectName(QStringLiteral("historyStatus"));
  m_status->setWordWrap(true);
  m_strips = new HistoryStrips(this);
  m_timeline = new TafTimeline(this);
  auto* tafCaption = new QLabel(QStringLiteral("TAF（日本時間）"), this);
  layout->addWidget(m_status);
  layout->addWidget(m_strips, 1);
  layout->addWidget(tafCaption);
  layout->addWidget(m_timeline);
  m_history.code = m_code;
  if (!m_fetch) {
    m_status->setText(
        QStringLiteral("過去24時間の報告は Data API から取得します。Data API を使わない設定"
                       "（--no-fallback、または --fallback なしの --server）では表示できません。"));
  }
  resize(1000, 820);
  ShowAt(m_clock());
}

HistoryWindow::~HistoryWindow() {
  m_worker.request_stop();
}

void HistoryWindow::SetTaf(const TafValues& taf) {
  m_taf = taf;
  m_timeline->SetTaf(m_taf, m_clock());
}

void HistoryWindow::SetClock(Clock clock) {
  m_clock = std::move(clock);
  ShowAt(m_clock());
}

void HistoryWindow::ShowAt(UtcMinutes now) {
  m_strips->SetHistory(m_history, StationRunways(m_code), now);
  m_timeline->SetTaf(m_taf, now);
}

QString HistoryWindow::Status() const {
  return m_status->text();
}

void HistoryWindow::FetchIfDue() {
  if (!m_fetch || m_fetching) return;
  const UtcMinutes now = m_clock();
  if (m_lastFetch && now - *m_lastFetch < kFetchInterval) return;
  m_lastFetch = now;
  m_fetching = true;
  m_status->setText(QStringLiteral("取得中…"));
  setCursor(Qt::BusyCursor);
  // The finished thread, if any, is joined here at once.
  m_worker = std::jthread([this, fetch = m_fetch](std::stop_token stop) {
    StationOverTime result = fetch(stop);
    if (stop.stop_requested()) return;
    // Queued to this window's thread; dropped with the window if it is gone by then.
    QMetaObject::invokeMethod(
        this, [this, result = std::move(result)]() mutable { OnFetched(std::move(result)); },
        Qt::QueuedConnection);
  });
}

void HistoryWindow::OnFetched(StationOverTime result) {
  m_fetching = false;
  unsetCursor();
  if (result.taf) m_taf = std::move(*result.taf);
  if (result.history.history) {
    m_history = std::move(*result.history.history);
    int specis = 0;
    for (const HistoryReport& report : m_history.reports) specis += report.speci ? 1 : 0;
    m_status->setText(QStringLiteral("過去24時間の報告 %1通（うちSPECI %2通）")
                          .arg(m_history.reports.size())
                          .arg(specis));
  } else {
    m_status->setText(QStringLiteral("過去24時間の報告を取得できません: ") +
                      QString::fromStdString(result.history.failure));
  }
  ShowAt(m_clock());
}

void HistoryWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (m_timerId == 0) m_timerId = startTimer(kClockTickMs);
  FetchIfDue();
}

void HistoryWindow::closeEvent(QCloseEvent* event) {
  m_worker.request_stop();
  if (m_timerId != 0) killTimer(m_timerId);
  m_timerId = 0;
  QWidget::closeEvent(event);
}

void HistoryWindow::timerEvent(QTimerEvent*) {
  ShowAt(m_clock());
  FetchIfDue();
}

HistoryWindow* OpenHistoryWindow(QWidget* parent, const DownloadSettings& settings,
                                 const std::string& code, const TafValues* taf) {
  HistoryWindow::Fetch fetch;
  if (!settings.fallbackBase.empty()) {
    fetch = [settings, code](const std::stop_token& stop) {
      return FetchStationOverTime(settings, code, stop);
    };
  }
  auto* window = new HistoryWindow(code, std::move(fetch), parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  if (parent != nullptr) window->setFont(parent->font());
  if (taf != nullptr) window->SetTaf(*taf);
  window->show();
  return window;
}

}  // namespace aerolume
