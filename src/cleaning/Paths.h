#pragma once
// Path texts and the few questions the run asks of a path.
#include <string>
#include <string_view>

namespace vantrelle::platform {
class FileServices;
}

namespace vantrelle::cleaning {

// `text` trimmed of blanks, with `ch` appended unless it already ends in it (ignoring case).
std::string AddTrailingChar(std::string_view text, char ch);
// `text` trimmed of blanks, without one trailing `ch` (ignoring case).
std::string RemoveTrailingChar(std::string_view text, char ch);
// The characters before the first NUL, or all of them.
std::string TextBeforeNull(std::string_view text);

// The path's attributes can be read and have the directory bit.
bool FolderExists(platform::FileServices& files, const std::string& path);
bool PathExists(platform::FileServices& files, const std::string& path);
// The long, proper-cased form of a path without a trailing "\", or "" when a component is missing.
std::string LongPath(platform::FileServices& files, const std::string& path);

}  // namespace vantrelle::cleaning
