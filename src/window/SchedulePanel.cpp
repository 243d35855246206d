// Every edit of the schedule is stored
// at once; while the schedule is on, an edit that changes when the next run falls restarts the
// countdown from a fresh interval, so the countdown always shows the run that will really happen.
#include <algorithm>
#include <optional>
#include <utility>

#include "base/Calendar.h"
#include "base/Conversions.h"
#include "base/Locale.h"
#include "base/RuntimeError.h"
#include "base/Texts.h"
#include "platform/Clock.h"
#include "schedule/Interval.h"
#include "settings/Settings.h"
#include "window/SchedulePanel.h"

namespace vantrelle {

namespace {

// The every-N boxes in the order they are checked, each with its out-of-the-box text.
constexpr std::pair<TextBox SchedulePanel::*, const char*> kEveryBoxes[] = {
    {&SchedulePanel::hoursBox, "0"}, {&SchedulePanel::minutesBox, "0"}, {&SchedulePanel::daysBox, "1"}};

}  // namespace

SchedulePanel::SchedulePanel(platform::Platform& platform, schedule::Countdown& countdown, ScheduleHost& host)
    : platform_(platform), countdown_(countdown), host_(host) {
  everyOption.SetValue(true);  // the design's chosen option, before any handler is wired
  timePicker.InitialValue(LocalTime{2010, 2, 19, 0, 0, 0});
  weeklyOption.OnClick = [this] { TimedOptionChosen(true); };
  dailyOption.OnClick = [this] { TimedOptionChosen(false); };
  everyOption.OnClick = [this] { EveryOptionChosen(); };
  weekdayList.OnClick = [this] { WeekdayChosen(); };
  timePicker.OnChange = [this] { TimePickerChanged(); };
  timePicker.OnClick = [this] { TimePickerClicked(); };
  for (auto [box, key] : {std::pair{&daysBox, &settings::kEveryDays}, std::pair{&hoursBox, &settings::kEveryHours},
                          std::pair{&minutesBox, &settings::kEveryMinutes}}) {
    box->OnChange = [this, box, key] { NumberBoxChanged(*key, *box); };
    // Typing replaces the whole text.
    box->OnGotFocus = [box] { box->Select(0, static_cast<int>(box->Text().size())); };
    box->OnLostFocus = [this, box] { NumberBoxLeft(*box); };
  }
}

std::vector<Control*> SchedulePanel::Controls() {
  return {&scheduleFrame, &weeklyOption, &weekdayList, &dailyOption, &everyOption,  &hoursBox,
          &minutesBox,    &daysBox,      &timePicker,  &hoursLabel,  &minutesLabel, &daysLabel};
}

// A box set back gets its out-of-the-box text, stored like any edit.
void SchedulePanel::ResetEveryBoxes(bool numbersToo) {
  for (const auto& [member, outOfTheBox] : kEveryBoxes) {
    TextBox& box = this->*member;
    if (numbersToo || !conversions::IsNumeric(*platform_.locale, box.Text())) box.SetText(outOfTheBox);
  }
}

std::int32_t SchedulePanel::EveryInterval() {
  const Locale& locale = *platform_.locale;
  ResetEveryBoxes(false);
  std::optional<std::int32_t> total;
  try {
    const double hours = conversions::ToDouble(locale, hoursBox.Text());
    const double minutes = conversions::ToDouble(locale, minutesBox.Text());
    const double days = conversions::ToDouble(locale, daysBox.Text());
    total = schedule::Every(days, hours, minutes);
  } catch (const RuntimeError& failure) {
    // A usable interval stays and the failure is told; without one every tick would run.
    if (failure.Number() != Overflow().Number() || countdown_.Interval() >= schedule::kShortestInterval) throw;
  }
  if (!total || *total <= 0) {
    // No time between runs: the boxes go back to one day, as boxes holding no number do.
    ResetEveryBoxes(true);
    return calendar::kSecondsPerDay;
  }
  return std::max(*total, schedule::kShortestInterval);
}

// A weekday or a time of day is counted on the local clock, so the run falls at that local time;
// every so many days, hours and minutes is counted as time passes.
void SchedulePanel::ComputeInterval() {
  const LocalTime now = platform_.clock->Now();
  if (weeklyOption.Value()) {
    // The list always has a weekday once restored; without one there is no weekly run to time.
    if (weekdayList.ListIndex() >= 0) {
      countdown_.SetInterval(schedule::UntilWeekly(now, weekdayList.ListIndex() + 1, timePicker.Value()),
                             schedule::CountBy::LocalTime);
    }
  } else if (dailyOption.Value()) {
    countdown_.SetInterval(schedule::UntilDaily(now, timePicker.Value()), schedule::CountBy::LocalTime);
  } else if (everyOption.Value()) {
    countdown_.SetInterval(EveryInterval(), schedule::CountBy::ElapsedTime);
  }
  scheduleBoxEdited_ = false;
}

void SchedulePanel::ComputeIntervalAfterRun() {
  ComputeInterval();
  // A daily time equal to now is the run that just ended, within its own second.
  if (dailyOption.Value() && countdown_.Interval() == 0) {
    countdown_.SetInterval(calendar::kSecondsPerDay, schedule::CountBy::LocalTime);
  }
}

void SchedulePanel::ClockChanged() {
  if (!host_.SwitchedOn() || countdown_.CountingBy() != schedule::CountBy::LocalTime) return;
  // A time the new clock has already passed is due at the next tick, as after a sleep; any other
  // is counted again towards the chosen time on the new clock.
  countdown_.Advance();
  if (!countdown_.Due()) RestartCountdownIfOn();
}

// The picker holds a time of day (not only a date): before start-up has restored it, it does not.
bool SchedulePanel::PickerHoldsTime() const { return conversions::ShowsTimeOfDay(timePicker.Value()); }

void SchedulePanel::RestartCountdownIfOn() {
  if (!host_.SwitchedOn()) return;
  try {
    ComputeInterval();
    countdown_.Restart();
  } catch (const RuntimeError& failure) {
    host_.Tell(failure.what());
  }
}

void SchedulePanel::RecomputeTimed() {
  if (host_.SwitchedOn()) {
    RestartCountdownIfOn();
  } else {
    ComputeInterval();
  }
}

// A store that refuses a write is told at once, so the person knows the choice will not outlive
// the program; the panel itself goes on.
void SchedulePanel::StoreForPanel(const settings::Key& key, const std::string& value) {
  try {
    settings::Save(*platform_.settings, key, value);
  } catch (const RuntimeError& failure) {
    host_.Tell(failure.what());
  }
}

void SchedulePanel::StoreScheduleOptions() {
  StoreForPanel(settings::kWeeklyChosen, settings::TrueFalse(weeklyOption.Value()));
  StoreForPanel(settings::kDailyChosen, settings::TrueFalse(dailyOption.Value()));
  StoreForPanel(settings::kEveryChosen, settings::TrueFalse(everyOption.Value()));
}

// Weekly and daily: a fresh interval when the picker holds a time of day.
void SchedulePanel::TimedOptionChosen(bool weekdayListEnabled) {
  if (PickerHoldsTime()) RecomputeTimed();
  timePicker.SetEnabled(true);
  weekdayList.SetEnabled(weekdayListEnabled);
  StoreScheduleOptions();
}

void SchedulePanel::EveryOptionChosen() {
  timePicker.SetEnabled(false);
  weekdayList.SetEnabled(false);
  StoreScheduleOptions();
  RestartCountdownIfOn();
}

void SchedulePanel::WeekdayChosen() {
  StoreForPanel(settings::kWeekly, weekdayList.Text());
  if (weeklyOption.Value()) RestartCountdownIfOn();
}

void SchedulePanel::TimePickerChanged() {
  StoreForPanel(settings::kWeeklyTime, conversions::DateToText(*platform_.locale, timePicker.Value()));
  if (dailyOption.Value() && PickerHoldsTime()) {
    RecomputeTimed();
  } else if (weeklyOption.Value()) {
    RestartCountdownIfOn();
  }
}

// The picker's click stores and recomputes exactly as a change does.
void SchedulePanel::TimePickerClicked() { TimePickerChanged(); }

void SchedulePanel::NumberBoxChanged(const settings::Key& key, const TextBox& box) {
  StoreForPanel(key, box.Text());
  scheduleBoxEdited_ = true;
}

// The text stays as typed (and stored); the person is sent back to correct it.
void SchedulePanel::NumberBoxLeft(TextBox& box) {
  if (!conversions::IsNumeric(*platform_.locale, box.Text())) {
    host_.Tell(Text(*platform_.locale, TextId::MustBeNumeric));
    box.SetFocus();
    return;
  }
  if (scheduleBoxEdited_ && everyOption.Value()) RestartCountdownIfOn();
}

}  // namespace vantrelle
