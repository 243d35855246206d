#pragma once
// The community's list downloaded on a thread of its own, so that the window never waits for the
// network.
//
// Threads: the download's thread runs community::DownloadList and touches only the atomic stop flag
// and what `mutex_` guards (the progress, the outcome); it calls `wake` after each step of progress
// and once at the end, so that the window posts itself a message and then asks. Construction,
// Progress, TakeOutcome, Stop and destruction belong to the window's thread. Destroying the object
// stops the download and waits for its thread, which leaves off within a quarter of a second.
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "community/ListDownload.h"
#include "community/ListFile.h"
#include "platform/Downloads.h"
#include "platform/Platform.h"

namespace vantrelle {

class ListDownloadThread {
 public:
  struct Request {
    std::string address;
    // The list in use and the names the person chose of it.
    std::shared_ptr<const community::List> current;
    std::vector<std::string> chosenBefore;
    // Read the list in use on the download's thread instead of `current`: the outcome's `gone` then
    // names every entry of it the new list lacks, for the window to narrow to those chosen.
    bool readCurrent = false;
    community::ListPlaces places;  // where the list in use is read from then, as the settings say

    community::Replace replace = community::Replace::Always;
  };

  ListDownloadThread(const platform::Platform& platform, Request request, std::function<void()> wake);
  ListDownloadThread(const ListDownloadThread&) = delete;
  ListDownloadThread& operator=(const ListDownloadThread&) = delete;
  ~ListDownloadThread();

  // Asks the download to leave off; it then ends as stopped, and the list in use stays.
  void Stop() { stop_.store(true); }
  platform::DownloadProgress Progress() const;
  // The outcome once the download has ended, the first time asked; nothing before or after.
  std::optional<community::DownloadOutcome> TakeOutcome();

 private:
  void Work();

  const platform::Platform platform_;
  Request request_;
  const std::function<void()> wake_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;  // guards progress_, outcome_
  platform::DownloadProgress progress_;
  std::optional<community::DownloadOutcome> outcome_;
  std::thread thread_;  // last: started once everything it reads is set
};

}  // namespace vantrelle
