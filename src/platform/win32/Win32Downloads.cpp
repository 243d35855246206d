#include "platform/win32/Win32Downloads.h"

#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "base/SizeText.h"
#include "base/Texts.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SystemMessage.h"
#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

namespace {

struct InternetHandleTraits {
  using Handle = HINTERNET;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { WinHttpCloseHandle(h); }
};
using InternetHandle = ScopedHandle<InternetHandleTraits>;

// No answer for so long fails (resolving, connecting, sending, each wait for data).
constexpr int kTimeoutMs = 30'000;
constexpr auto kAskEvery = std::chrono::milliseconds(100);
constexpr DWORD kLargestRead = 64 * 1024;

platform::DownloadResult Failed(std::string error) {
  platform::DownloadResult result;
  result.error = std::move(error);
  return result;
}

platform::DownloadResult Stopped() {
  platform::DownloadResult result;
  result.stopped = true;
  return result;
}

// What the calling thread and the transfer's thread share, all of it under `mutex`.
struct Shared {
  std::mutex mutex;
  std::condition_variable ended;
  // The request's handle: the caller closes it to stop the transfer, else the transfer when it ends.
  InternetHandle request;
  bool stopped = false;
  bool done = false;
  platform::DownloadProgress progress;
  platform::DownloadResult result;
};

// The transfer's thread: the blocking WinHTTP calls, one after another.
class Transfer {
 public:
  Transfer(const Locale& locale, Shared& shared, std::uint64_t largest)
      : locale_(locale), shared_(shared), largest_(largest) {}

  void Run(const std::wstring& address) {
    platform::DownloadResult result;
    try {
      result = Download(address);
    } catch (const std::exception& error) {
      result = Failed(error.what());
    }
    const std::lock_guard lock(shared_.mutex);
    shared_.request.Reset();
    if (shared_.stopped) result = Stopped();
    shared_.result = std::move(result);
    shared_.done = true;
    shared_.ended.notify_all();
  }

 private:
  platform::DownloadResult Download(const std::wstring& address) {
    const auto startsWith = [&](std::wstring_view scheme) {
      return CompareStringOrdinal(address.c_str(), static_cast<int>(std::min(address.size(), scheme.size())),
                                  scheme.data(), static_cast<int>(scheme.size()), TRUE) == CSTR_EQUAL;
    };
    if (!startsWith(L"http://") && !startsWith(L"https://")) return Failed(Text(locale_, TextId::DownloadNotHttp));
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwSchemeLength = parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = DWORD(-1);
    if (!WinHttpCrackUrl(address.c_str(), static_cast<DWORD>(address.size()), 0, &parts)) {
      return SystemFailure(GetLastError());
    }
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    // The path and the query follow each other in the address.
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength + parts.dwExtraInfoLength);
    if (path.empty()) path = L"/";

    // The system's automatic proxy (Windows 8.1 on), else the one WinHTTP was told of.
    InternetHandle session(WinHttpOpen(L"Vantrelle", WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, WINHTTP_NO_PROXY_NAME,
                                       WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) {
      session.Reset(WinHttpOpen(L"Vantrelle", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                WINHTTP_NO_PROXY_BYPASS, 0));
    }
    if (!session) return SystemFailure(GetLastError());
    WinHttpSetTimeouts(session.Get(), kTimeoutMs, kTimeoutMs, kTimeoutMs, kTimeoutMs);
    InternetHandle connection(WinHttpConnect(session.Get(), host.c_str(), parts.nPort, 0));
    if (!connection) return SystemFailure(GetLastError());
    HINTERNET request = WinHttpOpenRequest(connection.Get(), L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                           WINHTTP_DEFAULT_ACCEPT_TYPES,
                                           parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0);
    if (!request) return SystemFailure(GetLastError());
    {
      const std::lock_guard lock(shared_.mutex);
      shared_.request.Reset(request);
      if (shared_.stopped) return Stopped();
    }
    // From here the handle may be closed by the caller at any moment: every call then fails, and the
    // failure is read as the stop it is. Its connection and session stay until this thread ends.
    if (!WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(request, nullptr)) {
      return SystemFailure(GetLastError());
    }
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX)) {
      return SystemFailure(GetLastError());
    }
    if (status != HTTP_STATUS_OK)
      return Failed(Text(locale_, TextId::DownloadServerAnswered, {std::to_string(status)}));
    const std::uint64_t total = ContentLength(request);
    if (total > largest_) return TooLarge();
    Publish({0, total});

