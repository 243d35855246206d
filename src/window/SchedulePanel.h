#pragma once
// The schedule's frame: weekly, daily or every so many days, hours and minutes. It owns its controls
// and their handlers: every edit is stored at once, and the panel times the window's countdown from
// what it shows. Whether the countdown runs is the status panel's switch, asked through the host.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "schedule/Countdown.h"
#include "window/Controls.h"

namespace vantrelle::settings {
struct Key;
}  // namespace vantrelle::settings

namespace vantrelle {

// What the schedule asks of the window that holds it.
class ScheduleHost {
 public:
  virtual ~ScheduleHost() = default;
  // A plain box with the application's title.
  virtual void Tell(const std::string& text) const = 0;
  // The schedule's switch is on: the countdown counts towards a run.
  virtual bool SwitchedOn() const = 0;
};

class SchedulePanel {
 public:
  SchedulePanel(platform::Platform& platform, schedule::Countdown& countdown, ScheduleHost& host);
  SchedulePanel(const SchedulePanel&) = delete;
  SchedulePanel& operator=(const SchedulePanel&) = delete;

  // In the order of the design.
  std::vector<Control*> Controls();

  // Seconds from now to the next run, from the panel as it stands.
  void ComputeInterval();
  // The same once a scheduled run has ended: the next run is never the one that just ran.
  void ComputeIntervalAfterRun();
  // The system's clock was set, or its time zone or daylight saving changed.
  void ClockChanged();
  // Recomputes and restarts the count while the schedule is on; a failure is told.
  void RestartCountdownIfOn();

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

 private:
  // The handlers have no error report of their own: what fails is told plainly.
  void TimedOptionChosen(bool weekdayListEnabled);
  void EveryOptionChosen();
  void WeekdayChosen();
  void TimePickerChanged();
  void TimePickerClicked();
  void NumberBoxChanged(const settings::Key& key, const TextBox& box);
  void NumberBoxLeft(TextBox& box);
  void StoreScheduleOptions();
  // The every-N boxes set back to their out-of-the-box texts: those holding no number, or all.
  void ResetEveryBoxes(bool numbersToo);
  // Seconds between every-N runs from the boxes: at least a minute; a total of none or less, or one
  // too large with no interval to keep, sets the boxes back to one day.
  std::int32_t EveryInterval();
  void StoreForPanel(const settings::Key& key, const std::string& value);
  // A weekly or daily interval cannot fail, so it is computed at once whether or not the schedule is on.
  void RecomputeTimed();
  bool PickerHoldsTime() const;

  platform::Platform& platform_;
  schedule::Countdown& countdown_;
  ScheduleHost& host_;
  // A number box changed since the interval was last computed.
  bool scheduleBoxEdited_ = false;
};

}  // namespace vantrelle
