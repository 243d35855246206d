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
#include "support/TinyHttpServer.h"

namespace vantrelle::testing {
namespace {

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
