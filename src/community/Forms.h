#pragma once
// What the pieces of a key mean: the variable a folder starts with, its parts, file patterns and how
// a name matches them. Pure text: no folder is looked at here.
#include <optional>
#include <string_view>
#include <vector>

#include "community/List.h"

namespace vantrelle::community {

// The variable of that name ("LocalAppData", without the "%"), ignoring case.
std::optional<Variable> VariableNamed(std::string_view name);
std::string_view VariableName(Variable variable);
// The person's user name, the one variable that may stand inside a part.
inline constexpr std::string_view kUserNameVariable = "%UserName%";

// Reads a folder text ("%LocalAppData%\Foo\*\", a trailing "\" allowed) into its form; the reason
// when it has none (no variable first, an unknown one, an unsafe part).
Reason ReadFolder(std::string_view text, FolderForm& form);
// A part no rule may hold: empty, "." or "..", a character the system does not allow in a name, or a
// "%...%" other than %UserName%.
bool UnsafePart(std::string_view part);
// A pattern no rule may hold: a folder separator, a drive or stream colon, "." or "..".
bool UnsafePattern(std::string_view pattern);
// Reads ";"-separated patterns: NoPattern when none is there, UnsafeForm when one is unsafe.
Reason ReadPatterns(std::string_view patterns);

// A FileKey's value, "folder|patterns[|RECURSE|REMOVESELF]", into its rule (the key's name left
// out); the reason when it cannot be read. The refusal table is not asked here.
Reason ReadFileRule(std::string_view value, FileRule& rule);
// An ExcludeKey's value: "FILE|folder\|patterns" keeps matching files in the folder, "PATH|..." in the
// folder and below; "REG|..." keeps nothing this program would clean, so `kept` stays empty.
Reason ReadExclusion(std::string_view value, std::optional<FileRule>& kept);

// The parts of a folder's `below`, in order.
std::vector<std::string_view> PartsOf(std::string_view below);
// The non-empty patterns of a ";"-separated list, in order.
std::vector<std::string_view> PatternsOf(std::string_view patterns);
bool HasWildcard(std::string_view text);
// A pattern every name matches ("*", "*.*").
bool MatchesEveryName(std::string_view pattern);

// A name against a pattern as the system matches names: "*" any run, "?" one character, ignoring case;
// a trailing ".*" also matches a name without an extension, so "*.*" matches every name.
bool NameMatches(std::string_view name, std::string_view pattern);
// Against any of ";"-separated patterns.
bool NameMatchesAny(std::string_view name, std::string_view patterns);

// One piece of a "|"-separated value at a time.
class Pieces {
 public:
  explicit Pieces(std::string_view text) : rest_(text) {}
  // The next piece; nothing once all are taken.
  std::optional<std::string_view> Next();

 private:
  std::optional<std::string_view> rest_;
};

}  // namespace vantrelle::community
