#include "commandline/CommunityReport.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "base/SizeText.h"
#include "base/Texts.h"
#include "community/Detection.h"
#include "community/EntryTexts.h"
#include "community/ListFile.h"
#include "community/Places.h"
#include "platform/Environment.h"
#include "platform/Platform.h"
#include "settings/CommunitySource.h"

namespace vantrelle::commandline {

namespace {

using community::Reason;

// Every problem of the list by its line: lines and entries not used, and keys not understood in any
// entry (a key refused for what it would reach is told with its entry, where it is found).
std::string Problems(const Locale& locale, const community::List& list) {
  std::vector<std::pair<std::uint32_t, std::string>> lines;
  for (const community::Problem& problem : list.Problems()) {
    lines.emplace_back(problem.line,
                       Text(locale, TextId::CommunityReportLine,
                            {std::to_string(problem.line), problem.entry.empty() ? problem.text : problem.entry,
                             community::ReasonText(locale, problem.reason)}));
  }
  for (const community::Entry& entry : list.Entries()) {
    for (const community::RefusedKey& key : list.Refused(entry)) {
      if (community::RefusedForSafety(key.reason)) continue;
      lines.emplace_back(key.line, Text(locale, TextId::CommunityReportKey,
                                        {std::to_string(key.line), entry.name, key.key, key.value,
                                         community::ReasonText(locale, key.reason)}));
    }
  }
  std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string text = Text(locale, TextId::CommunityReportProblems) + "\n";
  for (const auto& [line, words] : lines) text += words + "\n";
  if (lines.empty()) text += Text(locale, TextId::CommunityReportNone) + "\n";
  return text;
}

std::string Found(const platform::Platform& platform, const community::List& list) {
  const Locale& locale = *platform.locale;
  const community::Places places = community::FindPlaces(platform);
  community::Detector detector(platform, places);
  std::string text = Text(locale, TextId::CommunityReportFound) + "\n";
  bool any = false;
  for (const community::Entry& entry : list.Entries()) {
    if (!entry.Offered() || !detector.Detected(list, entry)) continue;
    any = true;
    const auto refused = list.Refused(entry);
    std::string state = Text(locale, refused.empty() ? TextId::CommunityOffered : TextId::CommunityPartlyRefused);
    if (entry.hasRegistryKeys) state += "; " + Text(locale, TextId::CommunityRegistryNotCleaned);
    text +=
        Text(locale, TextId::CommunityReportEntry, {entry.name, community::CategoryText(locale, entry), state}) + "\n";
    for (const community::RefusedKey& key : refused) {
      text += Text(locale, TextId::CommunityReportRefusedKey,
                   {key.key, key.value, community::ReasonText(locale, key.reason)}) +
              "\n";
    }
  }
  if (!any) text += Text(locale, TextId::CommunityReportNone) + "\n";
  return text;
}

}  // namespace

Finished CommunityReport(const platform::Platform& platform) {
  const Locale& locale = *platform.locale;
  const settings::CommunitySource source = settings::ReadCommunitySource(platform);
  if (!source.enabled) return {ExitCode::Failed, settings::DownloadBarText(locale, source) + "\n"};
  const community::ListFile file = settings::LoadCommunityList(platform, source);
  if (file.path.empty()) {
    return {ExitCode::Failed, Text(locale, TextId::CommunityNoList,
                                   {community::ListBesideProgram(platform), community::PersonsList(platform)}) +
                                  "\n"};
  }
  if (!file.list) return {ExitCode::Failed, Text(locale, TextId::CommunityListUnreadable, {file.path}) + "\n"};
  const community::List& list = *file.list;
  std::string text = list.Version().empty() ? Text(locale, TextId::CommunityReportListNoVersion, {file.path})
                                            : Text(locale, TextId::CommunityReportList, {file.path, list.Version()});
  text.append("\n")
      .append(Text(locale, TextId::CommunityReportCounts,
                   {GroupedNumber(locale, list.Entries().size()), GroupedNumber(locale, list.OfferedCount())}))
      .append("\n\n");
  text += Problems(locale, list) + "\n" + Found(platform, list);
  return {ExitCode::Done, std::move(text)};
}

}  // namespace vantrelle::commandline
