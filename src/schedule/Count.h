#pragma once
// The count of seconds towards the next run, kept in step with the clock.
namespace vantrelle {
class Form1;

namespace count {

// The schedule is switched on (the timer has a period).
bool ScheduleOn(const Form1& form);

// The count starts again from 0 at the present moment.
void Restart(Form1& form);

// One tick: the count gains the whole seconds the clock moved since the last reading (at least
// one, and one when the clock went back), and stops at the largest 32-bit count.
void Advance(Form1& form);

}  // namespace count
}  // namespace vantrelle
