// How a download runs: at once on the caller's thread (the terminal tool, the tests),
// or on a thread of its own with the result handed back to the user-interface thread,
// so that the window keeps painting and answering while the network is slow.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <stop_token>
#include <thread>
#include <vector>

#include "retrieval/report_source.hpp"

namespace aerolume {

class FetchRunner {
 public:
  using Work = std::function<DownloadResult(std::stop_token)>;
  using Done = std::function<void(DownloadResult)>;

  virtual ~FetchRunner() = default;
  // Starts `work` and later hands its result to `done`, on the caller's thread. A
  // download still running is stopped first; its `done` never runs.
  virtual void Start(Work work, Done done) = 0;
  // Stops the running download; its `done` never runs.
  virtual void Cancel() = 0;
};

// Runs the work and its `done` before Start returns.
class InlineFetchRunner final : public FetchRunner {
 public:
  void Start(Work work, Done done) override;
  void Cancel() override {}
};

// Runs each download on a thread of its own. `post` must run the task it is given
// later on the user-interface thread; it is called from the download's thread.
class ThreadFetchRunner final : public FetchRunner {
 public:
  using Post = std::function<void(std::function<void()>)>;

  explicit ThreadFetchRunner(Post post);
  // Stops every download still running and waits for its thread.
  ~ThreadFetchRunner() override;
  ThreadFetchRunner(const ThreadFetchRunner&) = delete;
  ThreadFetchRunner& operator=(const ThreadFetchRunner&) = delete;

  void Start(Work work, Done done) override;
  void Cancel() override;

 private:
  struct Worker {
    std::jthread thread;
    std::shared_ptr<std::atomic<bool>> finished;
  };
  // Which download's result may still be shown; only the user-interface thread
  // touches it, and a posted result outliving the runner finds it gone.
  struct Current {
    unsigned generation = 0;
  };

  void ForgetFinishedWorkers();

  Post m_post;
  std::shared_ptr<Current> m_current = std::make_shared<Current>();
  std::vector<Worker> m_workers;
};

}  // namespace aerolume
