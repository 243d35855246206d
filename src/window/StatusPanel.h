#pragma once
// The status and the run buttons: help at the top, the countdown's frame and bar, the schedule's
// switch and the delete-now button. Help is the panel's own; the handlers that run the cleaning are
// the window's (MainFormCountdown.cpp): a run reads every panel.
#include <string>
#include <vector>

#include "platform/Platform.h"

#include "window/Controls.h"
#include "window/ErrorReportBox.h"

namespace vantrelle {

class StatusPanel {
 public:
  // Help's box is titled with `applicationTitle`, as the window's own boxes are.
  StatusPanel(platform::Platform& platform, const std::string& applicationTitle);
  StatusPanel(const StatusPanel&) = delete;
  StatusPanel& operator=(const StatusPanel&) = delete;

  std::vector<Control*> Controls();

  PushButton helpButton{"PushButton1", "Help"};
  Frame statusFrame{"Frame2", "On. Next delete will occur in:"};
  ProgressBar countdownBar{"ProgressBar1"};
  Timer countdownTimer{"Timer1"};
  PushButton scheduleSwitch{"PushButton4", "Turn On"};
  PushButton deleteNowButton{"PushButton2", "Start Deleting Temporary Files Now (Test)"};

  // The countdown's timer runs: the schedule is on.
  bool ScheduleOn() const { return countdownTimer.Interval() != 0; }

 private:
  void HelpClicked();

  platform::Platform& platform_;
  const std::string& applicationTitle_;
  ErrorReportBox errorReport_;
};

}  // namespace vantrelle
