#include "window/community/ListDownloadThread.h"

#include <utility>

#include "base/Texts.h"
#include "community/ListFile.h"

namespace vantrelle {

ListDownloadThread::ListDownloadThread(const platform::Platform& platform, Request request, std::function<void()> wake)
    : platform_(platform), request_(std::move(request)), wake_(std::move(wake)), thread_([this] { Work(); }) {}

ListDownloadThread::~ListDownloadThread() {
  Stop();
  thread_.join();
}

platform::DownloadProgress ListDownloadThread::Progress() const {
  const std::lock_guard lock(mutex_);
  return progress_;
}

std::optional<community::DownloadOutcome> ListDownloadThread::TakeOutcome() {
  const std::lock_guard lock(mutex_);
  return std::exchange(outcome_, std::nullopt);
}

void ListDownloadThread::Work() {
  community::DownloadOutcome outcome;
  try {
    if (request_.readCurrent) {
      request_.current = community::LoadList(platform_, request_.places).list;
      request_.chosenBefore.clear();
      if (request_.current) {
        for (const auto& entry : request_.current->Entries()) {
          if (entry.Offered()) request_.chosenBefore.emplace_back(entry.name);
        }
      }
    }
    const auto progress = [this](const platform::DownloadProgress& now) {
      {
        const std::lock_guard lock(mutex_);
        progress_ = now;
      }
      if (wake_) wake_();
    };
    outcome = community::DownloadList(
        platform_, request_.address, request_.current, request_.chosenBefore, progress,
        [this] { return !stop_.load(); }, request_.replace);
  } catch (const std::exception& error) {
    // Nothing it calls should throw; if something does, the list in use stays and the person hears why.
    outcome = {};
    outcome.message = Text(*platform_.locale, TextId::CommunityDownloadFailed, {error.what()});
  }
  {
    const std::lock_guard lock(mutex_);
    outcome_ = std::move(outcome);
  }
  if (wake_) wake_();
}

}  // namespace vantrelle
