#include "window/community/CommunitySizes.h"

#include <utility>

#include "cleaning/Preview.h"
#include "window/preview/QuietRunHost.h"

namespace vantrelle {

CommunitySizes::CommunitySizes(const platform::Platform& platform, std::shared_ptr<const community::List> list,
                               std::vector<std::string> names, std::function<void()> wake)
    : platform_(platform),
      noEvents_(std::make_unique<NoWindowEvents>()),
      list_(std::move(list)),
      names_(std::move(names)),
      wake_(std::move(wake)) {
  platform_.events = noEvents_.get();
  thread_ = std::thread([this] { Work(); });
}

CommunitySizes::~CommunitySizes() {
  stop_ = true;
  thread_.join();
}

std::vector<MeasuredEntry> CommunitySizes::Take() {
  const std::lock_guard lock(mutex_);
  return std::exchange(measured_, {});
}

void CommunitySizes::Work() {
  QuietRunHost host(stop_);
  cleaning::Choices choices;
  choices.communityList = list_;
  for (std::size_t index = 0; index < names_.size() && !stop_; ++index) {
    choices.community = {names_[index]};
    MeasuredEntry measured{index, false, 0};
    try {
      const cleaning::PreviewResult result = cleaning::Preview(platform_, host).Walk(choices);
      for (const cleaning::PreviewLocation& location : result.locations) {
        measured.found = measured.found || location.outcome == cleaning::Outcome::Emptied;
        measured.bytes += location.bytes;
      }
    } catch (...) {
      // an entry that cannot be walked shows nothing found, as a run would find nothing there
    }
    if (stop_) return;
    {
      const std::lock_guard lock(mutex_);
      measured_.push_back(measured);
    }
    if (wake_) wake_();
  }
}

}  // namespace vantrelle
