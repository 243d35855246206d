#include "window/community/WeeklyListCheck.h"

#include <charconv>
#include <utility>

#include "base/Texts.h"
#include "platform/Clock.h"
#include "settings/CommunityChoices.h"
#include "settings/CommunitySource.h"
#include "settings/Settings.h"

namespace vantrelle {

bool WeeklyCheckDue(const settings::CommunitySource& source, const std::string& lastCheck, platform::FileTime now) {
  if (!source.CanDownload() || !source.weeklyCheck) return false;
  platform::FileTime last = 0;
  const auto [end, error] = std::from_chars(lastCheck.data(), lastCheck.data() + lastCheck.size(), last);
  if (lastCheck.empty() || error != std::errc() || end != lastCheck.data() + lastCheck.size()) return true;
  return last > now || now - last >= kWeeklyCheckInterval;
}

bool WeeklyListCheck::Start(std::function<void()> wake) {
  if (std::exchange(started_, true)) return false;
  const auto source = settings::ReadCommunitySource(platform_);
  startedAt_ = platform_.clock->FileTimeNow();
  std::string lastCheck;
  try {
    lastCheck = settings::Get(*platform_.settings, settings::kCommunityLastCheck);
  } catch (...) {
    // Unreadable: as if there had been none.
  }
  if (!WeeklyCheckDue(source, lastCheck, startedAt_)) return false;
  ListDownloadThread::Request request;
  request.address = source.address;
  request.readCurrent = true;
  request.places = {source.enabled, source.file};
  request.replace = community::Replace::OnlyNewer;
  try {
    download_ = std::make_unique<ListDownloadThread>(platform_, std::move(request), std::move(wake));
  } catch (const std::exception&) {
    return false;  // no thread to be had: the next start tries again
  }
  return true;
}

std::optional<std::string> WeeklyListCheck::Poll() {
  if (!download_) return std::nullopt;
  auto outcome = download_->TakeOutcome();
  if (!outcome) return std::nullopt;
  download_.reset();
  if (!outcome->replaced && !outcome->notNewer) return std::string();  // failed or stopped: next start again
  try {
    settings::Save(*platform_.settings, settings::kCommunityLastCheck, std::to_string(startedAt_));
  } catch (...) {
    // Not stored: the check runs again at the next start, which does no harm.
  }
  return Said(*outcome);
}

std::string WeeklyListCheck::Said(const community::DownloadOutcome& outcome) const {
  if (!outcome.replaced) return {};
  const Locale& locale = *platform_.locale;
  const auto version = outcome.list->Version();
  std::string said = version.empty() ? Text(locale, TextId::CommunityListUpdatedNoVersion)
                                     : Text(locale, TextId::CommunityListUpdated, {version});
  // The download named every entry the new list lacks; the person hears of those they chose.
  std::vector<std::string> chosenGone;
  try {
    for (const std::string& name : outcome.gone) {
      if (settings::kCommunityChoices.Chosen(*platform_.settings, name)) chosenGone.push_back(name);
    }
  } catch (...) {
    chosenGone.clear();  // the store could not be read: the update is still said
  }
  if (!chosenGone.empty()) said.append(" ").append(community::ChosenGoneText(locale, chosenGone));
  return said;
}

}  // namespace vantrelle
