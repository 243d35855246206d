#include "settings/PolicyReader.h"

#include <algorithm>
#include <optional>

#include "base/Conversions.h"
#include "cleaning/WindowsHandlers.h"
#include "platform/OpenedKey.h"
#include "settings/CommunityChoices.h"
#include "settings/WindowsCleanups.h"

namespace vantrelle::settings {

namespace {

using platform::RegistryRoot;

constexpr std::uint32_t kQueryValue = 0x0001;          // KEY_QUERY_VALUE
constexpr std::int64_t kLongestInterval = 2147483647;  // seconds the countdown can hold

struct LayerPlace {
  Layer layer;
  RegistryRoot root;
  bool preset;
};
constexpr LayerPlace kPolicyLayers[] = {{Layer::MachinePolicy, RegistryRoot::LocalMachine, false},
                                        {Layer::UserPolicy, RegistryRoot::CurrentUser, false},
                                        {Layer::MachinePreset, RegistryRoot::LocalMachine, true},
                                        {Layer::UserPreset, RegistryRoot::CurrentUser, true}};

const LayerPlace* PlaceOf(Layer layer) {
  for (const LayerPlace& place : kPolicyLayers) {
    if (place.layer == layer) return &place;
  }
  return nullptr;
}

std::string SubKey(bool preset) {
  std::string key(kPolicyKey);
  if (preset) key.append("\\").append(kPresetSubKey);
  return key;
}

std::string TypeName(std::uint32_t type) {
  switch (type) {
    case 1: return "REG_SZ";
    case 2: return "REG_EXPAND_SZ";
    case 3: return "REG_BINARY";
    case 4: return "REG_DWORD";
    case 5: return "REG_DWORD_BIG_ENDIAN";
    case 7: return "REG_MULTI_SZ";
    case 11: return "REG_QWORD";
    default: return "type " + std::to_string(type);
  }
}

std::string Reason(const Locale& locale, const PolicyValue& row, const PolicyRead& read) {
  const std::string expected = row.type == PolicyType::Number ? "REG_DWORD" : "REG_SZ";
  if (read.state == ReadState::WrongType)
    return Text(locale, TextId::PolicyWrongType, {TypeName(read.value.type), expected});
  if (read.state == ReadState::WrongForm) {
    return Text(locale, row.textForm == TextForm::WebAddress ? TextId::PolicyNotWebAddress : TextId::PolicyNotFullPath);
  }
  if (row.type == PolicyType::Text) {
    return read.value.text.empty() ? Text(locale, TextId::PolicyEmpty)
                                   : Text(locale, TextId::PolicyTooLong, {std::to_string(row.most)});
  }
  return Text(locale, TextId::PolicyOutOfRange,
              {std::to_string(read.value.number), std::to_string(row.least), std::to_string(row.most)});
}

std::string Stored(const PolicyValue& row, const PolicyRead& read) {
  switch (row.storedAs) {
    case StoredAs::OneZero: return OneZero(read.value.number == 1);
    case StoredAs::OnOff: return OnOff(read.value.number == 1);
    case StoredAs::Decimal: return std::to_string(read.value.number);
    case StoredAs::Text:
    case StoredAs::Schedule: break;
  }
  return read.value.text;
}

// The schedule's values of one key, valid ones by name.
using ScheduleValues = std::map<std::string_view, std::uint32_t>;

// The settings a whole schedule gives, or why the values do not make one.
std::optional<std::string> ScheduleSettings(const ScheduleValues& values, const Locale& locale,
                                            SettingTexts& settings) {
  const auto value = [&](std::string_view name) -> std::optional<std::uint32_t> {
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
  const auto mode = value(kScheduleMode);
  if (!mode) return Text(locale, TextId::PolicyScheduleNeedsMode);
  const auto weekday = value(kScheduleWeekday);
  const auto hour = value(kScheduleHour);
  const auto minute = value(kScheduleMinute);
  const auto kind = static_cast<ScheduleMode>(*mode);
  if ((kind == ScheduleMode::Weekly || kind == ScheduleMode::Daily) && (!hour || !minute)) {
    return Text(locale, TextId::PolicyScheduleNeedsTime);
  }
  if (kind == ScheduleMode::Weekly && !weekday) return Text(locale, TextId::PolicyScheduleNeedsWeekday);
  const auto days = value(kScheduleEveryDays), hours = value(kScheduleEveryHours),
             minutes = value(kScheduleEveryMinutes);
  if (kind == ScheduleMode::Every) {
    const std::int64_t seconds = std::int64_t{days.value_or(0)} * 86400 + std::int64_t{hours.value_or(0)} * 3600 +
                                 std::int64_t{minutes.value_or(0)} * 60;
    if (seconds < 60) return Text(locale, TextId::PolicyEveryTooShort);
    if (seconds > kLongestInterval) return Text(locale, TextId::PolicyEveryTooLong);
  }
  LocalTime time = conversions::kZeroDate;
  time.hour = static_cast<int>(hour.value_or(0));
  time.minute = static_cast<int>(minute.value_or(0));
  settings[std::string(kStartStopState.name)] = OnOff(kind != ScheduleMode::Off);
  settings[std::string(kWeeklyChosen.name)] = TrueFalse(kind == ScheduleMode::Weekly);
  settings[std::string(kDailyChosen.name)] = TrueFalse(kind == ScheduleMode::Daily);
  settings[std::string(kEveryChosen.name)] = TrueFalse(kind == ScheduleMode::Every || kind == ScheduleMode::Off);
  settings[std::string(kWeekly.name)] = std::string(weekday ? kWeekdayNames[*weekday] : kWeekly.defaultValue);
  settings[std::string(kWeeklyTime.name)] = conversions::DateToText(locale, time);
  const auto everyText = [&](const std::optional<std::uint32_t>& part, const Key& key) {
    if (part) return std::to_string(*part);
    // A schedule of another kind keeps the boxes at their out-of-the-box texts; every N counts a
    // part left out as none.
    return kind == ScheduleMode::Every ? std::string("0") : std::string(key.defaultValue);
  };
  settings[std::string(kEveryDays.name)] = everyText(days, kEveryDays);
  settings[std::string(kEveryHours.name)] = everyText(hours, kEveryHours);
  settings[std::string(kEveryMinutes.name)] = everyText(minutes, kEveryMinutes);
  return std::nullopt;
}

bool InTable(std::string_view valueName) {
  for (const PolicyValue& row : PolicyValues()) {
    if (EqualsNoCase(row.name, valueName)) return true;
  }
  return false;
}

// The key's "Windows.<key name>" values that no row of the table has, and its "Community.<entry name>"
// values: choices by a name only a machine or a list knows.
std::vector<std::string> OtherNamedChoices(platform::Registry& registry, platform::RegistryKey key) {
  std::vector<std::string> names;
  if (registry.ValueNames(key, names) != platform::RegistrySuccess) return {};
  std::erase_if(names, [](const std::string& name) {
    return (WindowsCleanupOf(name).empty() && kCommunityChoices.NameOf(name).empty()) || InTable(name);
  });
  return names;
}

PolicyLayer ReadLayer(platform::Registry& registry, const Locale& locale, const LayerPlace& place,
                      PolicyReading& reading) {
  std::vector<IgnoredValue>& ignored = reading.ignored;
  PolicyLayer layer;
  layer.layer = place.layer;
  const platform::OpenedKey key(registry, place.root, SubKey(place.preset), kQueryValue | platform::kRegistry64BitView);
  if (!key.IsOpen()) return layer;
  ScheduleValues schedule;
  std::vector<std::string_view> scheduleNames;  // every schedule value present, valid or not
  bool scheduleBroken = false;
  const auto take = [&](const PolicyValue& row) {
    const PolicyRead read = ReadPolicyValue(registry, key.Get(), row);
    if (read.state == ReadState::Absent) return;
    const bool inSchedule = row.storedAs == StoredAs::Schedule;
    if (inSchedule) scheduleNames.push_back(row.name);
    if (read.state != ReadState::Valid) {
      ignored.push_back({place.layer, std::string(row.name), Reason(locale, row, read)});
      scheduleBroken = scheduleBroken || inSchedule;
    } else if (inSchedule) {
      schedule[row.name] = read.value.number;
    } else {
      layer.settings[std::string(row.setting->name)] = Stored(row, read);
    }
  };
  for (const PolicyValue& row : PolicyValues()) take(row);
  for (const std::string& name : OtherNamedChoices(registry, key.Get())) {
    // The machine's handlers and those the program does itself are never the person's to choose.
    if (!WindowsCleanupOf(name).empty() && !cleaning::PersonHandler(WindowsCleanupOf(name))) {
      ignored.push_back({place.layer, name, Text(locale, TextId::PolicyNotPersonsCleanup)});
      continue;
    }
    const Key setting{name, "0", Form::OneZero};
    take(NamedChoicePolicy(setting));
    auto& others = reading.otherNamedChoices;
    if (std::none_of(others.begin(), others.end(), [&](const std::string& other) { return EqualsNoCase(other, name); }))
      others.push_back(name);
  }
  if (scheduleNames.empty()) return layer;
  SettingTexts settings;
  std::optional<std::string> why = scheduleBroken ? std::optional<std::string>(Text(locale, TextId::PolicyGroupBroken))
                                                  : ScheduleSettings(schedule, locale, settings);
  if (why) {
    // All or nothing: the valid values of a broken group are ignored with it.
    for (std::string_view name : scheduleNames) {
      if (schedule.count(name))
        ignored.push_back({place.layer, std::string(name), Text(locale, TextId::PolicyIgnoredWithGroup, {*why})});
    }
    return layer;
  }
  layer.settings.merge(settings);
  layer.schedule = true;
  return layer;
}

}  // namespace

std::string_view LayerName(Language language, Layer layer) {
  switch (layer) {
    case Layer::MachinePolicy: return TextView(language, TextId::LayerMachinePolicy);
    case Layer::UserPolicy: return TextView(language, TextId::LayerUserPolicy);
    case Layer::Own: return TextView(language, TextId::LayerOwnChoice);
    case Layer::MachinePreset: return TextView(language, TextId::LayerMachinePreset);
    case Layer::UserPreset: return TextView(language, TextId::LayerUserPreset);
    case Layer::Default: break;
  }
  return TextView(language, TextId::LayerDefault);
}

std::string LayerKeyName(Layer layer) {
  const LayerPlace* place = PlaceOf(layer);
  if (!place) return std::string(LayerName(Language::English, layer));
  return (place->root == RegistryRoot::LocalMachine ? "HKLM\\" : "HKCU\\") + SubKey(place->preset);
}

PolicyRead ReadPolicyValue(platform::Registry& registry, platform::RegistryKey key, const PolicyValue& row) {
  PolicyRead read;
  if (registry.QueryValue(key, std::string(row.name), read.value) != platform::RegistrySuccess) return read;
  const std::uint32_t expected = row.type == PolicyType::Number ? platform::kRegistryNumber : platform::kRegistryText;
  if (read.value.type != expected) {
    read.state = ReadState::WrongType;
  } else {
    const std::uint64_t size = row.type == PolicyType::Number ? read.value.number : read.value.text.size();
    read.state = size < row.least || size > row.most ? ReadState::OutOfRange : ReadState::Valid;
    if (read.state == ReadState::Valid && row.type == PolicyType::Text && !HasTextForm(row.textForm, read.value.text))
      read.state = ReadState::WrongForm;
  }
  return read;
}

PolicyReading ReadPolicies(platform::Registry& registry, const Locale& locale) {
  PolicyReading reading;
  for (const LayerPlace& place : kPolicyLayers) {
    reading.layers.push_back(ReadLayer(registry, locale, place, reading));
  }
  return reading;
}

bool InScheduleGroup(std::string_view settingName) {
  for (const Key* key : kScheduleSettings) {
    if (key->name == settingName) return true;
  }
  return false;
}

}  // namespace vantrelle::settings
