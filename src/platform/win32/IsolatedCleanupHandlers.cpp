#include "platform/win32/IsolatedCleanupHandlers.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/CleanupHandlerChannel.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SystemMessage.h"
#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

namespace {

namespace channel = platform::channel;
using platform::CleanupHandlerResult;
using Status = CleanupHandlerResult::Status;
using Kind = channel::HostMessage::Kind;

constexpr DWORD kPollMilliseconds = 15;
constexpr ULONGLONG kStopGraceMilliseconds = 2000;
// What one poll reads at most, so that a host writing without pause still leaves the stop, the
// grace and the silence limit their turn at every poll.
constexpr DWORD kReadPerPoll = 16 * 1024;

// The process's attribute list naming the only handles a host inherits.
class HandleList {
 public:
  explicit HandleList(std::vector<HANDLE> handles) : handles_(std::move(handles)) {
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    storage_.resize(size);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data());
    if (!InitializeProcThreadAttributeList(list, 1, 0, &size)) return;
    initialised_ = true;
    ok_ = UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles_.data(),
                                    handles_.size() * sizeof(HANDLE), nullptr, nullptr);
  }
  HandleList(const HandleList&) = delete;
  HandleList& operator=(const HandleList&) = delete;
  ~HandleList() {
    if (initialised_) DeleteProcThreadAttributeList(List());
  }
  bool Ok() const { return ok_; }
  LPPROC_THREAD_ATTRIBUTE_LIST List() { return reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data()); }

 private:
  std::vector<HANDLE> handles_;
  std::vector<char> storage_;
  bool initialised_ = false;
  bool ok_ = false;
};

// A running host with the parent's ends of its two pipes; ended when dropped before it finished.
class Host {
 public:
  static std::optional<Host> Start(const std::wstring& program, std::string& failure) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    KernelObject childIn, toChild, fromChild, childOut;
    // The host's standard handles lead nowhere: a handler's printf reaches no one.
    KernelObject nowhere(CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     &inheritable, OPEN_EXISTING, 0, nullptr));
    if (!CreatePipe(childIn.Receive(), toChild.Receive(), &inheritable, 0) ||
        !CreatePipe(fromChild.Receive(), childOut.Receive(), &inheritable, 0) ||
        !SetHandleInformation(toChild.Get(), HANDLE_FLAG_INHERIT, 0) ||
        !SetHandleInformation(fromChild.Get(), HANDLE_FLAG_INHERIT, 0) || !nowhere) {
      failure = SystemMessage(GetLastError());
      return std::nullopt;
    }
    // Only its own ends and "nowhere", whatever else this process holds inheritable at the moment
    // (another host's ends, being made on another thread).
    HandleList inherited({childIn.Get(), childOut.Get(), nowhere.Get()});
    if (!inherited.Ok()) {
      failure = SystemMessage(GetLastError());
      return std::nullopt;
    }
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = nowhere.Get();
    startup.StartupInfo.hStdOutput = nowhere.Get();
    startup.StartupInfo.hStdError = nowhere.Get();
    startup.lpAttributeList = inherited.List();
    std::wstring commandLine = L"\"" + program + L"\" /" + Widen(platform::kCleanupHandlerHostSwitch) + L" " +
                               std::to_wstring(reinterpret_cast<std::uintptr_t>(childIn.Get())) + L" " +
                               std::to_wstring(reinterpret_cast<std::uintptr_t>(childOut.Get()));
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                        CREATE_NO_WINDOW | EXTENDED_STARTUPINFO_PRESENT, nullptr, nullptr, &startup.StartupInfo,
                        &started)) {
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
  // At most kReadPerPoll bytes of what the host has written so far, without waiting; how many were
  // read, or nothing once nothing more can come.
  std::optional<DWORD> Receive(channel::LineReader& into) {
    DWORD available = 0;
    if (!PeekNamedPipe(fromChild_.Get(), nullptr, 0, nullptr, &available, nullptr)) return std::nullopt;
    if (available == 0) return 0;
    char buffer[kReadPerPoll];
    DWORD read = 0;
    if (!ReadFile(fromChild_.Get(), buffer, std::min<DWORD>(available, kReadPerPoll), &read, nullptr)) {
      return std::nullopt;
    }
    into.Add(std::string_view(buffer, read));
    return read;
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

// What a call expects to hear besides "alive" and "done": for a list, any number of handlers; for a
// scan, at most one, the handler it asked for; for a measure or purge, none.
struct Expected {
  std::size_t handlers = 0;
  std::string_view keyName;  // "" for any
};

// Sends the request and waits for the host's answer, asking `keepGoing` every poll; `onHandler`
// receives each "handler" line, `answered` says whether the host's "done" came. A line that is no
// line of the protocol, or a line the call does not expect, ends the host: AnsweredNonsense, and
// nothing it said counts.
CleanupHandlerResult Exchange(const std::wstring& program, std::chrono::milliseconds silenceLimit,
                              const std::string& request, const platform::KeepGoing& keepGoing, Expected expected = {},
                              const std::function<void(const platform::CleanupHandlerInfo&)>& onHandler = {},
                              bool* answered = nullptr) {
  std::string failure;
  std::optional<Host> host = Host::Start(program, failure);
  if (!host) return {Status::Failed, 0, "the handler host could not be started: " + failure};
  host->Send(request);
  channel::LineReader reader;
  std::vector<platform::CleanupHandlerInfo> heard;
  bool stopping = false;
  ULONGLONG stopAsked = 0;
  ULONGLONG lastWord = GetTickCount64();
  const auto nonsense = [&]() -> CleanupHandlerResult {
    host->End();
    return {Status::AnsweredNonsense, 0, {}};
  };
  for (;;) {
    const bool ended = host->Ended();  // before reading: all it wrote is in the pipe by then
    const std::optional<DWORD> read = host->Receive(reader);
    std::string line;
    for (;;) {
      const auto next = reader.Next(line);
      if (next == channel::LineReader::Result::None) break;
      if (next == channel::LineReader::Result::TooLong) return nonsense();
      const channel::HostMessage message = channel::ParseHostLine(line);
      if (message.kind == Kind::Nonsense) return nonsense();
      if (message.kind == Kind::Handler) {
        if (heard.size() >= expected.handlers) return nonsense();
        if (!expected.keyName.empty() && message.handler.keyName != expected.keyName) return nonsense();
        heard.push_back(message.handler);
      }
      lastWord = GetTickCount64();  // only a well-formed line counts as a word
      if (message.kind == Kind::Done) {
        for (const auto& handler : heard) {
          if (onHandler) onHandler(handler);
        }
        if (answered) *answered = true;
        return message.result;
      }
    }
    // Everything it wrote was read and it has ended (or its pipe has): it will say no more.
    if ((ended && read == 0u) || !read) return {stopping ? Status::Stopped : Status::NotAnswering, 0, {}};
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
    if (*read == 0) host->Wait(kPollMilliseconds);
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
  Exchange(program_, silenceLimit_, channel::Line({channel::kList, volume}), keepGoing, {SIZE_MAX, {}},
           [&](const platform::CleanupHandlerInfo& handler) { listed.push_back(handler); });
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
      program_, silenceLimit_, channel::Line({channel::kScan, volume, keyName}), keepGoing, {1, keyName},
      [&](const platform::CleanupHandlerInfo& handler) {
        scan.offered = true;
        scan.info = handler;
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
