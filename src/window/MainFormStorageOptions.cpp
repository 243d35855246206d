// Downloads older than N days, the Recycle Bin only of items deleted long ago, and a run when the
// system drive runs low: each box stored as typed, checked when left, off by default.
#include <tuple>

#include "cleaning/DeletionRun.h"
#include "platform/Storage.h"
#include "settings/Settings.h"
#include "settings/StorageOptions.h"
#include "window/MainForm.h"

namespace vantrelle {

namespace {

constexpr std::int32_t kLowSpaceCheckMs = 60'000;

}  // namespace

void MainForm::WireStorageOptions() {
  using Check = bool (*)(const Locale&, const std::string&);
  constexpr Check kLowSpace = [](const Locale& locale, const std::string& text) {
    return settings::LowSpaceGbValue(locale, text).has_value();
  };
  constexpr Check kRecycleBinDays = [](const Locale& locale, const std::string& text) {
    return settings::RecycleBinDaysValue(locale, text).has_value();
  };
  constexpr Check kDownloadsDays = [](const Locale& locale, const std::string& text) {
    return settings::DownloadsDaysValue(locale, text).has_value();
  };
  for (auto [box, key, check] : {std::tuple{&lowSpaceBox, &settings::kLowSpaceGb, kLowSpace},
                                 std::tuple{&recycleBinDaysBox, &settings::kRecycleBinDays, kRecycleBinDays},
                                 std::tuple{&downloadsDaysBox, &settings::kDownloadsDays, kDownloadsDays}}) {
    box->OnChange = [this, box, key] {
      if (!isLoading) settings::Save(*platform_.settings, *key, box->Text());
    };
    // The text stays as typed (and stored); the person is sent back to correct it.
    box->OnLostFocus = [this, box, check] {
      if (check(*platform_.locale, box->Text())) return;
      MsgBox(std::string(TextOf(TextId::MustBeNumeric)));
      box->SetFocus();
    };
  }
  downloadsBox.OnClick = [this] { SaveTick(settings::kDownloads, downloadsBox); };
  lowSpaceTimer.SetInterval(kLowSpaceCheckMs);
  lowSpaceTimer.OnTimer = [this] { LowSpaceTimerTicked(); };
}

void MainForm::LoadStorageOptions() {
  auto& store = *platform_.settings;
  const bool wasLoading = isLoading;
  isLoading = true;  // restoring a box does not store it again
  downloadsDaysBox.SetText(settings::Get(store, settings::kDownloadsDays));
  recycleBinDaysBox.SetText(settings::Get(store, settings::kRecycleBinDays));
  lowSpaceBox.SetText(settings::Get(store, settings::kLowSpaceGb));
  isLoading = wasLoading;
  try {
    downloadsBox.SetValue(settings::TickState(store, *platform_.locale, settings::kDownloads));
  } catch (...) {
    // A stored tick that is no number leaves the box unticked, as for /clean.
  }
  if (platform_.storage) {
    lowSpaceLabel.SetCaption(Text(*platform_.locale, TextId::LowSpaceCaption, {platform_.storage->SystemDrive()}));
  }
}

void MainForm::LowSpaceTimerTicked() {
  const std::uint64_t threshold = settings::LowSpaceGb(*platform_.locale, lowSpaceBox.Text());
  if (threshold == 0 || !platform_.storage || endRequested) return;
  std::optional<std::uint64_t> free;
  try {
    free = platform_.storage->FreeBytes(platform_.storage->SystemDrive());
  } catch (...) {
    // Unknown free space starts nothing.
  }
  if (!lowSpaceTrigger_.Due(threshold, free, deletionRunActive_ || previewActive_)) return;
  RunDeletion(cleaning::Trigger::LowDiskSpace);
}

}  // namespace vantrelle
