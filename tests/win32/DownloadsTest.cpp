// WinHTTP downloads against a small HTTP server of the test's own on 127.0.0.1: whole bodies,
// redirects, failures as the person reads them, the size bound and a stop mid-way.
#include <winsock2.h>

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

// The answer to a path: the head as written, then the body in pieces with a pause between them.
struct Reply {
  std::string head, body;
  std::size_t piece = 1 << 20;
  int pauseMs = 0;
};

Reply Ok(const std::string& body) {
  return {"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n", body};
}

// One connection at a time on a thread of its own, until destroyed.
class TinyServer {
 public:
  explicit TinyServer(std::map<std::string, Reply> replies) : replies_(std::move(replies)) {
    sockaddr_in address{AF_INET, 0, {}, {}};
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof(address);
    auto* raw = reinterpret_cast<sockaddr*>(&address);
    if (!listener_ || bind(listener_.Get(), raw, length) || getsockname(listener_.Get(), raw, &length) ||
        listen(listener_.Get(), 4)) {
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

 private:
  void Serve() {
    for (Socket connection; !ending_ && (connection = Socket(accept(listener_.Get(), nullptr, nullptr)));) {
      std::string request(4096, '\0');
      request.resize(std::max(0, recv(connection.Get(), request.data(), 4096, 0)));  // one small request
      const auto from = request.find(' ') + 1;
      const auto found = replies_.find(request.substr(from, request.find(' ', from) - from));
      const Reply reply =
          found == replies_.end() ? Reply{"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n", ""} : found->second;
      bool open = Send(connection.Get(), reply.head);
      for (std::size_t at = 0; open && at < reply.body.size() && !ending_; at += reply.piece) {
        if (at != 0) std::this_thread::sleep_for(std::chrono::milliseconds(reply.pauseMs));
        open = Send(connection.Get(), reply.body.substr(at, reply.piece));  // false once the client left
      }
      shutdown(connection.Get(), SD_SEND);
    }
  }
  static bool Send(SOCKET connection, const std::string& data) {
    return send(connection, data.data(), static_cast<int>(data.size()), 0) == static_cast<int>(data.size());
  }

  const std::map<std::string, Reply> replies_;
  Socket listener_{socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)};
  int port_ = 0;
  std::atomic<bool> ending_{false};
  std::thread thread_;
};

// Winsock for the server, the downloads under test.
struct Win32DownloadsTest : ::testing::Test {
  Win32DownloadsTest() { WSAStartup(MAKEWORD(2, 2), &winsock); }
  ~Win32DownloadsTest() override { WSACleanup(); }
  WSADATA winsock{};
  fake::FakeLocale locale;
  win32::Win32Downloads downloads{locale};
};

TEST_F(Win32DownloadsTest, ABodyArrivesWholeOrFailsWithTheReason) {
  const std::string list(100'000, 'x');
  TinyServer server({
      {"/list", Ok(list)},
      {"/moved", {"HTTP/1.1 302 Found\r\nLocation: /list\r\nContent-Length: 0\r\n\r\n", ""}},
      {"/big", Ok(std::string(5000, 'b'))},
      {"/big-unannounced", {"HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n", std::string(5000, 'b'), 1000, 0}},
      {"/short", {"HTTP/1.1 200 OK\r\nContent-Length: 1000\r\nConnection: close\r\n\r\n", std::string(400, 's')}},
  });
  const std::pair<std::string, const char*> cases[] = {
      // the address, and what the failure says
      {server.Address("/list"), nullptr},
      {server.Address("/moved"), nullptr},
      {server.Address("/missing"), "the server answered 404"},
      {server.Address("/big"), "the file is larger than 1000 bytes"},
      {server.Address("/big-unannounced"), "the file is larger than 1000 bytes"},
      {server.Address("/short"), "the connection ended before the whole file arrived"},
      {"ftp://127.0.0.1/list", "the address is no http or https address"},
      {"http://127.0.0.1:1/list", ""},  // nothing listens: the system's message, "error 12029" where it has none
  };
  for (const auto& [address, error] : cases) {
    SCOPED_TRACE(address);
    platform::DownloadProgress last;
    const auto result = downloads.Fetch(
        address, address.find("/big") != std::string::npos ? 1000 : 1 << 20,
        [&](const platform::DownloadProgress& now) { last = now; }, [] { return true; });
    EXPECT_FALSE(result.stopped);
    EXPECT_EQ(result.complete, error == nullptr);
    if (!error) {
      EXPECT_EQ(result.body, list);
      EXPECT_EQ(last.received, list.size());
      EXPECT_EQ(last.total, list.size());
    } else {
      EXPECT_FALSE(result.error.empty());
      EXPECT_NE(result.error.find(error), std::string::npos) << result.error;
    }
  }
}

TEST_F(Win32DownloadsTest, AStopMidWayEndsTheFetchSoon) {
  // A megabyte in 4 KB pieces every 20 ms would take five seconds.
  TinyServer server(
      {{"/slow", {"HTTP/1.1 200 OK\r\nContent-Length: 1048576\r\n\r\n", std::string(1 << 20, 'y'), 4096, 20}}});
  bool going = true;
  std::chrono::steady_clock::time_point stoppedAt;
  const auto result = downloads.Fetch(
      server.Address("/slow"), 2 << 20,
      [&](const platform::DownloadProgress& now) {
        if (now.received > 0 && std::exchange(going, false)) stoppedAt = std::chrono::steady_clock::now();
      },
      [&] { return going; });
  EXPECT_LT(std::chrono::steady_clock::now() - stoppedAt, std::chrono::seconds(1));
  EXPECT_TRUE(result.stopped);
  EXPECT_FALSE(result.complete);
  EXPECT_TRUE(result.error.empty());
}

}  // namespace
}  // namespace vantrelle::testing
