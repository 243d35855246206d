#include "settings/CommunitySource.h"

#include "base/Texts.h"
#include "platform/Platform.h"
#include "platform/TextFiles.h"
#include "settings/PolicyTable.h"
#include "settings/Settings.h"

namespace vantrelle::settings {

namespace {

// Each value read on its own, so that one the store cannot give does not undo what the others say.
std::string ReadOrDefault(platform::SettingsStore& store, const Key& key) {
  try {
    return Get(store, key);
  } catch (...) {
    return std::string(key.defaultValue);
  }
}

bool Exists(const platform::Platform& platform, const std::string& path) {
  try {
    return !path.empty() && platform.textFiles->Exists(path);
  } catch (...) {
    return false;
  }
}

}  // namespace

CommunitySource ReadCommunitySource(const platform::Platform& platform) {
  CommunitySource source;
  platform::SettingsStore& store = *platform.settings;
  source.enabled = ReadOrDefault(store, kCommunityCleaners) != "0";
  source.file = ReadOrDefault(store, kCommunityCleanersFile);
  if (!HasTextForm(TextForm::FullPath, source.file)) source.file.clear();
  source.address = ReadOrDefault(store, kCommunityCleanersAddress);
  if (!HasTextForm(TextForm::WebAddress, source.address)) source.address = kCommunityListAddress;
  source.weeklyCheck = ReadOrDefault(store, kCommunityWeeklyCheck) == "1";
  source.lastCheck = ReadOrDefault(store, kCommunityLastCheck);
  if (!source.enabled) {
    source.downloadBar = DownloadBar::Off;
  } else if (!source.file.empty()) {
    source.downloadBar = DownloadBar::FileNamed;
  } else if (Exists(platform, community::ListBesideProgram(platform))) {
    source.downloadBar = DownloadBar::BesideProgram;
  } else if (ReadOrDefault(store, kCommunityCleanersDownload) == "0") {
    source.downloadBar = DownloadBar::Forbidden;
  }
  return source;
}

std::string DownloadBarText(const Locale& locale, const CommunitySource& source) {
  switch (source.downloadBar) {
    case DownloadBar::None: break;
    case DownloadBar::Off: return Text(locale, TextId::CommunitySourceOff);
    case DownloadBar::FileNamed: return Text(locale, TextId::CommunitySourceFileNamed, {source.file});
    case DownloadBar::BesideProgram: return Text(locale, TextId::CommunitySourceBesideProgram);
    case DownloadBar::Forbidden: return Text(locale, TextId::CommunitySourceDownloadForbidden);
  }
  return {};
}

community::ListFile LoadCommunityList(const platform::Platform& platform, const CommunitySource& source) {
  return community::LoadList(platform, {source.enabled, source.file});
}

community::ListFile LoadCommunityList(const platform::Platform& platform) {
  return LoadCommunityList(platform, ReadCommunitySource(platform));
}

}  // namespace vantrelle::settings
