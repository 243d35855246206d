#include "cleaning/ExclusiveRun.h"

#include "cleaning/RunHost.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/Platform.h"
#include "platform/RunLock.h"

namespace vantrelle::cleaning {

namespace {

// The lock, held from a successful wait to the end of the run.
class Turn {
 public:
  explicit Turn(platform::RunLock* lock) : lock_(lock) {}
  Turn(const Turn&) = delete;
  Turn& operator=(const Turn&) = delete;
  ~Turn() {
    if (lock_ && taken_) lock_->Release();
  }

  bool Take() {
    taken_ = !lock_ || lock_->TryAcquire();
    return taken_;
  }

 private:
  platform::RunLock* lock_;
  bool taken_ = false;
};

constexpr std::int64_t kPollMs = 100;

}  // namespace

std::optional<RunResult> RunExclusively(const platform::Platform& platform, RunHost& host, const Choices& choices,
                                        const RunRecorder& record) {
  Turn turn(platform.runLock);
  if (!turn.Take()) {
    host.ShowStatus(Text(*platform.locale, TextId::RunWaitingForTurn));
    const std::int64_t start = platform.clock->TickMilliseconds();
    bool taken = false;
    while (!taken && platform.clock->TickMilliseconds() - start < kLongestWaitForTurnMs) {
      platform.events->WaitForEvents(kPollMs);
      platform.events->DoEvents();
      if (host.StopRequested()) return std::nullopt;  // the program is ending: no run, no message
      taken = turn.Take();
    }
    if (!taken) {
      host.ShowMessage(Text(*platform.locale, TextId::RunNoTurn));
      return std::nullopt;
    }
  }
  RunResult result = DeletionRun(platform, host).Run(choices);
  if (record) record(result);
  return result;
}

}  // namespace vantrelle::cleaning
