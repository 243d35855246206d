// The one-second countdown, the on/off switch and the delete-now button.
#include "cleaning/modDeleteTempFiles.h"
#include "platform/EventPump.h"
#include "schedule/Count.h"
#include "schedule/Main.h"
#include "shell/Form1.h"
#include "shell/Guard.h"
#include "shell/RuntimeError.h"
#include "shell/Settings.h"

namespace vantrelle {

namespace {

constexpr const char* kTurnOn = "Turn On";
constexpr const char* kTurnOff = "Turn Off";

std::int32_t Remaining(std::int32_t duration, std::int32_t elapsed) {
  const std::int64_t rest = static_cast<std::int64_t>(duration) - elapsed;
  if (rest < INT32_MIN || rest > INT32_MAX) throw Overflow();
  return static_cast<std::int32_t>(rest);
}

}  // namespace

void Form1::Timer1_Timer() {
  Guard guard(*platform_.messageBox, location::kTimer1Timer);
  // A tick queued before the switch went off.
  if (guard.Test(100, [&] { return Timer1.Interval() == 0; })) {
    guard.Line(102, [&] { Frame2.SetCaption("Off."); });
    return;  // 104
  }
  guard.Line(106, [&] { platform_.events->DoEvents(); });
  guard.Line(108, [&] { count::Advance(*this); });
  guard.Line(110, [&] { Main::UpdateProgress(ProgressBar1, Duration, Elapsed); });
  guard.Line(112, [&] {
    const std::string rest = Main::FormatDuration(Remaining(Duration, Elapsed));
    std::string status;
    status.reserve(64);  // one allocation for the whole line
    status.append("On. Next switch will occur in: ").append(rest);
    Frame2.SetCaption(status);
  });
  if (guard.Test(114, [&] { return Duration > Elapsed; })) return;
  guard.Line(116, [&] { Timer1.SetEnabled(false); });
  guard.Line(118, [&] { modDeleteTempFiles::DeleteTemporaryFiles(*this); });
  guard.Line(120, [&] { FindDuration(); });
  guard.Line(122, [&] { Timer1.SetEnabled(true); });
  guard.Line(124, [&] { count::Restart(*this); });
}

void Form1::PushButton4_Click() {
  Guard guard(*platform_.messageBox, location::kPushButton4Click);
  if (guard.Test(100, [&] { return PushButton4.Caption() == kTurnOn; })) {
    guard.Line(102, [&] { PushButton4.SetCaption(kTurnOff); });
    guard.Line(104, [&] { Frame2.SetCaption("On. Next delete will occur in: xx:xx:xx"); });
    guard.Line(106, [&] { count::Restart(*this); });
    guard.Line(108, [&] { FindDuration(); });
    guard.Line(110, [&] { Timer1.SetInterval(1000); });
    guard.Line(112, [&] { Timer1.SetEnabled(true); });
    guard.Line(114, [&] { settings::Save(*platform_.settings, settings::kStartStopState, settings::OnOff(true)); });
  } else if (guard.Test(116, [&] { return PushButton4.Caption() == kTurnOff; })) {
    guard.Line(118, [&] { PushButton4.SetCaption(kTurnOn); });
    guard.Line(120, [&] { Timer1.SetInterval(0); });
    guard.Line(122, [&] { Frame2.SetCaption("Off."); });
    guard.Line(124, [&] { settings::Save(*platform_.settings, settings::kStartStopState, settings::OnOff(false)); });
  }
}

void Form1::PushButton2_Click() {
  Guard guard(*platform_.messageBox, location::kPushButton2Click);
  guard.Line(100, [&] { modDeleteTempFiles::DeleteTemporaryFiles(*this); });
}

}  // namespace vantrelle
