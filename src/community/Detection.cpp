#include "community/Detection.h"

#include <algorithm>

#include "community/FolderSearch.h"
#include "community/Forms.h"
#include "platform/MachineState.h"
#include "platform/OpenedKey.h"
#include "platform/Platform.h"
#include "platform/Registry.h"

namespace vantrelle::community {

namespace {

constexpr std::uint32_t kQueryValue = 0x0001;  // KEY_QUERY_VALUE
constexpr std::string_view kClasses = "Software\\Classes\\";

struct BrowserProfile {
  Browser browser;
  Variable start;
  std::string_view below;
};

// Where each browser SpecialDetect names keeps its profiles.
constexpr BrowserProfile kBrowserProfiles[] = {
    {Browser::Chrome, Variable::LocalAppData, "Google\\Chrome\\User Data"},
    {Browser::Mozilla, Variable::AppData, "Mozilla\\Firefox"},
    {Browser::Thunderbird, Variable::AppData, "Thunderbird"},
    {Browser::Opera, Variable::AppData, "Opera Software"},
};

}  // namespace

Detector::Detector(const platform::Platform& platform, const Places& places) : platform_(platform), places_(places) {}

bool Detector::Detected(const List& list, const Entry& entry) {
  if (!OsHolds(entry)) return false;
  if (!entry.HasDetection()) return true;
  for (const RegistryDetect& detect : list.RegistryDetects(entry)) {
    if (KeyExists(detect)) return true;
  }
  for (const FolderForm& form : list.FileDetects(entry)) {
    for (const PlacedFolder& placed : Place(places_, form)) {
      if (PathExists(placed)) return true;
    }
  }
  for (const BrowserProfile& profile : kBrowserProfiles) {
    if ((entry.browsers & (1u << static_cast<unsigned>(profile.browser))) == 0) continue;
    for (const PlacedFolder& placed : Place(places_, {profile.start, profile.below})) {
      if (PathExists(placed)) return true;
    }
  }
  return false;
}

bool Detector::OsHolds(const Entry& entry) {
  if (!entry.hasOs || !platform_.machine) return true;
  const auto version = platform_.machine->Version();
  if (!version) return true;  // unknown: the entry's other keys decide
  const OsVersion here{version->major, version->minor};
  return entry.osLeast <= here && here <= entry.osMost;
}

bool Detector::KeyExists(const RegistryDetect& detect) {
  auto& registry = *platform_.registry;
  const auto opens = [&](platform::RegistryRoot root, const std::string& subKey, std::uint32_t view) {
    const platform::OpenedKey key(registry, root, subKey, kQueryValue | view);
    // A key this account may not read is there all the same.
    return key.IsOpen() || key.Status() == platform::RegistryAccessDenied;
  };
  const std::string subKey(detect.subKey);
  using Root = platform::RegistryRoot;
  switch (detect.root) {
    case RegistryRoot::CurrentUser: return opens(Root::CurrentUser, subKey, 0);
    case RegistryRoot::LocalMachine:
      return opens(Root::LocalMachine, subKey, platform::kRegistry64BitView) ||
             opens(Root::LocalMachine, subKey, platform::kRegistry32BitView);
    case RegistryRoot::ClassesRoot: {
      // The merged view of the person's and the machine's classes.
      const std::string classes = std::string(kClasses) + subKey;
      return opens(Root::CurrentUser, classes, 0) || opens(Root::LocalMachine, classes, platform::kRegistry64BitView);
    }
  }
  return false;
}

bool Detector::PathExists(const PlacedFolder& placed) {
  if (placed.parts.empty()) return platform_.files->PathExists(placed.base);
  // The variable's folder is listed once: a program that is not there has no name in it.
  const auto& listing = Listing(placed.base);
  const std::string& first = placed.parts.front();
  // Names compare ignoring the case of ASCII letters only; any other name is asked of the system.
  const bool ascii =
      std::all_of(first.begin(), first.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  const bool named = !ascii || std::any_of(listing.begin(), listing.end(), [&](const platform::DirectoryEntry& entry) {
    return PartMatches(entry.name, first);
  });
  if (!named) return false;
  if (placed.parts.size() == 1) return true;
  const bool patterns =
      std::any_of(placed.parts.begin(), placed.parts.end(), [](const std::string& part) { return HasWildcard(part); });
  if (!patterns) return platform_.files->PathExists(placed.Path());
  return AnyEntry(*platform_.files, placed.base, placed.parts);
}

const std::vector<platform::DirectoryEntry>& Detector::Listing(const std::string& folder) {
  auto found = listings_.find(folder);
  if (found != listings_.end()) return found->second;
  std::vector<platform::DirectoryEntry> entries;
  if (auto opened = OpenTop(*platform_.files, folder)) entries = opened->List();
  return listings_.emplace(folder, std::move(entries)).first->second;
}

}  // namespace vantrelle::community
