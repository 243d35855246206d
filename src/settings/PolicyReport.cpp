#include "settings/PolicyReport.h"

#include <deque>
#include <vector>

#include "base/Conversions.h"
#include "base/Texts.h"
#include "platform/Platform.h"
#include "settings/EffectiveSettings.h"
#include "settings/KeepRecentHours.h"
#include "settings/MachineChoices.h"

namespace vantrelle::settings {

namespace {

// The schedule's mode as the window's panel and switch hold it.
std::string ModeOf(const Locale& locale, EffectiveSettings& store) {
  if (Get(store, kStartStopState) == "Off") return "0";
  if (conversions::ToBoolean(locale, Get(store, kWeeklyChosen))) return "1";
  if (conversions::ToBoolean(locale, Get(store, kDailyChosen))) return "2";
  return "3";
}

// The setting's effective value in the terms of the policy value: what the program will act on.
std::string ValueOf(const platform::Platform& platform, EffectiveSettings& store, const PolicyValue& row) {
  const Locale& locale = *platform.locale;
  const Key& key = *row.setting;
  const std::string text = Get(store, key, DefaultValue(key, platform));
  switch (row.storedAs) {
    case StoredAs::OneZero: return std::to_string(TickState(store, locale, key));
    case StoredAs::OnOff: return text == "On" ? "1" : "0";
    case StoredAs::Decimal: return std::to_string(KeepRecentHours(locale, text));
    case StoredAs::Text: return text;
    case StoredAs::Schedule: break;
  }
  if (row.name == kScheduleMode) return ModeOf(locale, store);
  if (row.name == kScheduleWeekday) {
    for (std::size_t day = 0; day < std::size(kWeekdayNames); ++day) {
      if (kWeekdayNames[day] == text) return std::to_string(day);
    }
    return text;
  }
  if (row.name == kScheduleHour) return std::to_string(conversions::TextToDate(locale, text).hour);
  if (row.name == kScheduleMinute) return std::to_string(conversions::TextToDate(locale, text).minute);
  return text;
}

}  // namespace

std::string PolicyReport(const platform::Platform& platform, EffectiveSettings& settings) {
  const Language language = platform.locale->DisplayLanguage();
  std::string report = Text(language, TextId::PolicyReportSettings) + "\n";
  std::vector<PolicyValue> rows(PolicyValues().begin(), PolicyValues().end());
  std::deque<Key> others;  // the rows' settings of handlers the table does not know
  for (const std::string& name : settings.OtherNamedChoices()) {
    rows.push_back(NamedChoicePolicy(others.emplace_back(Key{name, "0", Form::OneZero})));
  }
  for (const PolicyValue& row : rows) {
    std::string value;
    try {
      value = ValueOf(platform, settings, row);
    } catch (...) {
      value = FormatText(TextView(language, TextId::PolicyReportUnreadable), {Get(settings, *row.setting)});
    }
    report.append(row.name).append(" = ").append(value).append(" (");
    report.append(LayerName(language, settings.SourceOf(*row.setting))).append(")\n");
  }
  report.append("\n").append(TextView(language, TextId::PolicyReportMachineChoices)).append("\n");
  report += MachineChoicesReport(platform);
  report.append("\n").append(TextView(language, TextId::PolicyReportIgnored)).append("\n");
  for (const IgnoredValue& ignored : settings.Ignored()) {
    report.append(LayerKeyName(ignored.layer)).append("\\").append(ignored.name).append(": ");
    report.append(ignored.reason).append("\n");
  }
  if (settings.Ignored().empty()) report.append(TextView(language, TextId::PolicyReportNoneIgnored)).append("\n");
  return report;
}

}  // namespace vantrelle::settings
