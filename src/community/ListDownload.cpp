#include "community/ListDownload.h"

#include <charconv>
#include <cstdint>
#include <optional>

#include "base/SizeText.h"
#include "base/Texts.h"
#include "community/ListFile.h"
#include "platform/Platform.h"
#include "platform/TextFiles.h"

namespace vantrelle::community {

namespace {

std::optional<std::uint64_t> VersionNumber(std::string_view version) {
  std::uint64_t number = 0;
  const auto [end, error] = std::from_chars(version.data(), version.data() + version.size(), number);
  if (version.empty() || error != std::errc() || end != version.data() + version.size()) return std::nullopt;
  return number;
}

// The reason inside the sentence, without the full stop many system messages end with.
std::string Failed(const Locale& locale, std::string reason) {
  while (!reason.empty() && (reason.back() == '.' || reason.back() == ' ')) reason.pop_back();
  return Text(locale, TextId::CommunityDownloadFailed, {reason});
}

}  // namespace

bool IsNewerVersion(std::string_view fetched, const List* current) {
  if (!current) return true;
  const auto fetchedNumber = VersionNumber(fetched);
  if (!fetchedNumber) return false;
  const auto currentNumber = VersionNumber(current->Version());
  return !currentNumber || *fetchedNumber > *currentNumber;
}

DownloadOutcome DownloadList(const platform::Platform& platform, const std::string& address,
                             const std::shared_ptr<const List>& current, const std::vector<std::string>& chosenBefore,
                             const std::function<void(const platform::DownloadProgress&)>& progress,
                             const std::function<bool()>& keepGoing, Replace replace) {
  const Locale& locale = *platform.locale;
  DownloadOutcome outcome;
  const auto fail = [&](std::string reason) {
    outcome.message = Failed(locale, std::move(reason));
    return outcome;
  };
  if (!platform.downloads) return fail(Text(locale, TextId::CommunityDownloadUnavailable));
  const std::string target = PersonsList(platform);
  if (target.empty()) return fail(Text(locale, TextId::CommunityDownloadNoFolder));

  auto fetched = platform.downloads->Fetch(address, kLargestList, progress, keepGoing);
  if (fetched.stopped || (fetched.complete && !keepGoing())) {
    outcome.stopped = true;
    return outcome;
  }
  if (!fetched.complete) return fail(std::move(fetched.error));
  // The service keeps to the bound; a body beyond it is refused here all the same.
  if (fetched.body.size() > kLargestList)
    return fail(Text(locale, TextId::DownloadTooLarge, {ByteSizeText(locale, kLargestList)}));

  auto list = std::make_shared<const List>(ReadList(fetched.body));
  if (list->Entries().empty()) return fail(Text(locale, TextId::CommunityDownloadNotAList));
  if (list->OfferedCount() == 0) return fail(Text(locale, TextId::CommunityDownloadNoEntries));
  if (replace == Replace::OnlyNewer && !IsNewerVersion(list->Version(), current.get())) {
    outcome.notNewer = true;
    return outcome;
  }
  if (!platform.textFiles->Write(target, fetched.body)) {
    return fail(Text(locale, TextId::CommunityDownloadNotSaved, {target}));
  }
  outcome.replaced = true;
  for (const std::string& name : chosenBefore) {
    if (!list->Find(name)) outcome.gone.push_back(name);
  }
  outcome.list = std::move(list);
  return outcome;
}

std::string ChosenGoneText(const Locale& locale, const std::vector<std::string>& gone) {
  if (gone.empty()) return {};
  std::string names;
  for (const std::string& name : gone) names.append(names.empty() ? "" : ", ").append(name);
  return Text(locale, gone.size() == 1 ? TextId::CommunityChosenGoneOne : TextId::CommunityChosenGoneMany,
              {std::to_string(gone.size()), names});
}

}  // namespace vantrelle::community
