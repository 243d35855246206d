#pragma once
// Text helpers for the logic's UTF-8 strings. Case is folded for ASCII letters only, which is what
// every comparison of the program needs (folder names such as "temp", weekday names, drive letters).
#include <string>
#include <string_view>

namespace vantrelle {

std::string ToLower(std::string_view text);
std::string ToUpper(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// Orders texts ignoring case, for maps keyed by names the registry compares that way.
struct LessNoCase {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};
// A file name against a pattern where "*" stands for any run of characters and "?" for one, as the
// system matches names ("thumbcache_*.db"), ignoring case.
bool MatchesNoCase(std::string_view name, std::string_view pattern);
// Blanks (spaces only) removed at both ends.
std::string TrimSpaces(std::string_view text);
// The last `count` characters (bytes), or the whole text when shorter.
std::string_view Right(std::string_view text, std::size_t count);

}  // namespace vantrelle
