#include "retrieval/fetch_runner.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace aerolume {
namespace {

// The user-interface thread's queue, run by the test when it chooses.
class TaskQueue {
 public:
  void Post(std::function<void()> task) {
    std::lock_guard lock(m_mutex);
    m_tasks.push_back(std::move(task));
  }
  // Runs what has come so far; waits a little for the first task.
  void RunPosted(std::size_t expected) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (Size() < expected && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::deque<std::function<void()>> tasks;
    {
      std::lock_guard lock(m_mutex);
      tasks.swap(m_tasks);
    }
    for (auto& task : tasks) task();
  }
  std::size_t Size() {
    std::lock_guard lock(m_mutex);
    return m_tasks.size();
  }

 private:
  std::mutex m_mutex;
  std::deque<std::function<void()>> m_tasks;
};

// Work that ends when told to stop, or at once with `metar` as its text.
FetchRunner::Work Download(std::string metar, bool waitForStop) {
  return [metar, waitForStop](std::stop_token stop) {
    while (waitForStop && !stop.stop_requested()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return DownloadResult{metar, "", {}, stop.stop_requested()};
  };
}

TEST(ThreadFetchRunnerTest, OnlyTheLatestDownloadComesBackAndOnTheQueuesThread) {
  TaskQueue queue;
  std::vector<std::string> shown;
  {
    ThreadFetchRunner runner([&](std::function<void()> task) { queue.Post(std::move(task)); });
    const auto show = [&](DownloadResult result) { shown.push_back(result.metarText); };
    runner.Start(Download("first", true), show);
    runner.Start(Download("second", false), show);
    queue.RunPosted(1);
    EXPECT_EQ(shown, std::vector<std::string>{"second"});

    runner.Start(Download("third", false), show);
    runner.Cancel();
    queue.RunPosted(0);
    runner.Start(Download("stalled", true), show);
  }  // the runner stops the stalled download and waits for its thread
  queue.RunPosted(0);
  EXPECT_EQ(shown, std::vector<std::string>{"second"});
}

}  // namespace
}  // namespace aerolume
