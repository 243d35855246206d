#pragma once
// Reads the Policies keys: each value of the policy table as absent, valid, of the wrong type or out
// of range, and what each key's valid values set, as the settings store would hold it.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/Strings.h"
#include "base/Texts.h"
#include "platform/Registry.h"
#include "settings/PolicyTable.h"

namespace vantrelle {
class Locale;
}

namespace vantrelle::settings {

// Where an effective value comes from, first to last in precedence.
enum class Layer { MachinePolicy, UserPolicy, Own, MachinePreset, UserPreset, Default };
std::string_view LayerName(Language language, Layer layer);  // "machine policy", ...
// The registry key a policy layer is read from, as the report names it ("HKLM\Software\...").
std::string LayerKeyName(Layer layer);

enum class ReadState { Absent, Valid, WrongType, OutOfRange, WrongForm };

struct PolicyRead {
  ReadState state = ReadState::Absent;
  platform::RegistryValue value;
};

// One value of the table as it stands in an open key.
PolicyRead ReadPolicyValue(platform::Registry& registry, platform::RegistryKey key, const PolicyValue& row);

// A value a key holds that no setting takes, and why.
struct IgnoredValue {
  Layer layer;
  std::string name;
  std::string reason;
};

// Setting name -> stored text; names compare as the registry compares them, ignoring case.
using SettingTexts = std::map<std::string, std::string, LessNoCase>;

// What one policy key sets.
struct PolicyLayer {
  Layer layer = Layer::Default;
  SettingTexts settings;
  bool schedule = false;  // the key holds a whole, valid schedule
};

struct PolicyReading {
  // Machine policy, user policy, machine preset, user preset.
  std::vector<PolicyLayer> layers;
  std::vector<IgnoredValue> ignored;
  // The "Windows.<key name>" values found that no row of the table has, and the "Community.<entry
  // name>" values, each name once.
  std::vector<std::string> otherNamedChoices;
};

PolicyReading ReadPolicies(platform::Registry& registry, const Locale& locale);

}  // namespace vantrelle::settings
