#pragma once
// The cleaning run on the fake platform, with a host that records what it shows: no window.
#include <string>
#include <vector>

#include "LogicTest.h"
#include "cleaning/DeletionRun.h"
#include "support/RecordingRunHost.h"

namespace vantrelle::testing {

class CleaningTest : public LogicTest {
 protected:
  CleaningTest() {
    fakes.environment.Set("WINDIR", "C:\\Windows");
    fakes.environment.Set("SystemDrive", "C:");
    fakes.environment.Set("USERPROFILE", "C:\\Users\\bob");
    fakes.environment.Set("APPDATA", "C:\\Users\\bob\\AppData\\Roaming");
    fakes.environment.Set("TEMP", "C:\\Users\\bob\\AppData\\Local\\Temp");
    fakes.environment.Set("ProgramFiles", "C:\\Program Files");
    fakes.environment.Set("ProgramData", "C:\\ProgramData");
    fakes.files.AddFolder("C:\\Windows\\Temp");
    fakes.files.AddFolder("C:\\Users\\bob\\Documents");
    fakes.files.AddFolder("C:\\Users\\bob\\AppData\\Local\\Temp");
    fakes.files.AddFolder("C:\\Users\\bob\\AppData\\Roaming\\Temp");
  }

  // Every location ticked, with the person's own folder at `ownFolder`.
  static cleaning::Choices AllLocations(std::string ownFolder) {
    return {.windowsTemp = true,
            .recycleBin = true,
            .recentDocuments = true,
            .userTemp = true,
            .systemTemp = true,
            .ownFolder = true,
            .ownFolderPath = std::move(ownFolder)};
  }

  cleaning::RunResult Run(const cleaning::Choices& choices) {
    return cleaning::DeletionRun(fakes.platform, host).Run(choices);
  }

  RecordingRunHost host{&fakes.clock};
};

}  // namespace vantrelle::testing
