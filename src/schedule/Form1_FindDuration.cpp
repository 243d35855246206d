// The interval from now to the next run, from the schedule panel as it stands.
#include "platform/Locale.h"
#include "schedule/Interval.h"
#include "shell/Conversions.h"
#include "shell/Form1.h"

namespace vantrelle {

namespace {

// A box that holds no number gets its out-of-the-box value, stored like any edit.
void ReplaceUnlessNumeric(const platform::Locale& locale, TextBox& box, const char* replacement) {
  if (!conversions::IsNumeric(locale, box.Text())) box.SetText(replacement);
}

}  // namespace

void Form1::FindDuration() {
  const platform::Locale& locale = *platform_.locale;
  const platform::LocalTime now = platform_.clock->Now();
  if (Option1.Value()) {
    // The list always has a weekday once restored; without one there is no weekly run to time.
    if (cboWeekly.ListIndex() >= 0) Duration = interval::UntilWeekly(now, cboWeekly.ListIndex() + 1, dtpWeekly.Value());
  } else if (Option2.Value()) {
    Duration = interval::UntilDaily(now, dtpWeekly.Value());
  } else if (Option3.Value()) {
    ReplaceUnlessNumeric(locale, Text11, "0");
    ReplaceUnlessNumeric(locale, Text2, "0");
    ReplaceUnlessNumeric(locale, Text3, "1");
    const double hours = conversions::ToDouble(locale, Text11.Text());
    const double minutes = conversions::ToDouble(locale, Text2.Text());
    const double days = conversions::ToDouble(locale, Text3.Text());
    Duration = interval::Every(days, hours, minutes);
  }
  ScheduleBoxEdited = false;
}

}  // namespace vantrelle
