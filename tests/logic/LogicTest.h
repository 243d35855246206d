#pragma once
// The ground of every logic test: the fake platform, the window's logic on it, and a look at what
// the settings store holds.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "base/Calendar.h"
#include "platform/fake/FakePlatform.h"
#include "settings/EffectiveSettings.h"
#include "settings/Settings.h"
#include "window/MainForm.h"

namespace vantrelle::testing {

class LogicTest : public ::testing::Test {
 protected:
  // The program's settings are read and written with the policies over them, as the real program's.
  LogicTest() {
    fakes.platform.settings = &effective;
    form.SetPolicies(&effective);
  }

  // The stored text of the program's key, or "<absent>".
  std::string Stored(std::string_view key) const {
    auto it = fakes.settings.values.find(
        {std::string(settings::kApplication), std::string(settings::kSection), std::string(key)});
    return it == fakes.settings.values.end() ? "<absent>" : it->second;
  }
  std::string Stored(const settings::Key& key) const { return Stored(key.name); }

  static LocalTime Later(const LocalTime& t, std::int64_t seconds) {
    return calendar::FromSeconds(calendar::ToSeconds(t) + seconds);
  }

  fake::FakePlatform fakes;
  settings::EffectiveSettings effective{fakes.settings, fakes.registry, fakes.locale};
  MainForm form{fakes.platform};
};

}  // namespace vantrelle::testing
