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
#include "support/TinyHttpServer.h"

namespace vantrelle::testing {
namespace {

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
      {"/big-unannounced", {"HTTP/1.1 200 OK\r\n\r\n", std::string(5000, 'b'), 1000, 0}},
      {"/short", {"HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n", std::string(400, 's')}},
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
