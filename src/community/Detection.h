#pragma once
// Whether an entry's program is on this computer, as the list's detection keys say: an entry is
// offered when any Detect key exists (the person's key, or the machine's in either registry view),
// any DetectFile path exists, or its SpecialDetect browser has a profile folder, and DetectOS holds.
// An entry without detection keys is offered. Nothing is changed and no link is followed.
#include <string>
#include <unordered_map>
#include <vector>

#include "community/List.h"
#include "community/Places.h"
#include "platform/FileServices.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::community {

// Asks the registry and the file system for one list's entries after another; keeps the listing of
// each folder a variable names (where most paths of an absent program already end), held open while
// it is read. Used on one thread.
class Detector {
 public:
  Detector(const platform::Platform& platform, const Places& places);
  bool Detected(const List& list, const Entry& entry);

 private:
  bool OsHolds(const Entry& entry);
  bool KeyExists(const RegistryDetect& detect);
  bool PathExists(const PlacedFolder& placed);
  const std::vector<platform::DirectoryEntry>& Listing(const std::string& folder);

  const platform::Platform& platform_;
  const Places& places_;
  std::unordered_map<std::string, std::vector<platform::DirectoryEntry>> listings_;  // by the folder's path
};

}  // namespace vantrelle::community
