// Servers on 127.0.0.1 that a test starts for itself: a real HTTP server for what a
// web server does, and a bare socket server for the faults that none commits on purpose.
#pragma once

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace aerolume::testing_support {

inline std::string LoopbackUrl(int port, const std::string& path) {
  return "http://127.0.0.1:" + std::to_string(port) + path;
}

// A station file as the weather server keeps it.
inline std::string StationFile(const std::string& timeLine, const std::string& report) {
  return timeLine + "\n" + report + "\n";
}

// The routes of a weather server that keeps one station's METAR file and answers
// "Not Found" for every other station.
inline void ServeOneMetarFile(httplib::Server& routes, const std::string& code,
                              const std::string& file) {
  routes.Get(R"(/data/observations/metar/stations/(\w+)\.TXT)",
             [code, file](const httplib::Request& request, httplib::Response& reply) {
               if (request.matches[1] != code) {
                 reply.status = 404;
                 reply.set_content("Not Found", "text/html");
                 return;
               }
               reply.set_content(file, "text/plain");
             });
}

struct SeenRequest {
  std::string path;
  std::string userAgent;
  std::string cacheControl;
  std::string pragma;
};

class HttpTestServer {
 public:
  // The routes are set before the server starts listening; where two match a path,
  // the one set first answers.
  explicit HttpTestServer(const std::function<void(httplib::Server&)>& routes) {
    routes(m_server);
    // Kept before the answer is sent, so that the client never sees an answer whose
    // request is not in the list yet.
    m_server.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response&) {
      std::lock_guard lock(m_mutex);
      m_requests.push_back({request.path, request.get_header_value("User-Agent"),
                            request.get_header_value("Cache-Control"),
                            request.get_header_value("Pragma")});
      return httplib::Server::HandlerResponse::Unhandled;
    });
    m_port = m_server.bind_to_any_port("127.0.0.1");
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    while (!m_server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ~HttpTestServer() {
    m_server.stop();
    m_thread.join();
  }
  HttpTestServer(const HttpTestServer&) = delete;
  HttpTestServer& operator=(const HttpTestServer&) = delete;

  int Port() const { return m_port; }
  std::string Url(const std::string& path) const { return LoopbackUrl(m_port, path); }
  std::vector<SeenRequest> Requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
  }

 private:
  httplib::Server m_server;
  int m_port = 0;
  std::thread m_thread;
  mutable std::mutex m_mutex;
  std::vector<SeenRequest> m_requests;
};

inline void SendAll(int fd, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t count = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (count <= 0) return;
    sent += static_cast<std::size_t>(count);
  }
}

// Waits, at most a few seconds, until the client gives up and closes its end.
inline void HoldUntilClientCloses(int fd) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  char buffer[256];
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd polled{fd, POLLIN, 0};
    if (::poll(&polled, 1, 50) <= 0) continue;
    if (::recv(fd, buffer, sizeof buffer, 0) <= 0) return;
  }
}

// Accepts every connection as it comes, each on a thread of its own, as the program
// fetches its files at once; for each it reads the request head, keeps it, hands the
// socket to the handler and closes it when the handler returns.
class RawTestServer {
 public:
  using Handler = std::function<void(int fd, const std::string& request)>;

  explicit RawTestServer(Handler handler) : m_handler(std::move(handler)) {
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(m_listener, 8);
    socklen_t length = sizeof address;
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { Serve(); });
  }
  ~RawTestServer() {
    m_stopping = true;
    m_thread.join();
    for (std::thread& connection : m_connections) connection.join();
    ::close(m_listener);
  }
  RawTestServer(const RawTestServer&) = delete;
  RawTestServer& operator=(const RawTestServer&) = delete;

  int Port() const { return m_port; }
  std::string Url(const std::string& path) const { return LoopbackUrl(m_port, path); }
  std::vector<std::string> Requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
  }

 private:
  void Serve() {
    while (!m_stopping) {
      pollfd polled{m_listener, POLLIN, 0};
      if (::poll(&polled, 1, 20) <= 0) continue;
      const int fd = ::accept(m_listener, nullptr, nullptr);
      if (fd < 0) continue;
      m_connections.emplace_back([this, fd] { Answer(fd); });
    }
  }

  void Answer(int fd) {
    const std::string request = ReadHead(fd);
    {
      std::lock_guard lock(m_mutex);
      m_requests.push_back(request);
    }
    m_handler(fd, request);
    ::close(fd);
  }

  static std::string ReadHead(int fd) {
    std::string head;
    char buffer[512];
    while (head.find("\r\n\r\n") == std::string::npos) {
      pollfd polled{fd, POLLIN, 0};
      if (::poll(&polled, 1, 2000) <= 0) break;
      const ssize_t count = ::recv(fd, buffer, sizeof buffer, 0);
      if (count <= 0) break;
      head.append(buffer, static_cast<std::size_t>(count));
    }
    return head;
  }

  Handler m_handler;
  int m_listener = -1;
  int m_port = 0;
  std::atomic<bool> m_stopping{false};
  std::thread m_thread;
  std::vector<std::thread> m_connections;  // only the accepting thread adds to it
  mutable std::mutex m_mutex;
  std::vector<std::string> m_requests;
};

// A port on 127.0.0.1 that nothing listens on.
inline int UnusedPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(fd);
  return ntohs(address.sin_port);
}

// Sets (or, with nothing, removes) one environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    if (value) {
      ::setenv(name, value->c_str(), 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (m_old) {
      ::setenv(m_name, m_old->c_str(), 1);
    } else {
      ::unsetenv(m_name);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};

// A proxy set in the test's environment must not take loopback requests elsewhere.
struct NoProxies {
  ScopedEnv http{"http_proxy", std::nullopt};
  ScopedEnv https{"https_proxy", std::nullopt};
  ScopedEnv httpsUpper{"HTTPS_PROXY", std::nullopt};
  ScopedEnv all{"all_proxy", std::nullopt};
  ScopedEnv allUpper{"ALL_PROXY", std::nullopt};
};

}  // namespace aerolume::testing_support
