#include "cleaning/Paths.h"

#include <string>

#include "base/Strings.h"
#include "platform/FileServices.h"

namespace vantrelle::cleaning {

namespace {

bool SameCharNoCase(char a, char b) { return EqualsNoCase(std::string_view(&a, 1), std::string_view(&b, 1)); }

bool IsWordSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// First letter of each word upper-case, every other letter lower-case.
std::string ProperCase(std::string_view text) {
  std::string out = ToLower(text);
  bool wordStart = true;
  for (char& c : out) {
    if (wordStart) c = ToUpper(std::string_view(&c, 1))[0];
    wordStart = IsWordSeparator(c);
  }
  return out;
}

}  // namespace

std::string AddTrailingChar(std::string_view text, char ch) {
  std::string out = TrimSpaces(text);
  if (out.empty() || !SameCharNoCase(out.back(), ch)) out += ch;
  return out;
}

std::string RemoveTrailingChar(std::string_view text, char ch) {
  std::string out = TrimSpaces(text);
  if (!out.empty() && SameCharNoCase(out.back(), ch)) out.pop_back();
  return out;
}

std::string TextBeforeNull(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

bool FolderExists(platform::FileServices& files, const std::string& path) {
  try {
    const auto attributes = files.Attributes(path);
    return attributes && (*attributes & platform::attribute::kDirectory) != 0;
  } catch (...) {
    return false;
  }
}

bool PathExists(platform::FileServices& files, const std::string& path) {
  try {
    return files.PathExists(path);
  } catch (...) {
    return false;
  }
}

std::string LongPath(platform::FileServices& files, const std::string& path) {
  try {
    std::string full;
    for (char c : path) {
      if (c != '"') full += c;
    }
    if (full.empty() || full.back() != '\\') full += '\\';
    std::string result;
    // Every component after the drive: "C:\" itself has no long name of its own.
    for (std::size_t i = 3; i < full.size(); ++i) {
      if (full[i] != '\\') continue;
      const auto entry = files.FindEntry(full.substr(0, i));
      if (!entry) return {};
      result += '\\';
      result += ProperCase(entry->name);
    }
    return ToUpper(full.substr(0, 2)) + result;
  } catch (...) {
    return {};
  }
}

}  // namespace vantrelle::cleaning
