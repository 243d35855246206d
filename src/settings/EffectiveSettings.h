#pragma once
// The settings store as the rest of the program reads it: each setting's effective value, from the
// first layer that holds a valid one (machine policy, user policy, the person's own stored choice,
// machine preset, user preset, the default), with its source. Forced values are never written into
// the person's own store, so their choice returns when the policy goes.
#include <string>
#include <string_view>
#include <vector>

#include "platform/SettingsStore.h"
#include "settings/PolicyReader.h"

namespace vantrelle {
class Locale;
namespace platform {
class Registry;
}
}  // namespace vantrelle

namespace vantrelle::settings {

class EffectiveSettings : public platform::SettingsStore {
 public:
  // Reads no policy until Refresh: until then every setting is the person's own or its default.
  EffectiveSettings(platform::SettingsStore& own, platform::Registry& registry, const Locale& locale);

  // Reads the Policies keys again.
  void Refresh();

  // The effective value, or the person's stored one or `defaultValue` where no policy or preset holds one.
  std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                         const std::string& defaultValue) override;
  // A forced setting is not written. A value equal to a preset the person has not changed is not
  // written either, so a later preset still fills it in; the first change in the schedule's group
  // writes the preset's whole group first, so the person's schedule stays whole.
  void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                   const std::string& value) override;

  // Where the setting's value comes from now; Own or Default where no policy or preset decides.
  Layer SourceOf(const Key& key);
  bool Forced(const Key& key) { return IsForced(SourceOf(key)); }
  static bool IsForced(Layer layer) { return layer == Layer::MachinePolicy || layer == Layer::UserPolicy; }
  bool AnyForced();
  const std::vector<IgnoredValue>& Ignored() const { return reading_.ignored; }
  // "Windows.<key name>" values of handlers the policy table has no row for, and "Community.<entry
  // name>" values.
  const std::vector<std::string>& OtherNamedChoices() const { return reading_.otherNamedChoices; }

 private:
  // The layer deciding the setting and its value there (nothing for Own and Default).
  const PolicyLayer* Decider(std::string_view name);
  bool OwnHolds(std::string_view name);
  bool OwnHoldsSchedule();

  platform::SettingsStore& own_;
  platform::Registry& registry_;
  const Locale& locale_;
  PolicyReading reading_;
};

}  // namespace vantrelle::settings
