#include "window/AddedOptionsPanel.h"

#include <optional>
#include <tuple>

#include "base/Texts.h"
#include "platform/Storage.h"
#include "settings/KeepRecentHours.h"
#include "settings/Settings.h"
#include "settings/StorageOptions.h"
#include "window/RunMark.h"

namespace vantrelle {

namespace {

constexpr std::int32_t kLowSpaceCheckMs = 60'000;

}  // namespace

AddedOptionsPanel::AddedOptionsPanel(platform::Platform& platform, const bool& loading, AddedOptionsHost& host)
    : platform_(platform), loading_(loading), host_(host), lowSpaceTrigger_(*platform.clock) {
  managedLine.SetVisible(false);
  WireNumberBoxes();
  downloadsBox.OnClick = [this] {
    settings::Save(*platform_.settings, settings::kDownloads, settings::OneZero(downloadsBox.Ticked()));
  };
  lowSpaceTimer.SetInterval(kLowSpaceCheckMs);
  lowSpaceTimer.OnTimer = [this] { LowSpaceTimerTicked(); };
}

std::vector<Control*> AddedOptionsPanel::Controls() {
  return {&lastRunLine,         &keepRecentLabel,   &keepRecentBox,
          &keepRecentUnitLabel, &previewButton,     &historyButton,
          &downloadsBox,        &downloadsDaysBox,  &downloadsUnitLabel,
          &recycleBinDaysLabel, &recycleBinDaysBox, &recycleBinDaysUnitLabel,
          &lowSpaceLabel,       &lowSpaceBox,       &lowSpaceUnitLabel,
          &lowSpaceTimer,       &moreButton,        &moreLine,
          &managedLine};
}

void AddedOptionsPanel::WireNumberBoxes() {
  using Check = bool (*)(const Locale&, const std::string&);
  constexpr Check kKeepRecent = [](const Locale& locale, const std::string& text) {
    return settings::KeepRecentValue(locale, text).has_value();
  };
  constexpr Check kLowSpace = [](const Locale& locale, const std::string& text) {
    return settings::LowSpaceGbValue(locale, text).has_value();
  };
  constexpr Check kRecycleBinDays = [](const Locale& locale, const std::string& text) {
    return settings::RecycleBinDaysValue(locale, text).has_value();
  };
  constexpr Check kDownloadsDays = [](const Locale& locale, const std::string& text) {
    return settings::DownloadsDaysValue(locale, text).has_value();
  };
  // The hours kept are stored even while loading, as they always were: restoring stores the same text.
  for (auto [box, key, check, storedWhileLoading] :
       {std::tuple{&keepRecentBox, &settings::kKeepRecentHours, kKeepRecent, true},
        std::tuple{&lowSpaceBox, &settings::kLowSpaceGb, kLowSpace, false},
        std::tuple{&recycleBinDaysBox, &settings::kRecycleBinDays, kRecycleBinDays, false},
        std::tuple{&downloadsDaysBox, &settings::kDownloadsDays, kDownloadsDays, false}}) {
    // Typing replaces the whole number.
    box->OnGotFocus = [box] { box->Select(0, static_cast<int>(box->Text().size())); };
    box->OnChange = [this, box, key, storedWhileLoading] {
      if (storedWhileLoading || (!loading_ && !restoring_)) settings::Save(*platform_.settings, *key, box->Text());
    };
    // The text stays as typed (and stored); the person is sent back to correct it.
    box->OnLostFocus = [this, box, check] {
      if (check(*platform_.locale, box->Text())) return;
      host_.Tell(Text(*platform_.locale, TextId::MustBeNumeric));
      box->SetFocus();
    };
  }
}

void AddedOptionsPanel::LoadStorageOptions() {
  auto& store = *platform_.settings;
  const RunMark restoring(restoring_);  // restoring a box does not store it again
  downloadsDaysBox.SetText(settings::Get(store, settings::kDownloadsDays));
  recycleBinDaysBox.SetText(settings::Get(store, settings::kRecycleBinDays));
  lowSpaceBox.SetText(settings::Get(store, settings::kLowSpaceGb));
  try {
    downloadsBox.SetValue(settings::TickState(store, *platform_.locale, settings::kDownloads));
  } catch (...) {
    // A stored tick that is no number leaves the box unticked, as for /clean.
  }
  if (platform_.storage) {
    lowSpaceLabel.SetCaption(Text(*platform_.locale, TextId::LowSpaceCaption, {platform_.storage->SystemDrive()}));
  }
}

int AddedOptionsPanel::KeepRecentHours() const {
  return settings::KeepRecentHours(*platform_.locale, keepRecentBox.Text());
}

void AddedOptionsPanel::LowSpaceTimerTicked() {
  const std::uint64_t threshold = settings::LowSpaceGb(*platform_.locale, lowSpaceBox.Text());
  if (threshold == 0 || !platform_.storage || host_.Ending()) return;
  std::optional<std::uint64_t> free;
  try {
    free = platform_.storage->FreeBytes(platform_.storage->SystemDrive());
  } catch (...) {
    // Unknown free space starts nothing.
  }
  if (lowSpaceTrigger_.Due(threshold, free, host_.Busy())) host_.RunForLowSpace();
}

}  // namespace vantrelle
