#include "window/community/EntryDetails.h"

#include <string_view>
#include <vector>

#include "base/Texts.h"
#include "community/EntryTexts.h"

namespace vantrelle {

namespace {

constexpr std::string_view kItem = "\n  \xE2\x80\xA2 ";  // a bullet on a line of its own

bool AllFiles(std::string_view patterns) { return patterns == "*" || patterns == "*.*"; }

// "*.log;*.tmp" as "*.log, *.tmp".
std::string PatternList(std::string_view patterns) {
  std::string listed;
  for (const char c : patterns) {
    if (c == ';') {
      listed.append(", ");
    } else {
      listed.push_back(c);
    }
  }
  return listed;
}

// One line per folder the rule leads to here, or one saying it leads nowhere.
std::vector<std::string> RuleLines(const Locale& locale, const community::Places& places,
                                   const community::FileRule& rule) {
  std::vector<std::string> lines;
  for (const community::PlacedFolder& folder : community::Place(places, rule.folder)) {
    std::string line = AllFiles(rule.patterns)
                           ? Text(locale, TextId::CommunityRuleAllFiles, {folder.Path()})
                           : Text(locale, TextId::CommunityRuleFiles, {PatternList(rule.patterns), folder.Path()});
    if (rule.recurse) line = Text(locale, TextId::CommunityRuleBelow, {line});
    if (rule.removeSelf) line = Text(locale, TextId::CommunityRuleRemoveSelf, {line});
    lines.push_back(std::move(line));
  }
  if (lines.empty()) lines.push_back(Text(locale, TextId::CommunityRuleNowhere, {std::string(rule.key)}));
  return lines;
}

void AddSection(std::string& details, const std::string& heading, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  details.append("\n").append(heading);
  for (const std::string& line : lines) details.append(kItem).append(line);
}

}  // namespace

std::string CommunityEntryDetails(const Locale& locale, const community::List& list, const community::Places& places,
                                  const community::Entry& entry) {
  std::string details(entry.name);
  details.append(" (").append(community::CategoryText(locale, entry)).append(")");
  std::vector<std::string> deletes, keeps, notUsed;
  for (const community::FileRule& rule : list.FileRules(entry)) {
    for (std::string& line : RuleLines(locale, places, rule)) deletes.push_back(std::move(line));
  }
  for (const community::FileRule& kept : list.Exclusions(entry)) {
    for (std::string& line : RuleLines(locale, places, kept)) keeps.push_back(std::move(line));
  }
  for (const community::RefusedKey& refused : list.Refused(entry)) {
    notUsed.push_back(
        Text(locale, TextId::CommunityRefusedKey,
             {std::string(refused.key), std::string(refused.value), community::ReasonText(locale, refused.reason)}));
  }
  AddSection(details, Text(locale, TextId::CommunityDetailsDeletes), deletes);
  AddSection(details, Text(locale, TextId::CommunityDetailsKeeps), keeps);
  AddSection(details, Text(locale, TextId::CommunityDetailsNotUsed), notUsed);
  if (entry.hasRegistryKeys) details.append("\n").append(Text(locale, TextId::CommunityRegistryPartsNotCleaned));
  if (!entry.warning.empty()) {
    details.append("\n").append(Text(locale, TextId::CommunityWarning, {std::string(entry.warning)}));
  }
  return details;
}

}  // namespace vantrelle
