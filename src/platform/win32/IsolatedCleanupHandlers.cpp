#include "platform/win32/IsolatedCleanupHandlers.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "platform/win32/CleanupHandlerChannel.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SystemMessage.h"
#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

namespace {

using platform::CleanupHandlerResult;
using Status = CleanupHandlerResult::Status;

constexpr DWORD kPollMilliseconds = 15;
constexpr ULONGLONG kStopGraceMilliseconds = 2000;

// A running host with the parent's ends of its two pipes; ended when dropped before it finished.
class Host {
 public:
  static std::optional<Host> Start(const std::wstring& program, std::string& failure) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    KernelObject childIn, toChild, fromChild, childOut;
    if (!CreatePipe(childIn.Receive(), toChild.Receive(), &inheritable, 0) ||
        !CreatePipe(fromChild.Receive(), childOut.Receive(), &inheritable, 0) ||
        !SetHandleInformation(toChild.Get(), HANDLE_FLAG_INHERIT, 0) ||
        !SetHandleInformation(fromChild.Get(), HANDLE_FLAG_INHERIT, 0)) {
      failure = SystemMessage(GetLastError());
      return std::nullopt;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childIn.Get();
    startup.hStdOutput = childOut.Get();
    startup.hStdError = childOut.Get();
    std::wstring commandLine = L"\"" + program + L"\" /" + Widen(platform::kCleanupHandlerHostSwitch);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &started)) {
      failure = SystemMessage(GetLastError());
      return std::nullopt;
    }
    KernelObject thread(started.hThread);
    return Host(KernelObject(started.hProcess), std::move(toChild), std::move(fromChild));
  }

  Host(Host&&) = default;
  Host& operator=(Host&&) = default;
  ~Host() {
    if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) TerminateProcess(process_.Get(), 1);
  }

  bool Send(const std::string& line) {
    DWORD written = 0;
    return WriteFile(toChild_.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
           written == line.size();
  }
  // What the host has written so far, without waiting; false once nothing more can come.
  bool Receive(channel::LineReader& into) {
    for (;;) {
      DWORD available = 0;
      if (!PeekNamedPipe(fromChild_.Get(), nullptr, 0, nullptr, &available, nullptr)) return false;
      if (available == 0) return true;
      std::string buffer(available, '\0');
      DWORD read = 0;
      if (!ReadFile(fromChild_.Get(), buffer.data(), available, &read, nullptr)) return false;
      into.Add(std::string_view(buffer.data(), read));
    }
  }
  bool Ended() const { return WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0; }
  void Wait(DWORD milliseconds) const { WaitForSingleObject(process_.Get(), milliseconds); }
  void End() { TerminateProcess(process_.Get(), 1); }

 private:
  Host(KernelObject process, KernelObject toChild, KernelObject fromChild)
      : process_(std::move(process)), toChild_(std::move(toChild)), fromChild_(std::move(fromChild)) {}

  KernelObject process_;
  KernelObject toChild_;
  KernelObject fromChild_;
};

CleanupHandlerResult DoneResult(const std::vector<std::string>& fields) {
  CleanupHandlerResult result;
  const int status = fields.size() > 1 ? std::atoi(fields[1].c_str()) : -1;
  if (status < 0 || status > static_cast<int>(Status::NotAnswering)) return {Status::NotAnswering, 0, {}};
  result.status = static_cast<Status>(status);
  result.bytes = fields.size() > 2 ? std::strtoull(fields[2].c_str(), nullptr, 10) : 0;
  result.error = fields.size() > 3 ? fields[3] : std::string();
  return result;
}

