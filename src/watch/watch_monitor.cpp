#include "watch/watch_monitor.hpp"

#include <QMetaObject>
#include <algorithm>

namespace aerolume {

namespace {

UtcMinutes Now() {
  return std::chrono::floor<std::chrono::minutes>(std::chrono::system_clock::now());
}

}  // namespace

WatchMonitor::WatchMonitor(NotificationSink& sink, WatchFetch fetch, QObject* parent)
    : QObject(parent), m_sink(sink), m_fetch(std::move(fetch)) {
  m_timer.setInterval(kCheckInterval);
  connect(&m_timer, &QTimer::timeout, this, &WatchMonitor::CheckNow);
}

WatchMonitor::~WatchMonitor() {
  m_fetchThread.request_stop();
}

void WatchMonitor::SetWatches(std::vector<Watch> watches) {
  for (const Watch& old : m_watches) {
    if (std::ranges::find(watches, old.code, &Watch::code) == watches.end()) {
      m_tracker.Forget(old.code);
    }
  }
  m_watches = std::move(watches);
  if (m_watches.empty()) {
    m_timer.stop();
  } else if (!m_timer.isActive()) {
    m_timer.start();
  }
  emit StateChanged();
}

const Watch* WatchMonitor::Find(const std::string& code) const {
  const auto found = std::ranges::find(m_watches, code, &Watch::code);
  return found == m_watches.end() ? nullptr : &*found;
}

void WatchMonitor::CheckNow() {
  if (m_checking || m_watches.empty()) return;
  m_checking = true;
  std::vector<std::string> codes;
  for (const Watch& watch : m_watches) codes.push_back(watch.code);
  if (m_fetchThread.joinable()) m_fetchThread.join();
  m_fetchThread = std::jthread([this, codes](std::stop_token stop) {
    std::vector<OverviewAnswer> answers = m_fetch(codes, stop);
    if (stop.stop_requested()) return;
    QMetaObject::invokeMethod(
        this,
        [this, answers = std::move(answers)] {
          m_checking = false;
          ApplyAnswers(answers, Now());
        },
        Qt::QueuedConnection);
  });
}

void WatchMonitor::ReportFetched(const std::string& code, const std::string& file) {
  if (Find(code) == nullptr) return;
  ApplyAnswers({{code, file, {}}}, Now());
}

void WatchMonitor::ApplyAnswers(const std::vector<OverviewAnswer>& answers, UtcMinutes now) {
  aerolume::ApplyAnswers(m_overview, answers);
  for (const OverviewAnswer& answer : answers) {
    const Watch* watch = Find(answer.code);
    const OverviewStation* station = m_overview.Find(answer.code);
    if (watch == nullptr || station == nullptr) continue;
    for (const WatchEvent& event : m_tracker.Update(*watch, *station, now)) Tell(event);
  }
  emit StateChanged();
}

void WatchMonitor::Tell(const WatchEvent& event) {
  const QString message = QString::fromStdString(event.message);
  if (!event.IsAlert()) return;
  m_lastNews = message;
  if (!m_sink.Available()) return;
  // The station in the title, what happened in the body.
  const qsizetype colon = message.indexOf(QStringLiteral(": "));
  m_sink.Notify(message.left(colon), message.mid(colon + 2));
}

QString WatchMonitor::StateText() const {
  if (m_watches.empty()) return {};
  QStringList crossed;
  for (const Watch& watch : m_watches) {
    if (m_tracker.AnyCrossed(watch.code)) crossed << QString::fromStdString(watch.code);
  }
  QString text = QStringLiteral("監視 %1局: ").arg(m_watches.size());
  text += crossed.isEmpty() ? QStringLiteral("限度内")
                            : QStringLiteral("限度超過 ") + crossed.join(QLatin1Char(' '));
  return text;
}

}  // namespace aerolume
