#include "window/SchedulePanel.h"

namespace vantrelle {

SchedulePanel::SchedulePanel() {
  everyOption.SetValue(true);  // the design's chosen option; no handler is wired yet
  timePicker.InitialValue(LocalTime{2010, 2, 19, 0, 0, 0});
}

std::vector<Control*> SchedulePanel::Controls() {
  return {&scheduleFrame, &weeklyOption, &weekdayList, &dailyOption, &everyOption,  &hoursBox,
          &minutesBox,    &daysBox,      &timePicker,  &hoursLabel,  &minutesLabel, &daysLabel};
}

}  // namespace vantrelle
