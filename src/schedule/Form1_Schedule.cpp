// The schedule panel: weekly, daily or every so many days, hours and minutes. Every edit is stored
// at once; while the schedule is on, an edit that changes when the next run falls restarts the
// countdown from a fresh interval, so the countdown always shows the run that will really happen.
#include "platform/Locale.h"
#include "schedule/Count.h"
#include "shell/Conversions.h"
#include "shell/Form1.h"
#include "shell/RuntimeError.h"
#include "shell/Settings.h"

namespace vantrelle {

namespace {

// Recomputes and restarts the count while the schedule is on. These handlers have no error report
// of their own, so an interval that cannot be computed is told plainly and the countdown goes on.
void RestartCountdownIfOn(Form1& form) {
  if (!count::ScheduleOn(form)) return;
  try {
    form.FindDuration();
    count::Restart(form);
  } catch (const RuntimeError& failure) {
    form.MsgBox(failure.what());
  }
}

// A weekly or daily interval cannot fail, so it is computed at once whether or not the schedule is on.
void RecomputeTimed(Form1& form) {
  if (count::ScheduleOn(form)) {
    RestartCountdownIfOn(form);
  } else {
    form.FindDuration();
  }
}

// The picker holds a time of day (not only a date): before start-up has restored it, it does not.
bool PickerHoldsTime(const Form1& form) { return conversions::ShowsTimeOfDay(form.dtpWeekly.Value()); }

// A store that refuses a write is told at once, so the person knows the choice will not outlive
// the program; the panel itself goes on.
void Store(Form1& form, const settings::Key& key, const std::string& value) {
  try {
    settings::Save(*form.Platform().settings, key, value);
  } catch (const RuntimeError& failure) {
    form.MsgBox(failure.what());
  }
}

void StoreOptions(Form1& form) {
  Store(form, settings::kOption1, settings::TrueFalse(form.Option1.Value()));
  Store(form, settings::kOption2, settings::TrueFalse(form.Option2.Value()));
  Store(form, settings::kOption3, settings::TrueFalse(form.Option3.Value()));
}

// Weekly and daily: a fresh interval when the picker holds a time of day.
void TimedOptionChosen(Form1& form, bool weekdayListEnabled) {
  if (PickerHoldsTime(form)) RecomputeTimed(form);
  form.dtpWeekly.SetEnabled(true);
  form.cboWeekly.SetEnabled(weekdayListEnabled);
  StoreOptions(form);
}

void PickerChangedOrClicked(Form1& form) {
  Store(form, settings::kWeeklyTime, conversions::DateToText(*form.Platform().locale, form.dtpWeekly.Value()));
  if (form.Option2.Value() && PickerHoldsTime(form)) {
    RecomputeTimed(form);
  } else if (form.Option1.Value()) {
    RestartCountdownIfOn(form);
  }
}

void NumberBoxChanged(Form1& form, const settings::Key& key, const TextBox& box) {
  Store(form, key, box.Text());
  form.ScheduleBoxEdited = true;
}

// Typing replaces the whole text.
void NumberBoxGotFocus(TextBox& box) { box.Select(0, static_cast<int>(box.Text().size())); }

// The text stays as typed (and stored); the person is sent back to correct it.
void NumberBoxLostFocus(Form1& form, TextBox& box) {
  if (!conversions::IsNumeric(*form.Platform().locale, box.Text())) {
    form.MsgBox("Must be a numeric entry.");
    box.SetFocus();
    return;
  }
  if (form.ScheduleBoxEdited && form.Option3.Value()) RestartCountdownIfOn(form);
}

}  // namespace

void Form1::Option1_Click() { TimedOptionChosen(*this, true); }
void Form1::Option2_Click() { TimedOptionChosen(*this, false); }

void Form1::Option3_Click() {
  dtpWeekly.SetEnabled(false);
  cboWeekly.SetEnabled(false);
  StoreOptions(*this);
  RestartCountdownIfOn(*this);
}

void Form1::cboWeekly_Click() {
  Store(*this, settings::kWeekly, cboWeekly.Text());
  if (Option1.Value()) RestartCountdownIfOn(*this);
}

void Form1::dtpWeekly_Change() { PickerChangedOrClicked(*this); }
void Form1::dtpWeekly_Click() { PickerChangedOrClicked(*this); }

void Form1::Text3_Change() { NumberBoxChanged(*this, settings::kText3, Text3); }
void Form1::Text3_GotFocus() { NumberBoxGotFocus(Text3); }
void Form1::Text3_LostFocus() { NumberBoxLostFocus(*this, Text3); }
void Form1::Text11_Change() { NumberBoxChanged(*this, settings::kText11, Text11); }
void Form1::Text11_GotFocus() { NumberBoxGotFocus(Text11); }
void Form1::Text11_LostFocus() { NumberBoxLostFocus(*this, Text11); }
void Form1::Text2_Change() { NumberBoxChanged(*this, settings::kText2, Text2); }
void Form1::Text2_GotFocus() { NumberBoxGotFocus(Text2); }
void Form1::Text2_LostFocus() { NumberBoxLostFocus(*this, Text2); }

}  // namespace vantrelle
