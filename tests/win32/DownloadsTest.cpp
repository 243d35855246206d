// WinHTTP downloads against a small HTTP server of the test's own on 127.0.0.1: whole bodies,
// redirects, failures as the person reads them, a stop mid-way and the size bound.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <string>
#include <thread>

#include "platform/fake/FakeLocale.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Win32Downloads.h"

namespace vantrelle::testing {
namespace {

struct SocketTraits {
  using Handle = SOCKET;
  static Handle Null() { return INVALID_SOCKET; }
  static bool IsValid(Handle h) { return h != INVALID_SOCKET; }
  static void Close(Handle h) { closesocket(h); }
};
using Socket = win32::ScopedHandle<SocketTraits>;

// What the server answers for a path: the head as written, then the body in pieces with a pause
// between them; the connection closes after the last.
struct Reply {
  std::string head;
  std::string body;
  std::size_t piece = 1 << 20;
  int pauseMs = 0;
};

Reply Ok(std::string body) {
  return {"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n",
          std::move(body)};
}

// One connection at a time on its own thread, until destroyed.
class TinyServer {
 public:
  explicit TinyServer(std::map<std::string, Reply> replies) : replies_(std::move(replies)) {
    listener_.Reset(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof(address);
    if (!listener_ || bind(listener_.Get(), reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        getsockname(listener_.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        listen(listener_.Get(), 4) != 0) {
      ADD_FAILURE() << "no listening socket: " << WSAGetLastError();
      return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~TinyServer() {
    ending_ = true;
    listener_.Reset();  // ends the accept under way
    if (thread_.joinable()) thread_.join();
  }
  std::string Address(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
  int SentPieces() const { return sentPieces_; }

 private:
  void Serve() {
    while (!ending_) {
      Socket connection(accept(listener_.Get(), nullptr, nullptr));
      if (!connection) return;
      std::string request;
      char buffer[4096];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const int got = recv(connection.Get(), buffer, sizeof(buffer), 0);
        if (got <= 0) break;
        request.append(buffer, static_cast<std::size_t>(got));
      }
      const auto pathStart = request.find(' ') + 1;
      const std::string path = request.substr(pathStart, request.find(' ', pathStart) - pathStart);
      const auto found = replies_.find(path);
      const Reply reply =
          found == replies_.end() ? Reply{"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n", ""} : found->second;
      if (!SendAll(connection.Get(), reply.head)) continue;
      for (std::size_t at = 0; at < reply.body.size() && !ending_; at += reply.piece) {
        if (at != 0 && reply.pauseMs) std::this_thread::sleep_for(std::chrono::milliseconds(reply.pauseMs));
        if (!SendAll(connection.Get(), reply.body.substr(at, reply.piece))) break;  // the client left
        ++sentPieces_;
      }
      shutdown(connection.Get(), SD_SEND);
    }
  }
  static bool SendAll(SOCKET connection, std::string_view data) {
    while (!data.empty()) {
      const int sent = send(connection, data.data(), static_cast<int>(data.size()), 0);
      if (sent <= 0) return false;
      data.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
  }

  const std::map<std::string, Reply> replies_;
  Socket listener_;
  int port_ = 0;
  std::atomic<bool> ending_{false};
  std::atomic<int> sentPieces_{0};
  std::thread thread_;
};

class Win32DownloadsTest : public ::testing::Test {
 protected:
  Win32DownloadsTest() { WSAStartup(MAKEWORD(2, 2), &winsock_); }
  ~Win32DownloadsTest() override { WSACleanup(); }

  WSADATA winsock_{};
  fake::FakeLocale locale;
  win32::Win32Downloads downloads{locale};
};

const std::string kList(100'000, 'x');

TEST_F(Win32DownloadsTest, ABodyArrivesWholeOrFailsWithTheReason) {
  TinyServer server({
      {"/list", Ok(kList)},
      {"/moved", {"HTTP/1.1 302 Found\r\nLocation: /list\r\nContent-Length: 0\r\n\r\n", ""}},
      {"/error", {"HTTP/1.1 500 Internal Server Error\r\nContent-Length: 2\r\n\r\n", "no"}},
      {"/big", Ok(std::string(5000, 'b'))},
      {"/big-unannounced", {"HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n", std::string(5000, 'b'), 1000, 0}},
      {"/short", {"HTTP/1.1 200 OK\r\nContent-Length: 1000\r\nConnection: close\r\n\r\n", std::string(400, 's')}},
  });
  struct Case {
    const char* path;
    std::uint64_t largest;
    const char* body;   // whole, when not nullptr ("" for kList)
    const char* error;  // what the failure says
  };
  const Case cases[] = {
      {"/list", 1 << 20, "", nullptr},
      {"/moved", 1 << 20, "", nullptr},
      {"/missing", 1 << 20, nullptr, "the server answered 404"},
      {"/error", 1 << 20, nullptr, "the server answered 500"},
      {"/big", 1000, nullptr, "the file is larger than"},
      {"/big-unannounced", 1000, nullptr, "the file is larger than"},
      {"/short", 1 << 20, nullptr, "the connection ended before the whole file arrived"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    platform::DownloadProgress last;
    const auto result = downloads.Fetch(
        server.Address(c.path), c.largest, [&](const platform::DownloadProgress& now) { last = now; },
        [] { return true; });
    EXPECT_FALSE(result.stopped);
    EXPECT_EQ(result.complete, c.body != nullptr);
    if (c.body) {
      EXPECT_EQ(result.body, kList);
      EXPECT_EQ(last.received, kList.size());
      EXPECT_EQ(last.total, kList.size());
    } else {
      EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
    }
  }
}

TEST_F(Win32DownloadsTest, ANameThatCannotBeReachedFailsWithTheSystemsMessage) {
  const std::string closed = "http://127.0.0.1:1/list";  // nothing listens on port 1
  const auto result = downloads.Fetch(closed, 1 << 20, {}, [] { return true; });
  EXPECT_FALSE(result.complete);
  EXPECT_FALSE(result.stopped);
  EXPECT_FALSE(result.error.empty());  // the system's message, or "error 12029" where it has none (Wine)
  const auto notHttp = downloads.Fetch("ftp://127.0.0.1/list", 1 << 20, {}, [] { return true; });
  EXPECT_FALSE(notHttp.complete);
  EXPECT_EQ(notHttp.error, "the address is no http or https address");
}

TEST_F(Win32DownloadsTest, AStopMidWayEndsTheFetchSoon) {
  // A megabyte in 4 KB pieces every 20 ms would take five seconds.
  std::string body(1 << 20, 'y');
  TinyServer server({{"/slow", {"HTTP/1.1 200 OK\r\nContent-Length: 1048576\r\n\r\n", body, 4096, 20}}});
  std::atomic<bool> going{true};
  std::chrono::steady_clock::time_point stoppedAt;
  int asked = 0;
  const auto result = downloads.Fetch(
      server.Address("/slow"), 2 << 20,
      [&](const platform::DownloadProgress& now) {
        if (now.received > 0 && going.exchange(false)) stoppedAt = std::chrono::steady_clock::now();
      },
      [&] {
        ++asked;
        return going.load();
      });
  const auto took = std::chrono::steady_clock::now() - stoppedAt;
  EXPECT_TRUE(result.stopped);
  EXPECT_FALSE(result.complete);
  EXPECT_TRUE(result.error.empty());
  EXPECT_GT(asked, 0);
  EXPECT_LT(took, std::chrono::seconds(1));
  EXPECT_LT(server.SentPieces(), 256);  // it did not wait for the whole body
}

}  // namespace
}  // namespace vantrelle::testing
