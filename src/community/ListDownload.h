#pragma once
// The community's list fetched from an address and put in place of the person's copy
// (PersonsList), only once it arrived whole and reads as a list with an entry that can be used: the
// new text is written beside the old file and then replaces it in one step, so the old list stays
// whatever goes wrong. Runs on whichever thread calls it (a download's own, see
// window/community/ListDownloadThread.h); `progress` and `keepGoing` are called on that thread. It
// uses the platform's downloads (without them it says downloading is not available), text files,
// shell (the folder) and locale (the texts), never its settings: the names chosen come in as
// `chosenBefore`.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "community/List.h"
#include "platform/Downloads.h"

namespace vantrelle {
class Locale;
}
namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::community {

enum class Replace {
  Always,     // the person asked for the current list
  OnlyNewer,  // the weekly check: only a list of a higher version than the one there
};

struct DownloadOutcome {
  bool replaced = false;
  bool stopped = false;              // keepGoing said no: nothing changed, nothing to say
  bool notNewer = false;             // a whole, valid list, but not newer than the one there (Replace::OnlyNewer)
  std::string message;               // why nothing changed: "The list could not be downloaded: ..."; "" otherwise
  std::shared_ptr<const List> list;  // the new list, once replaced
  std::vector<std::string> gone;     // of the names chosen before, those the new list does not offer
};

// "260730" newer than the current list's version, both read as numbers. A version that is no number
// is never newer; with no current list, or one without a version, any list is taken.
bool IsNewerVersion(std::string_view fetched, const List* current);

DownloadOutcome DownloadList(const platform::Platform& platform, const std::string& address,
                             const std::shared_ptr<const List>& current, const std::vector<std::string>& chosenBefore,
                             const std::function<void(const platform::DownloadProgress&)>& progress,
                             const std::function<bool()>& keepGoing, Replace replace = Replace::Always);

// "2 chosen entries are no longer in the list: A, B."; "" for none.
std::string ChosenGoneText(const Locale& locale, const std::vector<std::string>& gone);

}  // namespace vantrelle::community
