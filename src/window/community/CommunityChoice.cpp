#include "window/community/CommunityChoice.h"

#include <algorithm>

#include "base/SizeText.h"
#include "base/Texts.h"
#include "community/Detection.h"
#include "community/EntryTexts.h"
#include "community/ListDownload.h"
#include "settings/CommunityChoices.h"
#include "settings/PolicyReader.h"
#include "settings/Settings.h"
#include "window/community/EntryDetails.h"
#include "window/morelocations/MoreLocationsChoice.h"

namespace vantrelle {

namespace {

// The entry names a machine or user policy forces; none when the policies cannot be read.
std::set<std::string, LessNoCase> ForcedEntries(const platform::Platform& platform) {
  std::set<std::string, LessNoCase> forced;
  if (!platform.registry) return forced;
  try {
    for (const settings::PolicyLayer& layer : settings::ReadPolicies(*platform.registry, *platform.locale).layers) {
      if (layer.layer != settings::Layer::MachinePolicy && layer.layer != settings::Layer::UserPolicy) continue;
      for (const auto& [name, value] : layer.settings) {
        const std::string_view entry = settings::kCommunityChoices.NameOf(name);
        if (!entry.empty()) forced.emplace(entry);
      }
    }
  } catch (...) {
  }
  return forced;
}

bool StoredChosen(const platform::Platform& platform, std::string_view name) {
  try {
    return settings::kCommunityChoices.Chosen(*platform.settings, name);
  } catch (...) {
    return false;  // unreadable counts as never chosen
  }
}

}  // namespace

CommunityChoice::CommunityChoice(const platform::Platform& platform)
    : platform_(platform),
      source_(settings::ReadCommunitySource(platform)),
      file_(settings::LoadCommunityList(platform, source_)),
      places_(community::FindPlaces(platform)),
      forced_(ForcedEntries(platform)) {
  FillRows();
}

CommunityChoice::~CommunityChoice() = default;

void CommunityChoice::FillRows() {
  sizes_.reset();
  rows_.clear();
  if (file_.list) {
    const Locale& locale = *platform_.locale;
    community::Detector detector(platform_, places_);
    for (const community::Entry& entry : file_.list->Entries()) {
      if (!entry.Offered() || !detector.Detected(*file_.list, entry)) continue;
      CommunityRow row{&entry, std::string(entry.name), community::CategoryText(locale, entry), {}, false, false};
      row.chosen = StoredChosen(platform_, row.name);
      row.locked = forced_.contains(row.name);
      row.found = FoundText(Text(locale, TextId::MoreMeasuring), row.locked);
      rows_.push_back(std::move(row));
    }
  }
  std::ranges::stable_sort(rows_, [](const CommunityRow& a, const CommunityRow& b) {
    if (!EqualsNoCase(a.category, b.category)) return LessNoCase()(a.category, b.category);
    return LessNoCase()(a.name, b.name);
  });
  Search(search_);
}

std::string CommunityChoice::FoundText(const std::string& found, bool locked) const {
  return locked ? Text(*platform_.locale, TextId::SystemFilesLocked, {found}) : found;
}

void CommunityChoice::Search(std::string_view text) {
  search_ = TrimSpaces(text);
  const std::string wanted = ToLower(search_);
  shown_.clear();
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (wanted.empty() || ToLower(rows_[i].name).find(wanted) != std::string::npos ||
        ToLower(rows_[i].category).find(wanted) != std::string::npos) {
      shown_.push_back(i);
    }
  }
}

std::size_t CommunityChoice::ChosenCount() const {
  return static_cast<std::size_t>(std::ranges::count_if(rows_, [](const CommunityRow& row) { return row.chosen; }));
}

std::string CommunityChoice::CountsLine() const {
  const Locale& locale = *platform_.locale;
  if (!file_.list) {
    return Text(locale, TextId::CommunityWindowNoList, {community::PersonsList(platform_)});
  }
  const std::string found = GroupedNumber(locale, rows_.size());
  const std::string all = GroupedNumber(locale, file_.list->Entries().size());
  const std::string chosen = GroupedNumber(locale, ChosenCount());
  const std::string_view version = file_.list->Version();
  if (version.empty()) return Text(locale, TextId::CommunityWindowCountsNoVersion, {found, all, chosen});
  return Text(locale, TextId::CommunityWindowCounts, {found, all, chosen, std::string(version)});
}

std::string CommunityChoice::Details(std::size_t row) const {
  if (row >= rows_.size() || !file_.list) return {};
  return CommunityEntryDetails(*platform_.locale, *file_.list, places_, *rows_[row].entry);
}

