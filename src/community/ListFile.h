#pragma once
// Where the community's list comes from: winapp2.ini beside the program (where an administrator can
// put a curated one), else the person's copy in "Vantrelle" of their local application data.
// Vantrelle ships none.
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
  std::string path;                  // the file used; "" when neither exists
  bool unreadable = false;           // it exists but could not be read
  std::shared_ptr<const List> list;  // once read
};

// The places looked at, in order: beside the program, then the person's copy ("" where the system
// names no local application data).
std::string ListBesideProgram(const platform::Platform& platform);
std::string PersonsList(const platform::Platform& platform);

// Reads the first of them that exists.
ListFile LoadList(const platform::Platform& platform);

}  // namespace vantrelle::community
