#pragma once
// The community's cleaning list (winapp2.ini) as read: its entries, each with the keys that were
// understood and those refused with their reason, and the lines that could not be read at all. The
// list keeps the file's text; every name and value is a view into it.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrelle::community {

// Where a folder of the list starts: one of the format's variables.
enum class Variable : std::uint8_t {
  // the person's
  AppData,
  LocalAppData,
  LocalLowAppData,
  UserProfile,
  Temp,
  // the person's own files
  Documents,
  Pictures,
  Music,
  Video,
  // the machine's
  Public,
  ProgramData,
  CommonAppData,
  ProgramFiles,
  CommonProgramFiles,
  WinDir,
  SystemDrive,
};
inline constexpr std::size_t kVariableCount = static_cast<std::size_t>(Variable::SystemDrive) + 1;

// Why a key, a line or an entry is not used.
enum class Reason : std::uint8_t {
  None,
  // refused whatever the file says (the refusal table)
  TooBroad,
  PersonsOwnFiles,
  OutsideProfile,
  CouldReachAnyFolder,
  UnsafeForm,
  // not understood
  NoPipe,
  UnknownFlag,
  UnknownVariable,
  NoPattern,
  UnknownKey,
  UnknownValue,
  SecondKey,
  ExclusionNotUnderstood,  // a file rule of an entry whose exclusion could not be read
  // lines
  LineTooLong,
  NotUtf8,
  OutsideEntry,
  NotALine,
  // whole entries
  NoUsableFileRule,
  SecondEntry,
};

// Refused for what it would reach rather than for its form: the person sees these as "partly refused".
inline bool RefusedForSafety(Reason reason) {
  return reason == Reason::TooBroad || reason == Reason::PersonsOwnFiles || reason == Reason::OutsideProfile ||
         reason == Reason::CouldReachAnyFolder;
}

// A folder as the list names it: a variable and the parts below it ("Foo\*\Cache"), each a name or a
// pattern of "*" and "?". `below` has no leading or trailing "\" and is "" for the variable's folder.
struct FolderForm {
  Variable start = Variable::LocalAppData;
  std::string_view below;
};

// FileKeyN: what goes in a folder. As an exclusion (ExcludeKeyN), what stays: `recurse` for PATH (the
// folder and below), not for FILE (the folder alone).
struct FileRule {
  FolderForm folder;
  std::string_view patterns;  // ";"-separated, none empty
  bool recurse = false;       // sub-folders too (RECURSE, REMOVESELF)
  bool removeSelf = false;    // emptied sub-folders and the folder itself go (REMOVESELF)
  std::string_view key;       // "FileKey3", as written
};

enum class RegistryRoot : std::uint8_t { CurrentUser, LocalMachine, ClassesRoot };

// DetectN: a registry key whose existence says the program is there.
struct RegistryDetect {
  RegistryRoot root = RegistryRoot::CurrentUser;
  std::string_view subKey;
};

// SpecialDetect: a browser whose profile folder says it is there.
enum class Browser : std::uint8_t { Chrome, Mozilla, Thunderbird, Opera };

// A Windows version as DetectOS writes it, major.minor.
struct OsVersion {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  friend auto operator<=>(const OsVersion&, const OsVersion&) = default;
};

// A key not used, with why.
struct RefusedKey {
  std::string_view key;    // "FileKey3"
  std::string_view value;  // as written
  Reason reason = Reason::None;
  std::uint32_t line = 0;
};

// A line read as no part of an entry, or an entry not offered, with why.
struct Problem {
  std::uint32_t line = 0;
  std::string_view entry;  // the entry's name, "" for a line outside any entry
  std::string_view text;   // the line, cut short
  Reason reason = Reason::None;
};

// Indices [first, first + count) into one of the list's tables.
struct Range {
  std::uint32_t first = 0;
  std::uint32_t count = 0;
};

struct Entry {
  std::string_view name;     // without the trailing " *"
  std::string_view section;  // Section=, "" when the entry has none
  std::uint32_t langSecRef = 0;
  std::string_view warning;
  std::uint32_t line = 0;  // its header's
  bool hasRegistryKeys = false;
  bool hasOs = false;  // DetectOS, between `osLeast` and `osMost`
  OsVersion osLeast;
  OsVersion osMost{~0u, ~0u};
  std::uint8_t browsers = 0;  // SpecialDetect, one bit per Browser
  Range fileRules, exclusions, registryDetects, fileDetects, refused;
  Reason notOffered = Reason::None;  // NoUsableFileRule or SecondEntry
  bool Offered() const { return notOffered == Reason::None; }
  bool HasDetection() const { return registryDetects.count != 0 || fileDetects.count != 0 || browsers != 0; }
};

class List {
 public:
  List() = default;
  List(List&&) = default;
  List& operator=(List&&) = default;

  // "260730", from the header's "; Version:" line; "" when it has none.
  std::string_view Version() const { return version_; }
  std::span<const Entry> Entries() const { return entries_; }
  std::size_t OfferedCount() const;
  std::span<const FileRule> FileRules(const Entry& entry) const { return Of(fileRules_, entry.fileRules); }
  std::span<const FileRule> Exclusions(const Entry& entry) const { return Of(exclusions_, entry.exclusions); }
  std::span<const RegistryDetect> RegistryDetects(const Entry& entry) const {
    return Of(registryDetects_, entry.registryDetects);
  }
  std::span<const FolderForm> FileDetects(const Entry& entry) const { return Of(fileDetects_, entry.fileDetects); }
  std::span<const RefusedKey> Refused(const Entry& entry) const { return Of(refused_, entry.refused); }
  // Lines that are no part of an entry and entries not offered, in the file's order.
  std::span<const Problem> Problems() const { return problems_; }
  // The offered entry of that name (compared ignoring case), or nullptr.
  const Entry* Find(std::string_view name) const;

 private:
  friend class ListBuilder;
  template <class T>
  static std::span<const T> Of(const std::vector<T>& table, Range range) {
    return std::span<const T>(table).subspan(range.first, range.count);
  }

  std::unique_ptr<const std::string> text_;  // the file's text, which every view points into: never moves
  std::string_view version_;
  std::vector<Entry> entries_;
  std::vector<std::uint32_t> byName_;  // offered entries' indices, sorted by name ignoring case
  std::vector<FileRule> fileRules_, exclusions_;
  std::vector<RegistryDetect> registryDetects_;
  std::vector<FolderForm> fileDetects_;
  std::vector<RefusedKey> refused_;
  std::vector<Problem> problems_;
};

// Reads a list from the file's text, whatever it holds: a problem costs the smallest part it can (a
// key, a line, an entry), and nothing in the text makes a rule reach further than the refusal table
// allows. UTF-8 with or without a byte-order mark, CRLF or LF line ends.
List ReadList(std::string text);

}  // namespace vantrelle::community
