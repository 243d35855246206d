#pragma once
// The status and the run buttons: help at the top, the countdown's frame and bar, the schedule's
// switch and the delete-now button. The handlers that run the cleaning are the window's
// (MainFormCountdown.cpp): a run reads every panel.
#include <vector>

#include "window/Controls.h"

namespace vantrelle {

class StatusPanel {
 public:
  StatusPanel() = default;
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
};

}  // namespace vantrelle
