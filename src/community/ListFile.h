#pragma once
// Where the community's list comes from: winapp2.ini beside the program (where an administrator can
// put a curated one), else the person's copy in "Vantrelle" of their local application data, unless
// the caller (from the administrator's settings, settings/CommunitySource.h) says to read nothing or
// names the only file to read. Vantrelle ships none.
#include <memory>
#include <string>
#include <string_view>

#include "community/List.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::community {

inline constexpr std::string_view kListFileName = "winapp2.ini";
// A file larger than this is no list (the community's is under 2 MB) and is not read.
inline constexpr std::size_t kLargestList = 64 * 1024 * 1024;

struct ListFile {
  std::string path;                  // the file used; "" when none exists or none is read
  bool unreadable = false;           // it exists but could not be read, or the named file is not there
  std::shared_ptr<const List> list;  // once read
};

// Which files may be read.
struct ListPlaces {
  bool any = true;   // false: none at all
  std::string only;  // when set, this file alone, never the usual places
};

// The places looked at, in order: beside the program, then the person's copy ("" where the system
// names no local application data).
std::string ListBesideProgram(const platform::Platform& platform);
std::string PersonsList(const platform::Platform& platform);

// Reads the first of them that exists, or the file `places` names (which should be there).
ListFile LoadList(const platform::Platform& platform, const ListPlaces& places);

}  // namespace vantrelle::community
