#include "overview/overview_loader.hpp"

#include <QMetaObject>
#include <utility>

namespace aerolume {

OverviewLoader::OverviewLoader(DownloadSettings settings, QObject* parent)
    : QObject(parent), m_settings(std::move(settings)) {}

OverviewLoader::~OverviewLoader() {
  Stop();
  if (m_thread.joinable()) m_thread.join();
}

bool OverviewLoader::Start(std::vector<std::string> codes) {
  if (m_running) return false;
  if (m_thread.joinable()) m_thread.join();  // a stopped or finished fetch, ending
  m_running = true;
  const unsigned generation = ++m_generation;
  m_thread = std::jthread([this, generation, codes = std::move(codes)](std::stop_token stop) {
    // Posted to this object: a task still queued when it is destroyed is dropped.
    const auto progress = [this, stop](std::size_t done, std::size_t total) {
      if (stop.stop_requested()) return;
      QMetaObject::invokeMethod(
          this,
          [this, done, total] { emit progressed(static_cast<int>(done), static_cast<int>(total)); },
          Qt::QueuedConnection);
    };
    OverviewFetch fetch = FetchOverview(m_settings, codes, stop, progress);
    if (stop.stop_requested()) return;
    QMetaObject::invokeMethod(
        this,
        [this, generation, fetch = std::move(fetch)] {
          // Stopped after the result was on its way.
          if (!m_running || generation != m_generation) return;
          m_running = false;
          emit fetched(fetch);
        },
        Qt::QueuedConnection);
  });
  return true;
}

void OverviewLoader::Stop() {
  m_running = false;
  m_thread.request_stop();
}

}  // namespace aerolume
