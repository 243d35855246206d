#include "window/systemfiles/SystemFilesChoice.h"

#include "base/ErrorReport.h"
#include "base/SizeText.h"
#include "base/Texts.h"
#include "cleaning/Catalogue.h"
#include "cleaning/ExclusiveRun.h"
#include "cleaning/Preview.h"
#include "cleaning/PreviewRows.h"
#include "cleaning/RunHistory.h"
#include "cleaning/RunHost.h"
#include "cleaning/WindowsCleanup.h"
#include "cleaning/WindowsHandlers.h"
#include "platform/CleanupHandlers.h"
#include "settings/MachineChoices.h"
#include "settings/WindowsCleanups.h"
#include "window/morelocations/WindowsCleanupChoice.h"

namespace vantrelle {

// The machine's run and the piles' walk, shown in this window: the status line, messages gathered
// into the report, a stop once the window closes. Never an owner window: the machine's run has no
// Recycle Bin.
class SystemFilesChoice::Host : public cleaning::RunHost, private ErrorReporter {
 public:
  explicit Host(SystemFilesChoice& owner) : owner_(owner) {}
  void ShowStatus(const std::string& text) override {
    if (owner_.OnStatus) owner_.OnStatus(text);
  }
  void ShowMessage(const std::string& text) override { messages += text + "\n"; }
  void PauseSchedule() override {}
  void ResumeSchedule() override {}
  std::optional<platform::WindowHandle> OwnerWindow() const override { return std::nullopt; }
  ErrorReporter& Errors() override { return *this; }
  bool StopRequested() const override { return owner_.closing_; }

  std::string messages;

