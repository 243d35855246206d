#pragma once
// The schedule's frame: weekly, daily or every so many days, hours and minutes. It owns the controls;
// what an edit does to the countdown is the window's (MainFormSchedulePanel.cpp), since the count and
// its switch live in the status panel.
#include <vector>

#include "window/Controls.h"

namespace vantrelle {

class SchedulePanel {
 public:
  SchedulePanel();
  SchedulePanel(const SchedulePanel&) = delete;
  SchedulePanel& operator=(const SchedulePanel&) = delete;

  // In the order of the design.
  std::vector<Control*> Controls();

  Frame scheduleFrame{"Frame4", "Switch Schedule"};
  OptionGroup scheduleOptions;
  OptionButton weeklyOption{"Option1", " Weekly:", scheduleOptions};
  ListBox weekdayList{"cboWeekly", {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}};
  OptionButton dailyOption{"Option2", "Daily:", scheduleOptions};
  OptionButton everyOption{"Option3", "Switch every:", scheduleOptions};
  TextBox hoursBox{"Text11"};
  TextBox minutesBox{"Text2"};
  TextBox daysBox{"Text3"};
  TimePicker timePicker{"dtpWeekly"};
  Label hoursLabel{"Label5", "hour/s"};
  Label minutesLabel{"Label4", "minute/s"};
  Label daysLabel{"Label3", "day/s"};
};

}  // namespace vantrelle
