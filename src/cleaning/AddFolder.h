#pragma once
// The folder-browse dialog for the person's own folder to clean.
#include <string>
#include <string_view>

#include "platform/Shell.h"

namespace vantrelle::AddFolder {

inline constexpr std::string_view kBrowseTitle = "Please select folder:";

// The chosen folder's file-system path, or empty when the person cancels or picks something
// without one. The dialog opens at `startFolder` unless that is empty.
std::string BrowseForFolder(platform::Shell& shell, platform::WindowHandle ownerWindow, const std::string& title,
                            const std::string& startFolder);

// The path with exactly one trailing backslash added when it has none ("C:\" stays as it is).
std::string WithTrailingBackslash(const std::string& path);

}  // namespace vantrelle::AddFolder
