#include "cleaning/WindowsCleanup.h"

#include "base/Texts.h"
#include "cleaning/Paths.h"
#include "cleaning/RunHost.h"
#include "cleaning/YieldPacer.h"
#include "platform/CleanupHandlers.h"
#include "platform/Platform.h"
#include "platform/Storage.h"

namespace vantrelle::cleaning {

std::string SystemVolume(const platform::Platform& platform) {
  const std::string drive = platform.storage ? platform.storage->SystemDrive() : std::string();
  return (drive.empty() ? std::string("C:") : RemoveTrailingChar(drive, '\\')) + "\\";
}

namespace {

template <class Call>
WindowsCleanupOutcome RunHandler(const platform::Platform& platform, RunHost& host, Call&& call) {
  using Status = platform::CleanupHandlerResult::Status;
  try {
    // The handler reports its progress on this thread: the window catches up there, and a closing
    // window aborts the handler.
    YieldPacer events(platform, host);
    const platform::KeepGoing keepGoing = [&] { return events.DoEvents(); };
    const platform::CleanupHandlerResult result = call(SystemVolume(platform), keepGoing);
    if (host.StopRequested() || result.status == Status::Stopped) {
      return {Outcome::Stopped, result.status == Status::Failed ? 0 : result.bytes, {}};  // freed before it stopped
    }
    switch (result.status) {
      case Status::Done: return {Outcome::Emptied, result.bytes, {}};
      case Status::NothingToClean: return {Outcome::NotFound, 0, {}};
      case Status::NotAnswering:
        return {Outcome::Failed, 0, platform.locale ? Text(*platform.locale, TextId::HandlerStoppedAnswering) : ""};
      case Status::AnsweredNonsense:
        return {Outcome::Failed, 0, platform.locale ? Text(*platform.locale, TextId::HandlerAnsweredNonsense) : ""};
      default: return {Outcome::Failed, 0, result.error};
    }
  } catch (const std::exception& error) {
    return {Outcome::Failed, 0, error.what()};
  } catch (...) {
    return {Outcome::Failed, 0, {}};
  }
}

// GetSpaceUsed, Purge of what it reported (none at 0), Deactivate: all in the service's Purge.
WindowsCleanupOutcome PurgeHandler(const platform::Platform& platform, RunHost& host, const std::string& keyName) {
  return RunHandler(platform, host, [&](const std::string& volume, const platform::KeepGoing& keepGoing) {
    return platform.cleanupHandlers->Purge(keyName, volume, keepGoing);
  });
}

}  // namespace

bool CleanedByWindowsCleanup(const platform::Platform& platform, const CatalogueRow& row) {
  if (row.cleanupHandler.empty() || !platform.cleanupHandlers) return false;
  try {
    return platform.cleanupHandlers->Registered(std::string(row.cleanupHandler));
  } catch (...) {
    return false;  // unreadable counts as not there: the files are deleted as listed
  }
}

WindowsCleanupOutcome PurgeByWindowsCleanup(const platform::Platform& platform, RunHost& host,
                                            const CatalogueRow& row) {
  return PurgeHandler(platform, host, std::string(row.cleanupHandler));
}

WindowsCleanupOutcome MeasureByWindowsCleanup(const platform::Platform& platform, RunHost& host,
                                              const CatalogueRow& row) {
  return MeasureWindowsHandler(platform, host, std::string(row.cleanupHandler));
}

WindowsCleanupOutcome MeasureWindowsHandler(const platform::Platform& platform, RunHost& host,
                                            const std::string& keyName) {
  if (!platform.cleanupHandlers) return {Outcome::NotFound, 0, {}};
  return RunHandler(platform, host, [&](const std::string& volume, const platform::KeepGoing& keepGoing) {
    return platform.cleanupHandlers->Measure(keyName, volume, keepGoing);
  });
}

void CleanByWindowsHandler(const platform::Platform& platform, RunHost& host, const std::string& keyName,
                           LocationResult& into) {
  const WindowsCleanupOutcome purged = platform.cleanupHandlers ? PurgeHandler(platform, host, keyName)
                                                                : WindowsCleanupOutcome{Outcome::NotFound, 0, {}};
  into.byWindowsCleanup = true;
  into.outcome = purged.outcome;
  into.tally.bytesFreed = purged.bytes;
  into.failure = purged.failure;
}

std::string WindowsCleanupStatus(const platform::Platform& platform, const std::string& name) {
  return platform.locale ? Text(*platform.locale, TextId::WindowsCleanupStatus, {name})
                         : FormatText(Text(Language::English, TextId::WindowsCleanupStatus), {name});
}

}  // namespace vantrelle::cleaning
