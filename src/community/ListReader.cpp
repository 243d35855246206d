// One pass over the file's lines, as an INI reader streams them: each key is judged as it comes and a
// problem is counted by its line, never fatal. Every name and value stays a view into the text.
#include <algorithm>
#include <charconv>
#include <unordered_set>

#include "base/Strings.h"
#include "community/Forms.h"
#include "community/List.h"
#include "community/Refusals.h"

namespace vantrelle::community {

namespace {

// Longer lines are no key of the format (its longest path would fit many times over).
constexpr std::size_t kLongestLine = 32 * 1024;
// How much of a line a problem shows.
constexpr std::size_t kShownLine = 120;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

enum class KeyKind : std::uint8_t {
  LangSecRef,
  Section,
  Detect,
  DetectFile,
  DetectOs,
  SpecialDetect,
  Default,
  Warning,
  FileKey,
  ExcludeKey,
  RegKey,
};

struct KnownKey {
  std::string_view base;
  KeyKind kind;
  bool numbered;    // may carry a number ("FileKey3")
  bool unnumbered;  // may go without one ("Detect")
};

constexpr KnownKey kKeys[] = {
    {"LangSecRef", KeyKind::LangSecRef, false, true}, {"Section", KeyKind::Section, false, true},
    {"Detect", KeyKind::Detect, true, true},          {"DetectFile", KeyKind::DetectFile, true, true},
    {"DetectOS", KeyKind::DetectOs, false, true},     {"SpecialDetect", KeyKind::SpecialDetect, false, true},
    {"Default", KeyKind::Default, false, true},       {"Warning", KeyKind::Warning, false, true},
    {"FileKey", KeyKind::FileKey, true, false},       {"ExcludeKey", KeyKind::ExcludeKey, true, false},
    {"RegKey", KeyKind::RegKey, true, false},
};

constexpr std::pair<std::string_view, Browser> kBrowsers[] = {{"DET_CHROME", Browser::Chrome},
                                                              {"DET_MOZILLA", Browser::Mozilla},
                                                              {"DET_THUNDERBIRD", Browser::Thunderbird},
                                                              {"DET_OPERA", Browser::Opera}};

constexpr std::pair<std::string_view, RegistryRoot> kRegistryRoots[] = {
    {"HKCU", RegistryRoot::CurrentUser},  {"HKEY_CURRENT_USER", RegistryRoot::CurrentUser},
    {"HKLM", RegistryRoot::LocalMachine}, {"HKEY_LOCAL_MACHINE", RegistryRoot::LocalMachine},
    {"HKCR", RegistryRoot::ClassesRoot},  {"HKEY_CLASSES_ROOT", RegistryRoot::ClassesRoot}};

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Well-formed UTF-8 without NUL, overlong forms or surrogates, as the registry and the wide API take it.
bool ValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == 0) return false;
    if (c < 0x80) {
      ++i;
      continue;
    }
    std::size_t length = 0;
    std::uint32_t code = 0;
    if ((c & 0xE0) == 0xC0) {
      length = 2, code = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      length = 3, code = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      length = 4, code = c & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

bool HasControl(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

std::optional<std::uint32_t> Number(std::string_view digits) {
  std::uint32_t value = 0;
  if (digits.empty() || digits.size() > 9) return std::nullopt;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

// "6.1", "10" or "" (no bound).
bool ReadOsVersion(std::string_view text, std::optional<OsVersion>& version) {
  if (text.empty()) return true;
  const std::size_t dot = text.find('.');
  const auto major = Number(text.substr(0, dot));
  const auto minor = dot == std::string_view::npos ? std::optional<std::uint32_t>(0) : Number(text.substr(dot + 1));
  if (!major || !minor) return false;
  version = OsVersion{*major, *minor};
  return true;
}

struct ReadKey {
  const KnownKey* known = nullptr;
  std::uint32_t number = 0;
  bool hasNumber = false;
};

// "FileKey12" -> FileKey, 12; nothing known for any other name.
ReadKey ReadKeyName(std::string_view name) {
  std::size_t letters = 0;
  while (letters < name.size() &&
         ((name[letters] >= 'a' && name[letters] <= 'z') || (name[letters] >= 'A' && name[letters] <= 'Z'))) {
    ++letters;
  }
  ReadKey key;
  const std::string_view digits = name.substr(letters);
  for (const KnownKey& known : kKeys) {
    if (!EqualsNoCase(known.base, name.substr(0, letters))) continue;
    if (digits.empty()) {
      if (known.unnumbered) key.known = &known;
    } else if (const auto number = Number(digits); number && known.numbered) {
      key = {&known, *number, true};
    }
    break;
  }
  return key;
}

}  // namespace

class ListBuilder {
 public:
  explicit ListBuilder(std::string text) { list_.text_ = std::make_unique<const std::string>(std::move(text)); }

  List Build() {
    std::string_view text = *list_.text_;
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::uint32_t number = 0;
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      std::string_view line = text.substr(0, end);
      text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
      if (line.ends_with('\r')) line.remove_suffix(1);
      ++number;
      ReadLine(line, number);
    }
    EndEntry();
    SetAsideSecondEntries();
    std::stable_sort(list_.problems_.begin(), list_.problems_.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    return std::move(list_);
  }

 private:
  void ReadLine(std::string_view line, std::uint32_t number) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.starts_with('[')) {
      // A header that cannot be read opens no entry: its keys must never join the entry before it.
      EndEntry();
      ignoring_ = true;
      if (line.size() > kLongestLine) return AddProblem(number, {}, line, Reason::LineTooLong);
      if (!ValidUtf8(line)) return AddProblem(number, {}, line, Reason::NotUtf8);
      return ReadHeader(trimmed, number);
    }
    if (trimmed.empty()) return;
    if (trimmed.starts_with(';') || trimmed.starts_with('#')) {
      if (!seenEntry_ && list_.version_.empty()) ReadVersion(trimmed);
      return;
    }
    if (ignoring_) return;  // told once, at the header
    const std::string_view entry = inEntry_ ? current_.name : std::string_view();
    if (line.size() > kLongestLine) return AddProblem(number, entry, line, Reason::LineTooLong);
    if (!ValidUtf8(line)) return AddProblem(number, entry, line, Reason::NotUtf8);
    if (!inEntry_) return AddProblem(number, {}, line, Reason::OutsideEntry);
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) return AddProblem(number, entry, line, Reason::NotALine);
    ReadKeyLine(Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1)), number);
  }

  void ReadVersion(std::string_view comment) {
    comment = Trim(comment.substr(1));
    constexpr std::string_view kVersion = "Version:";
    if (StartsWithNoCase(comment, kVersion)) list_.version_ = Trim(comment.substr(kVersion.size()));
  }

  void ReadHeader(std::string_view header, std::uint32_t number) {
    if (!header.ends_with(']')) return AddProblem(number, {}, header, Reason::NotALine);
    std::string_view name = Trim(header.substr(1, header.size() - 2));
    if (name.ends_with('*')) name = Trim(name.substr(0, name.size() - 1));
    if (name.empty() || HasControl(name)) return AddProblem(number, {}, header, Reason::NotALine);
    seenEntry_ = true;
    inEntry_ = true;
    ignoring_ = false;
    current_ = Entry{};
    current_.name = name;
    current_.line = number;
  }

  void Refuse(std::string_view key, std::string_view value, Reason reason, std::uint32_t line) {
    refused_.push_back({key, value, reason, line});
  }

  void ReadKeyLine(std::string_view name, std::string_view value, std::uint32_t line) {
    const ReadKey key = ReadKeyName(name);
    if (!key.known) return Refuse(name, value, Reason::UnknownKey, line);
    const auto kind = static_cast<std::uint64_t>(key.known->kind);
    if (!seenKeys_.insert(kind << 32 | (key.hasNumber ? key.number : 0xFFFFFFFFu)).second) {
      return Refuse(name, value, Reason::SecondKey, line);
    }
    const Reason reason = ReadValue(key.known->kind, name, value);
    if (reason != Reason::None) Refuse(name, value, reason, line);
  }

  Reason ReadValue(KeyKind kind, std::string_view name, std::string_view value) {
    switch (kind) {
      case KeyKind::LangSecRef: {
        const auto number = Number(value);
        if (!number) return Reason::UnknownValue;
        current_.langSecRef = *number;
        return Reason::None;
      }
      case KeyKind::Section:
        if (value.empty() || HasControl(value)) return Reason::UnknownValue;
        current_.section = value;
        return Reason::None;
      case KeyKind::Warning: current_.warning = value; return Reason::None;
      case KeyKind::Default: return Reason::None;  // nothing is chosen before the person chooses it
      case KeyKind::RegKey: current_.hasRegistryKeys = true; return Reason::None;
      case KeyKind::Detect: return ReadRegistryDetect(value);
      case KeyKind::DetectFile: {
        FolderForm form;
        const Reason reason = ReadFolder(value, form);
        if (reason == Reason::None) fileDetects_.push_back(form);
        return reason;
      }
      case KeyKind::DetectOs: return ReadDetectOs(value);
      case KeyKind::SpecialDetect:
        for (const auto& [known, browser] : kBrowsers) {
          if (!EqualsNoCase(known, value)) continue;
          current_.browsers |= static_cast<std::uint8_t>(1u << static_cast<unsigned>(browser));
          return Reason::None;
        }
        return Reason::UnknownValue;
      case KeyKind::FileKey: return ReadFileKey(name, value);
      case KeyKind::ExcludeKey: {
        const Reason reason = ReadExcludeKey(name, value);
        exclusionUnread_ = exclusionUnread_ || reason != Reason::None;
        return reason;
      }
    }
    return Reason::UnknownKey;
  }

  Reason ReadRegistryDetect(std::string_view value) {
    const std::size_t slash = value.find('\\');
    const std::string_view root = value.substr(0, slash);
    const std::string_view subKey = slash == std::string_view::npos ? std::string_view() : value.substr(slash + 1);
    for (const auto& [name, known] : kRegistryRoots) {
      if (!EqualsNoCase(name, root)) continue;
      if (HasControl(subKey)) return Reason::UnknownValue;
      registryDetects_.push_back({known, subKey});
      return Reason::None;
    }
    return Reason::UnknownValue;
  }

  Reason ReadDetectOs(std::string_view value) {
    Pieces pieces(value);
    const auto least = pieces.Next(), most = pieces.Next();
    std::optional<OsVersion> from, to;
    if (!least || !most || pieces.Next() || (least->empty() && most->empty()) || !ReadOsVersion(*least, from) ||
        !ReadOsVersion(*most, to)) {
      return Reason::UnknownValue;
    }
    current_.hasOs = true;
    if (from) current_.osLeast = *from;
    if (to) current_.osMost = *to;
    return Reason::None;
  }

  Reason ReadFileKey(std::string_view name, std::string_view value) {
    FileRule rule;
    Reason reason = ReadFileRule(value, rule);
    if (reason == Reason::None) reason = Refusal(rule);
    if (reason != Reason::None) return reason;
    rule.key = name;
    fileRules_.push_back(rule);
    fileValues_.push_back(value);
    return Reason::None;
  }

  Reason ReadExcludeKey(std::string_view name, std::string_view value) {
    std::optional<FileRule> kept;
    const Reason reason = ReadExclusion(value, kept);
    if (reason != Reason::None || !kept) return reason;
    kept->key = name;
    exclusions_.push_back(*kept);
    return Reason::None;
  }

  void AddProblem(std::uint32_t line, std::string_view entry, std::string_view text, Reason reason) {
    // Cut where a character starts; a line that is no UTF-8 is not shown at all.
    std::size_t shown = reason == Reason::NotUtf8 ? 0 : std::min(text.size(), kShownLine);
    while (shown > 0 && shown < text.size() && (static_cast<unsigned char>(text[shown]) & 0xC0) == 0x80) --shown;
    list_.problems_.push_back({line, entry, text.substr(0, shown), reason});
  }

  template <class T>
  static Range Append(std::vector<T>& table, std::vector<T>& from) {
    const Range range{static_cast<std::uint32_t>(table.size()), static_cast<std::uint32_t>(from.size())};
    table.insert(table.end(), from.begin(), from.end());
    from.clear();
    return range;
  }

  void EndEntry() {
    if (inEntry_) {
      if (exclusionUnread_) {
        // What an exclusion meant to keep is unknown: none of the entry's rules may delete.
        for (std::size_t i = 0; i < fileRules_.size(); ++i) {
          refused_.push_back({fileRules_[i].key, fileValues_[i], Reason::ExclusionNotUnderstood, current_.line});
        }
        fileRules_.clear();
      }
      if (fileRules_.empty()) {
        current_.notOffered = Reason::NoUsableFileRule;
        AddProblem(current_.line, current_.name, {}, Reason::NoUsableFileRule);
      }
      current_.fileRules = Append(list_.fileRules_, fileRules_);
      current_.exclusions = Append(list_.exclusions_, exclusions_);
      current_.registryDetects = Append(list_.registryDetects_, registryDetects_);
      current_.fileDetects = Append(list_.fileDetects_, fileDetects_);
      current_.refused = Append(list_.refused_, refused_);
      list_.entries_.push_back(current_);
    }
    inEntry_ = false;
    fileValues_.clear();
    fileRules_.clear();
    exclusions_.clear();
    registryDetects_.clear();
    fileDetects_.clear();
    refused_.clear();
    seenKeys_.clear();
    exclusionUnread_ = false;
  }

  // The first entry of a name counts; a later one of the same name (ignoring case) is set aside.
  void SetAsideSecondEntries() {
    auto& entries = list_.entries_;
    std::vector<std::uint32_t> order(entries.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return LessNoCase()(entries[a].name, entries[b].name); });
    for (std::size_t i = 1; i < order.size(); ++i) {
      Entry& entry = entries[order[i]];
      if (!EqualsNoCase(entries[order[i - 1]].name, entry.name)) continue;
      if (entry.notOffered == Reason::NoUsableFileRule) {
        std::erase_if(list_.problems_, [&](const Problem& problem) {
          return problem.line == entry.line && problem.reason == Reason::NoUsableFileRule;
        });
      }
      entry.notOffered = Reason::SecondEntry;
      AddProblem(entry.line, entry.name, {}, Reason::SecondEntry);
    }
    std::erase_if(order, [&](std::uint32_t index) { return !entries[index].Offered(); });
    list_.byName_ = std::move(order);
  }

  List list_;
  Entry current_;
  bool inEntry_ = false;
  bool ignoring_ = false;  // after a header that could not be read
  bool seenEntry_ = false;
  bool exclusionUnread_ = false;
  // The entry being read: its keys until it ends.
  std::vector<FileRule> fileRules_, exclusions_;
  std::vector<std::string_view> fileValues_;  // each accepted file rule's value, as written
  std::vector<RegistryDetect> registryDetects_;
  std::vector<FolderForm> fileDetects_;
  std::vector<RefusedKey> refused_;
  std::unordered_set<std::uint64_t> seenKeys_;  // kind and number of each key read
};

List ReadList(std::string text) { return ListBuilder(std::move(text)).Build(); }

std::size_t List::OfferedCount() const { return byName_.size(); }

const Entry* List::Find(std::string_view name) const {
  const auto found = std::lower_bound(
      byName_.begin(), byName_.end(), name,
      [&](std::uint32_t index, std::string_view key) { return LessNoCase()(entries_[index].name, key); });
  if (found == byName_.end() || !EqualsNoCase(entries_[*found].name, name)) return nullptr;
  return &entries_[*found];
}

}  // namespace vantrelle::community
