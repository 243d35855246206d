#pragma once
// The start-up options' frame: start with Windows, and start hidden in the tray (shown only while
// the program starts with Windows). Each choice is stored the moment it changes.
#include <vector>

#include "platform/Platform.h"
#include "window/Controls.h"

namespace vantrelle {

class StartUpPanel {
 public:
  // `loading` is true while start-up restores the boxes: then the Run entry is left alone.
  StartUpPanel(platform::Platform& platform, const bool& loading);
  StartUpPanel(const StartUpPanel&) = delete;
  StartUpPanel& operator=(const StartUpPanel&) = delete;

  std::vector<Control*> Controls();

  Frame startupFrame{"Frame3", "Startup Options"};
  CheckBox startWithWindowsBox{"Check3", "Load this software on Windows startup"};
  CheckBox startInTrayBox{"Check8", "Start in system tray"};

 private:
  void StartWithWindowsBoxClicked();
  void StartInTrayBoxClicked();

  platform::Platform& platform_;
  const bool& loading_;
};

}  // namespace vantrelle
