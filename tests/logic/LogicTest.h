#pragma once
// The ground of every logic test: the fake platform, the window's logic on it, and a look at what
// the settings store holds.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "base/Calendar.h"
#include "platform/fake/FakePlatform.h"
#include "window/MainForm.h"
#include "settings/Settings.h"

namespace vantrelle::testing {

class LogicTest : public ::testing::Test {
 protected:
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
  MainForm form{fakes.platform};
};

}  // namespace vantrelle::testing