    std::string body;
    body.reserve(static_cast<std::size_t>(total));
    for (;;) {
      DWORD available = 0;
      if (!WinHttpQueryDataAvailable(request, &available)) return SystemFailure(GetLastError());
      if (available == 0) break;
      const DWORD wanted = std::min(available, kLargestRead);
      if (body.size() + wanted > largest_) return TooLarge();
      const std::size_t before = body.size();
      body.resize(before + wanted);
      DWORD read = 0;
      if (!WinHttpReadData(request, body.data() + before, wanted, &read)) return SystemFailure(GetLastError());
      body.resize(before + read);
      if (read == 0) break;
      Publish({body.size(), total});
    }
    // A connection that ends early is no end of the file.
    if (total != 0 && body.size() != total) return Failed(Text(locale_, TextId::DownloadIncomplete));
    platform::DownloadResult result;
    result.complete = true;
    result.body = std::move(body);
    return result;
  }

  // The Content-Length the server announced; 0 when it gave none.
  static std::uint64_t ContentLength(HINTERNET request) {
    wchar_t text[32] = {};
    DWORD size = sizeof(text);
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_CONTENT_LENGTH, WINHTTP_HEADER_NAME_BY_INDEX, text, &size,
                             WINHTTP_NO_HEADER_INDEX)) {
      return 0;
    }
    std::uint64_t length = 0;
    for (const wchar_t* at = text; *at >= L'0' && *at <= L'9'; ++at) {
      if (length > (~std::uint64_t{0} - 9) / 10) return ~std::uint64_t{0};  // beyond any bound
      length = length * 10 + static_cast<std::uint64_t>(*at - L'0');
    }
    return length;
  }

  void Publish(platform::DownloadProgress progress) {
    const std::lock_guard lock(shared_.mutex);
    shared_.progress = progress;
  }

  platform::DownloadResult TooLarge() const {
    return Failed(Text(locale_, TextId::DownloadTooLarge, {ByteSizeText(locale_, largest_)}));
  }

  // The system's message for a failed call: WinHTTP's own codes from its module's table.
  platform::DownloadResult SystemFailure(DWORD code) const {
    const HMODULE module = code >= 12000 && code <= 12999 ? GetModuleHandleW(L"winhttp.dll") : nullptr;
    std::string message = SystemMessage(code, module);
    if (message.empty()) message = Text(locale_, TextId::DownloadErrorNumber, {std::to_string(code)});
    return Failed(std::move(message));
  }

  const Locale& locale_;
  Shared& shared_;
  const std::uint64_t largest_;
};

}  // namespace

platform::DownloadResult Win32Downloads::Fetch(const std::string& address, std::uint64_t largest,
                                               const std::function<void(const platform::DownloadProgress&)>& progress,
                                               const std::function<bool()>& keepGoing) {
  Shared shared;
  Transfer transfer(locale_, shared, largest);
  const std::wstring wideAddress = Widen(address);
  std::thread thread;
  try {
    thread = std::thread([&] { transfer.Run(wideAddress); });
  } catch (const std::exception& error) {
    return Failed(error.what());
  }
  std::optional<platform::DownloadProgress> reported;
  std::unique_lock lock(shared.mutex);
  while (!shared.done) {
    shared.ended.wait_for(lock, kAskEvery);
    const auto now = shared.progress;
    const bool done = shared.done;
    lock.unlock();
    if (progress && (!reported || now.received != reported->received || now.total != reported->total)) {
      progress(now);
      reported = now;
    }
    const bool go = done || !keepGoing || keepGoing();
    lock.lock();
    if (!go) {
      // Closing the request ends the call under way; the transfer then ends as stopped.
      shared.stopped = true;
      shared.request.Reset();
      break;
    }
  }
  lock.unlock();
  thread.join();
  return std::move(shared.result);
}

}  // namespace vantrelle::win32