// Sends the request and waits for the host's answer, asking `keepGoing` every poll; `onHandler`
// receives each "handler" line's fields, `answered` says whether the host's "done" came.
CleanupHandlerResult Exchange(const std::wstring& program, std::chrono::milliseconds silenceLimit,
                              const std::string& request, const platform::KeepGoing& keepGoing,
                              const std::function<void(const std::vector<std::string>&)>& onHandler = {},
                              bool* answered = nullptr) {
  std::string failure;
  std::optional<Host> host = Host::Start(program, failure);
  if (!host) return {Status::Failed, 0, "the handler host could not be started: " + failure};
  host->Send(request);
  channel::LineReader reader;
  bool stopping = false;
  ULONGLONG stopAsked = 0;
  ULONGLONG lastWord = GetTickCount64();
  for (;;) {
    const bool ended = host->Ended();  // before reading: all it wrote is in the pipe by then
    const bool open = host->Receive(reader);
    std::string line;
    while (reader.Next(line)) {
      lastWord = GetTickCount64();
      const auto fields = channel::Fields(line);
      if (fields[0] == channel::kDone) {
        if (answered) *answered = true;
        return DoneResult(fields);
      }
      if (fields[0] == channel::kHandler && onHandler) onHandler(fields);
    }
    if (ended || !open) return {stopping ? Status::Stopped : Status::NotAnswering, 0, {}};
    const ULONGLONG now = GetTickCount64();
    if (!stopping && keepGoing && !keepGoing()) {
      stopping = true;
      stopAsked = now;
      host->Send(channel::Line({channel::kStop}));
    }
    if (stopping && now - stopAsked >= kStopGraceMilliseconds) {
      host->End();
      return {Status::Stopped, 0, {}};
    }
    if (!stopping && now - lastWord >= static_cast<ULONGLONG>(silenceLimit.count())) {
      host->End();
      return {Status::NotAnswering, 0, {}};
    }
    host->Wait(kPollMilliseconds);
  }
}

}  // namespace

IsolatedCleanupHandlers::IsolatedCleanupHandlers(std::wstring program, std::chrono::milliseconds silenceLimit)
    : program_(std::move(program)), silenceLimit_(silenceLimit) {}

bool IsolatedCleanupHandlers::Registered(const std::string& keyName) { return registry_.Registered(keyName); }

std::vector<platform::CleanupHandlerInfo> IsolatedCleanupHandlers::KeyNames() { return registry_.KeyNames(); }

std::vector<platform::CleanupHandlerInfo> IsolatedCleanupHandlers::List(const std::string& volume,
                                                                        const platform::KeepGoing& keepGoing) {
  std::vector<platform::CleanupHandlerInfo> listed;
  Exchange(program_, silenceLimit_, channel::Line({channel::kList, volume}), keepGoing, [&](const auto& fields) {
    if (fields.size() == 4) listed.push_back({fields[1], fields[2], fields[3]});
  });
  return listed;
}

platform::CleanupHandlerResult IsolatedCleanupHandlers::Measure(const std::string& keyName, const std::string& volume,
                                                                const platform::KeepGoing& keepGoing) {
  return Exchange(program_, silenceLimit_, channel::Line({channel::kMeasure, volume, keyName}), keepGoing);
}

platform::CleanupHandlerScan IsolatedCleanupHandlers::Scan(const std::string& keyName, const std::string& volume,
                                                           const platform::KeepGoing& keepGoing) {
  platform::CleanupHandlerScan scan;
  bool answered = false;
  scan.size = Exchange(
      program_, silenceLimit_, channel::Line({channel::kScan, volume, keyName}), keepGoing,
      [&](const auto& fields) {
        if (fields.size() != 4) return;
        scan.offered = true;
        scan.info = {fields[1], fields[2], fields[3]};
      },
      &answered);
  // A host that crashed, hung or could not start costs the handler's line, which says so.
  if (!answered) scan.offered = true;
  if (scan.info.keyName.empty()) scan.info.keyName = keyName;
  return scan;
}

platform::CleanupHandlerResult IsolatedCleanupHandlers::Purge(const std::string& keyName, const std::string& volume,
                                                              const platform::KeepGoing& keepGoing) {
  return Exchange(program_, silenceLimit_, channel::Line({channel::kPurge, volume, keyName}), keepGoing);
}

}  // namespace vantrelle::win32
