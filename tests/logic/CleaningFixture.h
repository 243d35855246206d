#pragma once
// A window on fake services, with a record of every status-line text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"
#include "shell/Form1.h"

namespace vantrelle::testing {

// Time passes with every status text, as it does when real entries are worked on.
class StatusRecorder : public ControlObserver {
 public:
  explicit StatusRecorder(fake::FakeClock& clock) : clock_(clock) {}
  void ControlChanged(Control& control) override {
    texts.push_back(control.Caption());
    clock_.tickMs += millisecondsPerText;
  }
  void FocusRequested(Control&) override {}
  std::vector<std::string> texts;
  int millisecondsPerText = 20;

 private:
  fake::FakeClock& clock_;
};

class CleaningTest : public ::testing::Test {
 protected:
  CleaningTest() {
    form.Frame2.SetObserver(&status);
    form.hWnd = 0x1234;
    fake.environment.Set("WINDIR", "C:\\Windows");
    fake.environment.Set("SystemDrive", "C:");
    fake.environment.Set("USERPROFILE", "C:\\Users\\bob");
    fake.environment.Set("APPDATA", "C:\\Users\\bob\\AppData\\Roaming");
    fake.environment.Set("TEMP", "C:\\Users\\bob\\AppData\\Local\\Temp");
    fake.environment.Set("ProgramFiles", "C:\\Program Files");
    fake.environment.Set("ProgramData", "C:\\ProgramData");
    fake.files.AddFolder("C:\\Windows\\Temp");
    fake.files.AddFolder("C:\\Users\\bob\\Documents");
    fake.files.AddFolder("C:\\Users\\bob\\AppData\\Local\\Temp");
    fake.files.AddFolder("C:\\Users\\bob\\AppData\\Roaming\\Temp");
  }

  std::vector<std::string> StatusTextsStartingWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& text : status.texts) {
      if (text.rfind(prefix, 0) == 0) out.push_back(text);
    }
    return out;
  }

  fake::FakePlatform fake;
  Form1 form{fake.platform};
  StatusRecorder status{fake.clock};
};

}  // namespace vantrelle::testing
