#include "settings/EffectiveSettings.h"

namespace vantrelle::settings {

namespace {

// A default no stored text can equal: the store holds nothing under the key.
constexpr char kNothingStored[] = "\x1f<nothing stored>\x1f";

bool OursIn(const std::string& application, const std::string& section) {
  return application == kApplication && section == kSection;
}

}  // namespace

EffectiveSettings::EffectiveSettings(platform::SettingsStore& own, platform::Registry& registry, const Locale& locale)
    : own_(own), registry_(registry), locale_(locale) {}

void EffectiveSettings::Refresh() { reading_ = ReadPolicies(registry_, locale_); }

bool EffectiveSettings::OwnHolds(std::string_view name) {
  const std::string key(name);
  return own_.GetSetting(std::string(kApplication), std::string(kSection), key, kNothingStored) != kNothingStored;
}

bool EffectiveSettings::OwnHoldsSchedule() {
  for (const Key* key : kScheduleSettings) {
    if (OwnHolds(key->name)) return true;
  }
  return false;
}

const PolicyLayer* EffectiveSettings::Decider(std::string_view name) {
  const bool schedule = InScheduleGroup(name);
  bool ownChecked = false;
  for (const PolicyLayer& layer : reading_.layers) {
    if (!IsForced(layer.layer) && !ownChecked) {
      // The person's own choice comes after the policies and before the presets.
      ownChecked = true;
      if (schedule ? OwnHoldsSchedule() : OwnHolds(name)) return nullptr;
    }
    if (schedule ? layer.schedule : layer.settings.count(name) != 0) return &layer;
  }
  return nullptr;
}

Layer EffectiveSettings::SourceOf(const Key& key) {
  if (const PolicyLayer* layer = Decider(key.name)) return layer->layer;
  const bool stored = InScheduleGroup(key.name) ? OwnHoldsSchedule() : OwnHolds(key.name);
  return stored ? Layer::Own : Layer::Default;
}

bool EffectiveSettings::AnyForced() {
  for (const PolicyValue& row : PolicyValues()) {
    if (Forced(*row.setting)) return true;
  }
  for (const std::string& name : OtherNamedChoices()) {
    if (Forced(Key{name, "0", Form::OneZero})) return true;
  }
  return false;
}

std::string EffectiveSettings::GetSetting(const std::string& application, const std::string& section,
                                          const std::string& key, const std::string& defaultValue) {
  if (OursIn(application, section)) {
    if (const PolicyLayer* layer = Decider(key)) {
      auto value = layer->settings.find(key);
      if (value != layer->settings.end()) return value->second;
    }
  }
  return own_.GetSetting(application, section, key, defaultValue);
}

void EffectiveSettings::SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                                    const std::string& value) {
  const PolicyLayer* layer = OursIn(application, section) ? Decider(key) : nullptr;
  if (!layer) {
    own_.SaveSetting(application, section, key, value);
    return;
  }
  if (IsForced(layer->layer)) return;
  auto preset = layer->settings.find(key);
  if (preset != layer->settings.end() && preset->second == value) return;
  if (layer->schedule) {
    // The person's schedule starts from the preset's, whole.
    for (const auto& [name, presetValue] : layer->settings) {
      if (InScheduleGroup(name) && name != key) own_.SaveSetting(application, section, name, presetValue);
    }
  }
  own_.SaveSetting(application, section, key, value);
}

}  // namespace vantrelle::settings
