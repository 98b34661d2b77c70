// The map window's fetch of every station's METAR, on a thread of its own: the window
// keeps painting and answering while it runs, hears of each station as it comes, and
// gets the whole result back on its own thread. Closing the window stops it.
#pragma once

#include <QObject>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "retrieval/overview_fetch.hpp"

namespace aerolume {

class OverviewLoader : public QObject {
  Q_OBJECT

 public:
  explicit OverviewLoader(DownloadSettings settings, QObject* parent = nullptr);
  // Stops a fetch still running and waits for its thread.
  ~OverviewLoader() override;
  OverviewLoader(const OverviewLoader&) = delete;
  OverviewLoader& operator=(const OverviewLoader&) = delete;

  // False, and nothing started, while a fetch runs: a refresh never cuts one short.
  bool Start(std::vector<std::string> codes);
  // The running fetch's result, if it comes at all, is never handed over.
  void Stop();
  bool Running() const { return m_running; }

 signals:
  // On the window's thread.
  void progressed(int done, int total);
  void fetched(const aerolume::OverviewFetch& fetch);

 private:
  DownloadSettings m_settings;
  bool m_running = false;
  // Which fetch's result may still be shown; only the window's thread touches it.
  unsigned m_generation = 0;
  std::jthread m_thread;
};

}  // namespace aerolume
