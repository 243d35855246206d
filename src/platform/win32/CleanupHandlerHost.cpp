#include "platform/win32/CleanupHandlerHost.h"

#include <windows.h>

#include <string>

#include "platform/CleanupHandlerChannel.h"
#include "platform/win32/Win32CleanupHandlers.h"

namespace vantrelle::win32 {

namespace {

namespace channel = platform::channel;

class Pipes {
 public:
  Pipes(HANDLE in, HANDLE out) : in_(in), out_(out) {}

  bool Send(const std::string& line) const {
    DWORD written = 0;
    return WriteFile(out_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) && written == line.size();
  }
  // Blocks until the request's line has come; "" when the pipe ended first.
  std::string Request() {
    std::string line;
    for (;;) {
      const auto result = reader_.Next(line);
      if (result == channel::LineReader::Result::Line) return line;
      if (result == channel::LineReader::Result::TooLong) return {};
      char buffer[512];
      DWORD read = 0;
      if (!ReadFile(in_, buffer, sizeof buffer, &read, nullptr) || read == 0) return {};
      reader_.Add(std::string_view(buffer, read));
    }
  }
  // The parent said stop, or went away: anything more on the pipe, or its end.
  bool StopAsked() const {
    DWORD available = 0;
    return !PeekNamedPipe(in_, nullptr, 0, nullptr, &available, nullptr) || available > 0;
  }

 private:
  HANDLE in_;  // inherited for the process's life: not closed here
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

// A crash ends the host at once with the exception's code: no crash report is waited for (Wine
// starts its debugger's dialog after the process's own filter has declined; Windows, its error
// reporting).
LONG WINAPI EndProcess(EXCEPTION_POINTERS* exception) {
  const DWORD code = exception && exception->ExceptionRecord ? exception->ExceptionRecord->ExceptionCode : 1;
  TerminateProcess(GetCurrentProcess(), code);
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

void EndOnCrash() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  SetUnhandledExceptionFilter(EndProcess);
}

int RunCleanupHandlerHost(HANDLE requestPipe, HANDLE answerPipe) {
  Pipes pipes(requestPipe, answerPipe);
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
