#include "window/morelocations/WindowsCleanupChoice.h"

#include "base/SizeText.h"
#include "base/Texts.h"
#include "cleaning/Catalogue.h"
#include "cleaning/WindowsCleanup.h"
#include "cleaning/WindowsHandlers.h"
#include "settings/MachineChoices.h"
#include "settings/WindowsCleanups.h"
#include "window/morelocations/MoreLocationsChoice.h"

namespace vantrelle {

namespace {

using Status = platform::CleanupHandlerResult::Status;

std::vector<platform::CleanupHandlerInfo> Registered(const platform::Platform& platform) {
  if (!platform.cleanupHandlers) return {};
  try {
    return platform.cleanupHandlers->KeyNames();
  } catch (...) {
    return {};  // a registry that cannot be read offers none
  }
}

bool StoredChosen(const platform::Platform& platform, const std::string& keyName) {
  try {
    return settings::WindowsCleanupChosen(*platform.settings, keyName);
  } catch (...) {
    return false;  // unreadable counts as never chosen
  }
}

}  // namespace

std::string HandlerFoundText(const Locale& locale, const platform::CleanupHandlerResult& size) {
  switch (size.status) {
    case Status::Done: return Text(locale, TextId::MoreFound, {ByteSizeText(locale, size.bytes)});
    case Status::NothingToClean: return Text(locale, TextId::OutcomeNothingFound);
    case Status::Stopped: return Text(locale, TextId::MoreMeasuring);
    case Status::NotAnswering:
      return Text(locale, TextId::OutcomeFailedWhy, {Text(locale, TextId::HandlerStoppedAnswering)});
    case Status::AnsweredNonsense:
      return Text(locale, TextId::OutcomeFailedWhy, {Text(locale, TextId::HandlerAnsweredNonsense)});
    case Status::Failed: break;
  }
  return size.error.empty() ? Text(locale, TextId::OutcomeFailed)
                            : Text(locale, TextId::OutcomeFailedWhy, {size.error});
}

std::string WithConsequence(std::string description, const std::string& consequence) {
  if (consequence.empty()) return description;
  return description.empty() ? consequence : description + "\n" + consequence;
}

WindowsCleanupChoice::WindowsCleanupChoice(const platform::Platform& platform) : platform_(platform) {
  const Locale& locale = *platform.locale;
  const auto registered = Registered(platform);
  for (const auto& handler : cleaning::ChoosableHandlers(registered, cleaning::HandlerOwner::Person)) {
    WindowsCleanupRow row{handler.keyName,
                          handler.displayName,
                          {},
                          {},
                          Text(locale, TextId::MoreMeasuring),
                          StoredChosen(platform, handler.keyName)};
    if (const auto consequence = cleaning::HandlerConsequence(handler.keyName)) {
      row.consequence = Text(locale, *consequence);
    }
    row.description = WithConsequence(handler.description, row.consequence);
    rows_.push_back(std::move(row));
  }
  const auto chosenText = [&](const std::string& valueName) {
    return Text(locale, settings::MachineChosen(platform, valueName) ? TextId::MoreMachineChosen
                                                                     : TextId::MoreMachineNotChosen);
  };
  for (const cleaning::CatalogueRow& row : cleaning::MachineCatalogue()) {
    machineRows_.push_back({std::string(row.id), Text(locale, row.name), chosenText(std::string(row.id))});
  }
  for (const auto& handler : cleaning::ChoosableHandlers(registered, cleaning::HandlerOwner::Machine)) {
    const std::string valueName = settings::WindowsCleanupKeyName(handler.keyName);
    machineRows_.push_back({valueName, handler.displayName, chosenText(valueName)});
  }
}

std::string WindowsCleanupChoice::Set(std::size_t index, bool chosen) {
  if (index >= rows_.size() || rows_[index].chosen == chosen) return {};
  WindowsCleanupRow& row = rows_[index];
  if (chosen && !row.consequence.empty() && Confirm &&
      !Confirm(Text(*platform_.locale, TextId::MoreConfirmTitle, {row.name}),
               Text(*platform_.locale, TextId::MoreConfirm, {row.consequence}))) {
    return {};
  }
  const std::string refused = StoreChoice(
      *platform_.locale, [&] { settings::SaveWindowsCleanupChosen(*platform_.settings, row.keyName, chosen); },
      [&] { return settings::WindowsCleanupChosen(*platform_.settings, row.keyName); }, chosen);
  if (refused.empty()) row.chosen = chosen;
  return refused;
}

void WindowsCleanupChoice::StartScan(std::function<void()> wake) {
  if (!platform_.cleanupHandlers || rows_.empty()) return;
  std::vector<std::string> keyNames;
  for (const auto& row : rows_) keyNames.push_back(row.keyName);
  scan_ = std::make_unique<HandlerScan>(*platform_.cleanupHandlers, cleaning::SystemVolume(platform_),
                                        std::move(keyNames), std::move(wake));
}

std::vector<std::size_t> WindowsCleanupChoice::TakeScanned() {
  std::vector<std::size_t> changed;
  if (!scan_) return changed;
  for (auto& [index, scan] : scan_->Take()) {
    ApplyScan(*platform_.locale, scan, rows_[index]);
    changed.push_back(index);
  }
  return changed;
}

}  // namespace vantrelle
