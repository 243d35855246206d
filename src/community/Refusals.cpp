#include "community/Refusals.h"

#include <algorithm>
#include <vector>

#include "base/Strings.h"
#include "community/Forms.h"

namespace vantrelle::community {

namespace {

// A rule, its parts, and where it leads on this computer when that is known.
struct Facts {
  const FileRule& rule;
  std::vector<std::string_view> parts;
  std::string_view concrete;
  OwnFolders own;
  std::string_view FirstPart() const { return parts.empty() ? std::string_view() : parts.front(); }
};

// The folders of a profile where a person keeps their own files, by their usual names.
constexpr std::string_view kOwnNames[] = {"Desktop",     "Documents", "My Documents", "Pictures",  "My Pictures",
                                          "Music",       "My Music",  "Videos",       "My Videos", "Downloads",
                                          "Saved Games", "Favorites", "Contacts",     "Links",     "OneDrive"};

bool IsAny(Variable variable, std::initializer_list<Variable> variables) {
  return std::find(variables.begin(), variables.end(), variable) != variables.end();
}

bool DriveRoot(std::string_view path) {
  return (path.size() == 2 || (path.size() == 3 && path[2] == '\\')) && path[1] == ':';
}

bool UnsafeForm(const Facts& facts) {
  for (std::string_view part : facts.parts) {
    if (UnsafePart(part)) return true;
  }
  return ReadPatterns(facts.rule.patterns) != Reason::None;
}

bool TooBroad(const Facts& facts) {
  const FileRule& rule = facts.rule;
  if (DriveRoot(facts.concrete)) return true;
  if (!facts.parts.empty()) return false;
  if (rule.folder.start == Variable::SystemDrive || rule.recurse) return true;
  // Every file directly in a profile's or its application data's own folder is nobody's cache.
  if (!IsAny(rule.folder.start,
             {Variable::UserProfile, Variable::AppData, Variable::LocalAppData, Variable::LocalLowAppData})) {
    return false;
  }
  const auto patterns = PatternsOf(rule.patterns);
  return std::any_of(patterns.begin(), patterns.end(), MatchesEveryName);
}

bool OutsideProfile(const Facts& facts) {
  return IsAny(facts.rule.folder.start,
               {Variable::Public, Variable::ProgramData, Variable::CommonAppData, Variable::ProgramFiles,
                Variable::CommonProgramFiles, Variable::WinDir, Variable::SystemDrive});
}

// A first part that is little but a pattern ("*", "*.*", "M*") matches whatever sits beside the
// program's own folder; "Discord*" or ".gimp-*" names one program's folders.
constexpr std::size_t kLeastNamedCharacters = 3;

bool CouldReachAnyFolder(const Facts& facts) {
  const std::string_view first = facts.FirstPart();
  if (!facts.rule.recurse || !HasWildcard(first)) return false;
  const auto named = std::count_if(first.begin(), first.end(), [](char c) { return c != '*' && c != '?'; });
  return static_cast<std::size_t>(named) < kLeastNamedCharacters;
}

bool PersonsOwnFiles(const Facts& facts) {
  const Variable start = facts.rule.folder.start;
  if (IsAny(start, {Variable::Documents, Variable::Pictures, Variable::Music, Variable::Video})) return true;
  if (start == Variable::UserProfile && !facts.parts.empty()) {
    const std::string_view first = facts.FirstPart();
    // "OneDrive - Contoso" too; a pattern counts when it could name one of them.
    if (StartsWithNoCase(first, "OneDrive")) return true;
    for (std::string_view name : kOwnNames) {
      if (NameMatches(name, first)) return true;
    }
  }
  if (facts.concrete.empty()) return false;
  for (const std::string& own : facts.own.paths) {
    if (InOrBelow(facts.concrete, own) || (facts.rule.recurse && InOrBelow(own, facts.concrete))) return true;
  }
  return false;
}

struct Row {
  Reason reason;
  bool (*refuses)(const Facts&);
};

// In order: the first row that refuses a rule gives its reason.
constexpr Row kRefusals[] = {
    {Reason::UnsafeForm, &UnsafeForm},           {Reason::TooBroad, &TooBroad},
    {Reason::OutsideProfile, &OutsideProfile},   {Reason::CouldReachAnyFolder, &CouldReachAnyFolder},
    {Reason::PersonsOwnFiles, &PersonsOwnFiles},
};

std::string_view WithoutTrailingBackslash(std::string_view path) {
  while (path.size() > 3 && path.ends_with('\\')) path.remove_suffix(1);
  return path;
}

}  // namespace

Reason Refusal(const FileRule& rule, std::string_view concrete, OwnFolders own) {
  const Facts facts{rule, PartsOf(rule.folder.below), WithoutTrailingBackslash(concrete), own};
  for (const Row& row : kRefusals) {
    if (row.refuses(facts)) return row.reason;
  }
  return Reason::None;
}

bool InOrBelow(std::string_view path, std::string_view folder) {
  path = WithoutTrailingBackslash(path);
  folder = WithoutTrailingBackslash(folder);
  if (folder.empty() || !StartsWithNoCase(path, folder)) return false;
  return path.size() == folder.size() || folder.ends_with('\\') || path[folder.size()] == '\\';
}

}  // namespace vantrelle::community
