#include "community/Forms.h"

#include <array>
#include <utility>

#include "base/Strings.h"

namespace vantrelle::community {

namespace {

constexpr std::array<std::pair<std::string_view, Variable>, kVariableCount> kVariables = {{
    {"AppData", Variable::AppData},
    {"LocalAppData", Variable::LocalAppData},
    {"LocalLowAppData", Variable::LocalLowAppData},
    {"UserProfile", Variable::UserProfile},
    {"Temp", Variable::Temp},
    {"Documents", Variable::Documents},
    {"Pictures", Variable::Pictures},
    {"Music", Variable::Music},
    {"Video", Variable::Video},
    {"Public", Variable::Public},
    {"ProgramData", Variable::ProgramData},
    {"CommonAppData", Variable::CommonAppData},
    {"ProgramFiles", Variable::ProgramFiles},
    {"CommonProgramFiles", Variable::CommonProgramFiles},
    {"WinDir", Variable::WinDir},
    {"SystemDrive", Variable::SystemDrive},
}};

// Characters the system allows in no name; "*" and "?" are the patterns' own.
bool ForbiddenInName(char c) {
  return static_cast<unsigned char>(c) < 0x20 || c == '/' || c == ':' || c == '<' || c == '>' || c == '"' || c == '|';
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A "%Name%" inside a part other than %UserName% would stand for something this program does not
// know; a lone "%" is an ordinary character of a name.
bool HoldsOtherVariable(std::string_view part) {
  for (std::size_t open = part.find('%'); open != std::string_view::npos; open = part.find('%', open + 1)) {
    const std::size_t close = part.find('%', open + 1);
    if (close == std::string_view::npos) return false;
    const std::string_view name = part.substr(open + 1, close - open - 1);
    bool letters = !name.empty();
    for (char c : name) letters = letters && IsLetter(c);
    if (!letters) continue;
    if (!EqualsNoCase(part.substr(open, close - open + 1), kUserNameVariable)) return true;
    open = close;
  }
  return false;
}

template <class Each>
void ForEachPiece(std::string_view text, char separator, Each each) {
  for (;;) {
    const std::size_t end = text.find(separator);
    each(text.substr(0, end));
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + 1);
  }
}

}  // namespace

std::optional<Variable> VariableNamed(std::string_view name) {
  for (const auto& [known, variable] : kVariables) {
    if (EqualsNoCase(known, name)) return variable;
  }
  return std::nullopt;
}

std::string_view VariableName(Variable variable) { return kVariables[static_cast<std::size_t>(variable)].first; }

bool UnsafePart(std::string_view part) {
  if (part.empty() || part == "." || part == "..") return true;
  for (char c : part) {
    if (ForbiddenInName(c) || c == '\\') return true;
  }
  return HoldsOtherVariable(part);
}

bool UnsafePattern(std::string_view pattern) {
  if (pattern == "." || pattern == "..") return true;
  for (char c : pattern) {
    if (ForbiddenInName(c) || c == '\\' || c == ';') return true;
  }
  return false;
}

Reason ReadFolder(std::string_view text, FolderForm& form) {
  // Anything but a variable first (a drive, a share, "\\?\", a relative path) is no place of the
  // person's that this program can name.
  if (!text.starts_with('%')) return Reason::UnsafeForm;
  const std::size_t close = text.find('%', 1);
  if (close == std::string_view::npos) return Reason::UnsafeForm;
  const auto variable = VariableNamed(text.substr(1, close - 1));
  if (!variable) return Reason::UnknownVariable;
  std::string_view below = text.substr(close + 1);
  if (!below.empty()) {
    if (!below.starts_with('\\')) return Reason::UnsafeForm;
    below.remove_prefix(1);
    if (below.ends_with('\\')) below.remove_suffix(1);
  }
  if (!below.empty()) {
    Reason reason = Reason::None;
    ForEachPiece(below, '\\', [&](std::string_view part) {
      if (reason != Reason::None || !UnsafePart(part)) return;
      reason = HoldsOtherVariable(part) ? Reason::UnknownVariable : Reason::UnsafeForm;
    });
    if (reason != Reason::None) return reason;
  }
  form = {*variable, below};
  return Reason::None;
}

Reason ReadPatterns(std::string_view patterns) {
  bool any = false;
  bool unsafe = false;
  ForEachPiece(patterns, ';', [&](std::string_view pattern) {
    if (pattern.empty()) return;
    any = true;
    unsafe = unsafe || UnsafePattern(pattern);
  });
  if (unsafe) return Reason::UnsafeForm;
  return any ? Reason::None : Reason::NoPattern;
}

Reason ReadFileRule(std::string_view value, FileRule& rule) {
  Pieces pieces(value);
  const std::string_view folder = *pieces.Next();
  const auto patterns = pieces.Next();
  if (!patterns) return Reason::NoPipe;
  rule.patterns = *patterns;
  while (const auto flag = pieces.Next()) {
    if (EqualsNoCase(*flag, "RECURSE")) {
      rule.recurse = true;
    } else if (EqualsNoCase(*flag, "REMOVESELF")) {
      rule.recurse = rule.removeSelf = true;
    } else if (!flag->empty()) {
      return Reason::UnknownFlag;
    }
  }
  if (const Reason reason = ReadFolder(folder, rule.folder); reason != Reason::None) return reason;
  return ReadPatterns(rule.patterns);
}

Reason ReadExclusion(std::string_view value, std::optional<FileRule>& kept) {
  Pieces pieces(value);
  const std::string_view kind = *pieces.Next();
  if (EqualsNoCase(kind, "REG")) return Reason::None;
  const bool path = EqualsNoCase(kind, "PATH");
  if (!path && !EqualsNoCase(kind, "FILE")) return Reason::UnknownValue;
  const auto folder = pieces.Next(), patterns = pieces.Next();
  if (!folder || !patterns) return Reason::NoPipe;
  if (pieces.Next()) return Reason::UnknownFlag;
  FileRule rule;
  rule.patterns = *patterns;
  rule.recurse = path;
  if (const Reason reason = ReadFolder(*folder, rule.folder); reason != Reason::None) return reason;
  if (const Reason reason = ReadPatterns(rule.patterns); reason != Reason::None) return reason;
  kept = rule;
  return Reason::None;
}

std::vector<std::string_view> PartsOf(std::string_view below) {
  std::vector<std::string_view> parts;
  if (below.empty()) return parts;
  ForEachPiece(below, '\\', [&](std::string_view part) { parts.push_back(part); });
  return parts;
}

std::vector<std::string_view> PatternsOf(std::string_view patterns) {
  std::vector<std::string_view> each;
  ForEachPiece(patterns, ';', [&](std::string_view pattern) {
    if (!pattern.empty()) each.push_back(pattern);
  });
  return each;
}

bool HasWildcard(std::string_view text) { return text.find_first_of("*?") != std::string_view::npos; }

bool MatchesEveryName(std::string_view pattern) {
  if (pattern.ends_with(".*")) pattern.remove_suffix(2);
  return !pattern.empty() && pattern.find_first_not_of('*') == std::string_view::npos;
}

bool NameMatches(std::string_view name, std::string_view pattern) {
  if (MatchesNoCase(name, pattern)) return true;
  // "name.*" matches "name" as well, as the system's own search does.
  return pattern.ends_with(".*") && MatchesNoCase(name, pattern.substr(0, pattern.size() - 2));
}

bool NameMatchesAny(std::string_view name, std::string_view patterns) {
  bool matched = false;
  ForEachPiece(patterns, ';', [&](std::string_view pattern) {
    matched = matched || (!pattern.empty() && NameMatches(name, pattern));
  });
  return matched;
}

std::optional<std::string_view> Pieces::Next() {
  if (!rest_) return std::nullopt;
  const std::string_view text = *rest_;
  const std::size_t end = text.find('|');
  if (end == std::string_view::npos) {
    rest_.reset();
    return text;
  }
  rest_ = text.substr(end + 1);
  return text.substr(0, end);
}

}  // namespace vantrelle::community
