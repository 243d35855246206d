#pragma once
// Form1 on the fakes, with a look at what the settings store holds.
#include <gtest/gtest.h>

#include <string>

#include "platform/fake/FakePlatform.h"
#include "shell/Form1.h"
#include "shell/RuntimeError.h"

namespace vantrelle {

// A settings store whose every write fails, as a full or locked store would.
class RefusingStore : public fake::FakeSettingsStore {
 public:
  void SaveSetting(const std::string&, const std::string&, const std::string&, const std::string&) override {
    throw RuntimeError(75, "Path/File access error");
  }
};

class FormFixture : public ::testing::Test {
 protected:
  // The stored text of the program's key, or "<absent>".
  std::string Stored(const std::string& key) const {
    auto it = fakes.settings.values.find({"Marrowick", "Vantrelle", key});
    return it == fakes.settings.values.end() ? "<absent>" : it->second;
  }
  fake::FakePlatform fakes;
  Form1 form{fakes.platform};
};

}  // namespace vantrelle
