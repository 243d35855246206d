#pragma once
// Files fetched over HTTP(S), whole and into memory (the community's list is a few megabytes).
// Threads: Fetch blocks and is called off the window's thread; `progress` and `keepGoing` are called on
// the calling thread.
#include <cstdint>
#include <functional>
#include <string>

namespace vantrelle::platform {

struct DownloadProgress {
  std::uint64_t received = 0;
  std::uint64_t total = 0;  // 0 when the server did not say
};

struct DownloadResult {
  bool complete = false;  // the whole body arrived with a success status
  bool stopped = false;   // keepGoing said no
  std::string body;       // when complete
  std::string error;      // the system's message, or "the server answered 404", when not complete
};

class Downloads {
 public:
  virtual ~Downloads() = default;
  // Fetches `address` (https, or http for an internal server); follows redirects; refuses a body larger
  // than `largest` bytes. `keepGoing` is asked at least every 250 ms; no answer for 30 seconds fails.
  virtual DownloadResult Fetch(const std::string& address, std::uint64_t largest,
                               const std::function<void(const DownloadProgress&)>& progress,
                               const std::function<bool()>& keepGoing) = 0;
};

}  // namespace vantrelle::platform
