#pragma once
#include "base/Locale.h"
#include "platform/Downloads.h"

namespace vantrelle::win32 {

// Downloads through WinHTTP in its blocking form, on a thread of the fetch's own, while the calling
// thread reports progress and asks keepGoing every 100 ms. A stop closes the request: on Windows that
// ends a blocking call at once; Wine ends the call under way at its next data or its time-out, and
// the fetch waits for that. Proxies as the system's settings say; redirects followed, but never from
// https to http. The texts a failure is told in (a status, a size) follow `locale`'s language.
class Win32Downloads : public platform::Downloads {
 public:
  explicit Win32Downloads(const Locale& locale) : locale_(locale) {}

  platform::DownloadResult Fetch(const std::string& address, std::uint64_t largest,
                                 const std::function<void(const platform::DownloadProgress&)>& progress,
                                 const std::function<bool()>& keepGoing) override;

 private:
  const Locale& locale_;
};

}  // namespace vantrelle::win32
