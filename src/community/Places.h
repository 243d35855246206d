#pragma once
// Where the list's variables lead on this computer, asked of the known-folder API (never of
// environment strings, which whoever starts the program can set), and the person's own folders no
// rule may reach.
#include <array>
#include <string>
#include <vector>

#include "community/List.h"
#include "community/Refusals.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::community {

struct Places {
  // Each variable's folders without a trailing "\": none where the system names none; the program
  // folders' 64-bit one first, then the 32-bit one.
  std::array<std::vector<std::string>, kVariableCount> folders;
  std::string userName;          // what %UserName% stands for
  std::vector<std::string> own;  // Desktop, Documents, ..., where the shell says they are
  const std::vector<std::string>& Of(Variable variable) const { return folders[static_cast<std::size_t>(variable)]; }
  OwnFolders Own() const { return {own}; }
};

Places FindPlaces(const platform::Platform& platform);

// A folder of the list on this computer: where its variable leads, and its parts below that with
// %UserName% put in (patterns still patterns).
struct PlacedFolder {
  std::string base;
  std::vector<std::string> parts;
  std::string Path() const;  // base and parts joined
};

// One for each folder the form's variable names here; none where the system names none, or where a
// part holds %UserName% and the user's name is unknown.
std::vector<PlacedFolder> Place(const Places& places, const FolderForm& form);

}  // namespace vantrelle::community
