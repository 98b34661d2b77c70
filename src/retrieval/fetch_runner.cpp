#include "retrieval/fetch_runner.hpp"

#include <algorithm>
#include <utility>

namespace aerolume {

void InlineFetchRunner::Start(Work work, Done done) {
  done(work(std::stop_token()));
}

ThreadFetchRunner::ThreadFetchRunner(Post post) : m_post(std::move(post)) {}

ThreadFetchRunner::~ThreadFetchRunner() {
  Cancel();
  m_workers.clear();  // each jthread joins its download, which is stopping
}

void ThreadFetchRunner::Start(Work work, Done done) {
  Cancel();
  ForgetFinishedWorkers();
  const unsigned generation = m_current->generation;
  auto finished = std::make_shared<std::atomic<bool>>(false);
  std::weak_ptr<Current> current = m_current;
  std::jthread thread([this, work = std::move(work), done = std::move(done), generation, current,
                       finished](std::stop_token stop) mutable {
    DownloadResult result = work(stop);
    if (!stop.stop_requested()) {
      m_post([current, generation, done = std::move(done), result = std::move(result)]() mutable {
        const std::shared_ptr<Current> alive = current.lock();
        if (alive && alive->generation == generation) done(std::move(result));
      });
    }
    *finished = true;
  });
  m_workers.push_back({std::move(thread), std::move(finished)});
}

void ThreadFetchRunner::Cancel() {
  ++m_current->generation;
  for (Worker& worker : m_workers) worker.thread.request_stop();
}

void ThreadFetchRunner::ForgetFinishedWorkers() {
  std::erase_if(m_workers, [](const Worker& worker) { return worker.finished->load(); });
}

}  // namespace aerolume