std::string CommunityChoice::Set(std::size_t index, bool chosen) {
  if (index >= rows_.size() || rows_[index].chosen == chosen) return {};
  CommunityRow& row = rows_[index];
  const Locale& locale = *platform_.locale;
  if (row.locked) return Text(locale, TextId::MoreManaged);
  const std::string_view warning = row.entry->warning;
  if (chosen && !warning.empty() && Confirm &&
      !Confirm(Text(locale, TextId::CommunityConfirmTitle, {row.name}),
               Text(locale, TextId::MoreConfirm, {std::string(warning)}))) {
    return {};
  }
  const std::string refused = StoreChoice(
      locale, [&] { settings::kCommunityChoices.Save(*platform_.settings, row.name, chosen); },
      [&] { return settings::kCommunityChoices.Chosen(*platform_.settings, row.name); }, chosen);
  if (refused.empty()) row.chosen = chosen;
  return refused;
}

void CommunityChoice::StartSizes(std::function<void()> wake) {
  sizes_.reset();
  if (rows_.empty() || !file_.list) return;
  std::vector<std::string> names;
  for (const CommunityRow& row : rows_) names.push_back(row.name);
  sizes_ = std::make_unique<CommunitySizes>(platform_, file_.list, std::move(names), std::move(wake));
}

std::vector<std::size_t> CommunityChoice::TakeMeasured() {
  std::vector<std::size_t> changed;
  if (!sizes_) return changed;
  const Locale& locale = *platform_.locale;
  for (const MeasuredEntry& measured : sizes_->Take()) {
    if (measured.index >= rows_.size()) continue;
    const std::string found = measured.found && measured.bytes > 0
                                  ? Text(locale, TextId::MoreFound, {ByteSizeText(locale, measured.bytes)})
                                  : Text(locale, TextId::OutcomeNothingFound);
    rows_[measured.index].found = FoundText(found, rows_[measured.index].locked);
    changed.push_back(measured.index);
  }
  return changed;
}

std::string CommunityChoice::SourceLine() const { return settings::DownloadBarText(*platform_.locale, source_); }

bool CommunityChoice::CanDownload() const { return source_.CanDownload() && platform_.downloads != nullptr; }

std::string CommunityChoice::SetWeeklyCheck(bool on) {
  const std::string refused = StoreChoice(
      *platform_.locale, [&] { settings::Save(*platform_.settings, settings::kCommunityWeeklyCheck, on ? "1" : "0"); },
      [&] { return settings::Get(*platform_.settings, settings::kCommunityWeeklyCheck) == "1"; }, on);
  if (refused.empty()) source_.weeklyCheck = on;
  return refused;
}

void CommunityChoice::StartDownload(std::function<void()> wake) {
  source_ = settings::ReadCommunitySource(platform_);  // an administrator may have named a mirror since
  if (download_ || !CanDownload()) return;
  ListDownloadThread::Request request;
  request.address = source_.address;
  request.current = file_.list;
  for (const CommunityRow& row : rows_) {
    if (row.chosen) request.chosenBefore.push_back(row.name);
  }
  download_ = std::make_unique<ListDownloadThread>(platform_, std::move(request), std::move(wake));
}

void CommunityChoice::StopDownload() {
  if (download_) download_->Stop();
}

std::string CommunityChoice::TakeDownload() {
  if (!download_) return {};
  const Locale& locale = *platform_.locale;
  std::optional<community::DownloadOutcome> outcome = download_->TakeOutcome();
  if (!outcome) {
    const platform::DownloadProgress progress = download_->Progress();
    if (progress.total == 0)
      return Text(locale, TextId::CommunityDownloading, {ByteSizeText(locale, progress.received)});
    return Text(locale, TextId::CommunityDownloadingOf,
                {ByteSizeText(locale, progress.received), ByteSizeText(locale, progress.total)});
  }
  download_.reset();
  if (outcome->stopped) return Text(locale, TextId::CommunityDownloadStopped);
  if (!outcome->replaced) return outcome->message;
  Reload({community::PersonsList(platform_), false, outcome->list});
  const std::string_view version = outcome->list ? outcome->list->Version() : std::string_view();
  std::string said = version.empty() ? Text(locale, TextId::CommunityListUpdatedNoVersion)
                                     : Text(locale, TextId::CommunityListUpdated, {std::string(version)});
  const std::string gone = community::ChosenGoneText(locale, outcome->gone);
  if (!gone.empty()) said.append(" ").append(gone);
  return said;
}

void CommunityChoice::Reload(community::ListFile file) {
  file_ = std::move(file);
  FillRows();
}

}  // namespace vantrelle
