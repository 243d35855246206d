#include "schedule/Count.h"

#include <cstdint>
#include <limits>

#include "platform/Clock.h"
#include "schedule/Calendar.h"
#include "shell/Form1.h"

namespace vantrelle::count {

namespace {
std::int64_t ClockSeconds(const Form1& form) { return calendar::ToSeconds(form.Platform().clock->Now()); }
}  // namespace

bool ScheduleOn(const Form1& form) { return form.Timer1.Interval() != 0; }

void Restart(Form1& form) {
  form.Elapsed = 0;
  form.CountedUpTo = ClockSeconds(form);
}

void Advance(Form1& form) {
  const std::int64_t now = ClockSeconds(form);
  std::int64_t step = 1;
  if (form.CountedUpTo && now - *form.CountedUpTo > 1) step = now - *form.CountedUpTo;
  form.CountedUpTo = now;
  const std::int64_t counted = static_cast<std::int64_t>(form.Elapsed) + step;
  form.Elapsed = static_cast<std::int32_t>(std::min<std::int64_t>(counted, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace vantrelle::count
