// The main window after start-up: to the tray when minimised, back on a tray click, closing, pointer.
#include "platform/EventPump.h"
#include "shell/Form1.h"
#include "shell/Guard.h"

namespace vantrelle {

namespace {
inline constexpr char kTrayBalloon[] =
    "has been minimized to the system tray.\r\n"
    "Click on the blue 'M' icon (M for Marrowick) to bring the software back.";
inline constexpr int kBalloonSeconds = 5;
}  // namespace

void Form1::WindowChanged() {
  if (windowObserver_) windowObserver_->WindowChanged();
}

void Form1::Form_Resize() {
  if (State != WindowState::Minimized || HiddenInTray) return;
  WindowVisible = false;
  State = WindowState::Normal;
  WindowChanged();
  HiddenInTray = true;
  cSysTray1.ShowBalloon(kTrayBalloon, kProductName, kBalloonSeconds, true);
}

// Any button, also when the window is already showing.
void Form1::cSysTray1_MouseUp(std::int16_t, std::int32_t) {
  WindowVisible = true;
  WindowChanged();
  if (windowObserver_) windowObserver_->Activate();
  HiddenInTray = false;
}

void Form1::Form_QueryUnload() {
  Guard guard(*platform_.messageBox, location::kFormQueryUnload);
  guard.Line(100, [&] { Timer1.SetEnabled(false); });
  guard.Line(102, [&] { cSysTray1.SetInTray(false); });
  guard.Line(104, [&] { platform_.events->DoEvents(); });
  guard.Line(106, [&] { platform_.events->DoEvents(); });
  guard.Line(108, [&] { EndRequested = true; });
}

// Without the pointer file the platform's default pointer shows.
void Form1::ShowHandPointer() {
  const MousePointer wanted = CustomPointerFile.empty() ? MousePointer::Default : MousePointer::Custom;
  if (Pointer == wanted) return;
  Pointer = wanted;
  WindowChanged();
}

void Form1::Form_MouseMove() {
  if (Pointer == MousePointer::Default) return;
  Pointer = MousePointer::Default;
  WindowChanged();
}

}  // namespace vantrelle
