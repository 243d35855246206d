#pragma once
// Folders a list's path names, found level by level from a folder held open: each part is matched
// against what its parent lists (a part with "*" or "?" as a pattern, any other as a name, ignoring
// case), each folder is opened through the parent that listed it, and a link is never entered.
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/FileServices.h"

namespace vantrelle::community {

// A folder found, opened as itself; returns false to end the search.
using FoundFolder = std::function<bool(const std::string& path, std::unique_ptr<platform::OpenEntry> folder)>;

// `top` (no pattern in it, no trailing "\") opened to be searched, without the right to delete it;
// nothing when it is missing, no folder, or a link.
std::unique_ptr<platform::OpenEntry> OpenTop(platform::FileServices& files, const std::string& top);

// Calls `found` with each folder that `top` followed by `parts` names, in the order the file system
// lists them, until it returns false; with no parts, `top` itself.
void FindFolders(platform::FileServices& files, const std::string& top, std::span<const std::string> parts,
                 const FoundFolder& found);

// Whether `top` followed by `parts` names anything: the last part is matched against every name its
// folder lists, a file's or a link's too.
bool AnyEntry(platform::FileServices& files, const std::string& top, std::span<const std::string> parts);

// A part names `name`: as a pattern when it holds "*" or "?", else as the same name.
bool PartMatches(std::string_view name, std::string_view part);

// `folder` and `name` joined by one "\" ("C:\" keeps its own).
std::string Joined(const std::string& folder, std::string_view name);

}  // namespace vantrelle::community
