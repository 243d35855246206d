#include "platform/win32/CleanupHandlerHost.h"

#include <windows.h>

#include <string>

#include "platform/win32/CleanupHandlerChannel.h"
#include "platform/win32/Win32CleanupHandlers.h"

namespace vantrelle::win32 {

namespace {

class Pipes {
 public:
  Pipes() : in_(GetStdHandle(STD_INPUT_HANDLE)), out_(GetStdHandle(STD_OUTPUT_HANDLE)) {}

  bool Send(const std::string& line) const {
    DWORD written = 0;
    return WriteFile(out_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) && written == line.size();
  }
  // Blocks until the request's line has come; "" when the pipe ended first.
  std::string Request() {
    std::string line;
    while (!reader_.Next(line)) {
      char buffer[512];
      DWORD read = 0;
      if (!ReadFile(in_, buffer, sizeof buffer, &read, nullptr) || read == 0) return {};
      reader_.Add(std::string_view(buffer, read));
    }
    return line;
  }
  // The parent said stop, or went away: anything more on the pipe, or its end.
  bool StopAsked() const {
    DWORD available = 0;
    return !PeekNamedPipe(in_, nullptr, 0, nullptr, &available, nullptr) || available > 0;
  }

 private:
  HANDLE in_;  // the process's own standard handles: not closed here
  HANDLE out_;
  channel::LineReader reader_;
};

// The apartment's messages, so that a handler that posts to itself or waits on another apartment
// is served while it works.
void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::string Done(const platform::CleanupHandlerResult& result) {
  return channel::Line(
      {channel::kDone, std::to_string(static_cast<int>(result.status)), std::to_string(result.bytes), result.error});
}

}  // namespace

int RunCleanupHandlerHost() {
  // A handler that crashes ends this process quietly: the parent reports it.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  Pipes pipes;
  const std::vector<std::string> request = channel::Fields(pipes.Request());
  bool stopping = false;
  const platform::KeepGoing keepGoing = [&] {
    PumpMessages();
    stopping = stopping || pipes.StopAsked() || !pipes.Send(channel::Line({channel::kAlive}));
    return !stopping;
  };
  Win32CleanupHandlers handlers;
  if (request.size() == 2 && request[0] == channel::kList) {
    for (const auto& handler : handlers.List(request[1], keepGoing)) {
      pipes.Send(channel::Line({channel::kHandler, handler.keyName, handler.displayName, handler.description}));
    }
    pipes.Send(Done({platform::CleanupHandlerResult::Status::Done, 0, {}}));
    return 0;
  }
  if (request.size() == 3 && request[0] == channel::kScan) {
    const auto scan = handlers.Scan(request[2], request[1], keepGoing);
    if (scan.offered) {
      pipes.Send(channel::Line({channel::kHandler, scan.info.keyName, scan.info.displayName, scan.info.description}));
    }
    pipes.Send(Done(scan.size));
    return 0;
  }
  if (request.size() == 3 && (request[0] == channel::kMeasure || request[0] == channel::kPurge)) {
    const bool purge = request[0] == channel::kPurge;
    const auto result =
        purge ? handlers.Purge(request[2], request[1], keepGoing) : handlers.Measure(request[2], request[1], keepGoing);
    pipes.Send(Done(result));
    return 0;
  }
  pipes.Send(Done({platform::CleanupHandlerResult::Status::Failed, 0, "the request was not understood"}));
  return 3;
}

}  // namespace vantrelle::win32