 private:
  void Report(const std::string& text) override { messages += text + "\n"; }
  SystemFilesChoice& owner_;
};

namespace {

cleaning::Choices PileChoices(std::string_view id) {
  cleaning::Choices choices;
  choices.machine = true;
  choices.trigger = cleaning::Trigger::CommandLine;
  choices.more.emplace_back(id);
  return choices;
}

// "1.50 MB found", "nothing found", "failed: …" for a pile as its walk found it.
std::string PileFound(const Locale& locale, const cleaning::PreviewLocation& location) {
  using Status = platform::CleanupHandlerResult::Status;
  platform::CleanupHandlerResult size{location.bytes == 0 ? Status::NothingToClean : Status::Done, location.bytes,
                                      location.failure};
  if (location.outcome == cleaning::Outcome::Failed) size.status = Status::Failed;
  if (location.outcome == cleaning::Outcome::Stopped) size.status = Status::Stopped;
  return HandlerFoundText(locale, size);
}

}  // namespace

SystemFilesChoice::SystemFilesChoice(const platform::Platform& platform) : platform_(platform) {
  const Locale& locale = *platform.locale;
  const auto row = [&](std::string valueName, std::string keyName, std::string name, std::string description) {
    SystemFileRow added{valueName,
                        std::move(keyName),
                        std::move(name),
                        std::move(description),
                        {},
                        Text(locale, TextId::MoreNotLookedAt)};
    added.chosen = settings::MachineChosen(platform, valueName);
    added.locked = settings::MachineForced(platform, valueName);
    if (const auto consequence = cleaning::HandlerConsequence(added.keyName)) {
      added.consequence = Text(locale, *consequence);
      added.description = WithConsequence(added.description, added.consequence);
    }
    rows_.push_back(std::move(added));
  };
  for (const cleaning::CatalogueRow& pile : cleaning::MachineCatalogue()) {
    row(std::string(pile.id), {}, Text(locale, pile.name), Text(locale, pile.description));
  }
  const auto registered =
      platform.cleanupHandlers ? platform.cleanupHandlers->KeyNames() : std::vector<platform::CleanupHandlerInfo>{};
  for (const auto& handler : cleaning::ChoosableHandlers(registered, cleaning::HandlerOwner::Machine)) {
    row(settings::WindowsCleanupKeyName(handler.keyName), handler.keyName, handler.displayName, handler.description);
  }
}

SystemFilesChoice::~SystemFilesChoice() { Close(); }

std::string SystemFilesChoice::Set(std::size_t index, bool chosen) {
  if (index >= rows_.size() || rows_[index].chosen == chosen) return {};
  SystemFileRow& row = rows_[index];
  const Locale& locale = *platform_.locale;
  if (row.locked) return Text(locale, TextId::MoreManaged);
  if (chosen && !row.consequence.empty() && Confirm &&
      !Confirm(Text(locale, TextId::MoreConfirmTitle, {row.name}),
               Text(locale, TextId::MoreConfirm, {row.consequence}))) {
    return {};
  }
  if (!settings::SaveMachineChoice(platform_, row.valueName, chosen)) {
    return Text(locale, TextId::NeedsAdministrator);
  }
  row.chosen = chosen;
  return {};
}

void SystemFilesChoice::StartScan(std::function<void()> wake) {
  std::vector<std::string> keyNames;
  for (const auto& row : rows_) {
    if (!row.keyName.empty()) keyNames.push_back(row.keyName);
  }
  if (!platform_.cleanupHandlers || keyNames.empty()) return;
  for (auto& row : rows_) {
    if (!row.keyName.empty()) row.found = Text(*platform_.locale, TextId::MoreMeasuring);
  }
  scan_ = std::make_unique<HandlerScan>(*platform_.cleanupHandlers, cleaning::SystemVolume(platform_),
                                        std::move(keyNames), std::move(wake));
}

std::vector<std::size_t> SystemFilesChoice::TakeScanned() {
  std::vector<std::size_t> changed;
  if (!scan_) return changed;
  const std::size_t firstHandler = cleaning::MachineCatalogue().size();
  for (auto& [index, scan] : scan_->Take()) {
    ApplyScan(*platform_.locale, scan, rows_[firstHandler + index]);
    changed.push_back(firstHandler + index);
  }
  return changed;
}

void SystemFilesChoice::StartMeasuringPiles() {
  for (std::size_t pile = 0; pile < cleaning::MachineCatalogue().size(); ++pile) {
    rows_[pile].found = Text(*platform_.locale, TextId::MoreMeasuring);
  }
  nextPile_ = 0;
  MeasureNextPile();
}

void SystemFilesChoice::MeasureNextPile() {
  if (closing_ || nextPile_ >= cleaning::MachineCatalogue().size()) return;
  pileWalk_ = std::make_unique<PreviewWalkThread>(platform_, PileChoices(cleaning::MachineCatalogue()[nextPile_].id));
}

std::vector<std::size_t> SystemFilesChoice::TakeMeasuredPiles() {
  std::vector<std::size_t> changed;
  if (!pileWalk_) return changed;
  cleaning::PreviewRowTable files;  // the piles' files one by one: only their sum shows here
  const std::optional<cleaning::PreviewResult> result = pileWalk_->TakeRows(files);
  if (!result) return changed;
  pileWalk_.reset();
  rows_[nextPile_].found = Text(*platform_.locale, TextId::MoreNotLookedAt);  // a walk that failed as a whole
  for (const cleaning::PreviewLocation& location : result->locations) {
    if (location.moreId != rows_[nextPile_].valueName) continue;
    rows_[nextPile_].found = PileFound(*platform_.locale, location);
  }
  changed.push_back(nextPile_++);
  MeasureNextPile();
  return changed;
}

void SystemFilesChoice::StopMeasuringPiles() {
  pileWalk_.reset();
  for (; nextPile_ < cleaning::MachineCatalogue().size(); ++nextPile_) {
    rows_[nextPile_].found = Text(*platform_.locale, TextId::MoreNotLookedAt);
  }
}

std::string SystemFilesChoice::CleanNow() {
  if (running_) return {};
  StopMeasuringPiles();  // the run is about to change what they hold
  running_ = true;
  Host host(*this);
  const cleaning::Choices choices = settings::MachineChoices(platform_);
  std::string report;
  if (!choices.AnyLocation()) {
    report = Text(*platform_.locale, TextId::NothingTicked);
  } else {
    cleaning::RunExclusively(platform_, host, choices, [&](const cleaning::RunResult& finished) {
      report = cleaning::HistoryBlock(*platform_.locale, finished);
    });
  }
  running_ = false;
  if (OnStatus) OnStatus({});
  return report + host.messages;
}

void SystemFilesChoice::Close() {
  closing_ = true;
  scan_.reset();
  pileWalk_.reset();
}

}  // namespace vantrelle
