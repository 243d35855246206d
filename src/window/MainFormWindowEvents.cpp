// The main window after start-up: to the tray when minimised, back on a tray click, closing, pointer.
#include "base/Guard.h"
#include "platform/EventPump.h"
#include "window/MainForm.h"

namespace vantrelle {

namespace {
inline constexpr int kBalloonSeconds = 5;
}  // namespace

void MainForm::WindowChanged() {
  if (windowObserver_) windowObserver_->WindowChanged();
}

void MainForm::Resized() {
  if (windowState != WindowState::Minimized || hiddenInTray) return;
  windowVisible = false;
  windowState = WindowState::Normal;
  WindowChanged();
  hiddenInTray = true;
  trayIcon.ShowBalloon(std::string(TextOf(TextId::MinimizedToTray)), kProductName, kBalloonSeconds, true);
}

// Any button, also when the window is already showing.
void MainForm::TrayIconMouseUp(std::int16_t, std::int32_t) {
  windowVisible = true;
  WindowChanged();
  if (windowObserver_) windowObserver_->Activate();
  hiddenInTray = false;
}

void MainForm::Close() {
  weeklyListCheck_.Stop();  // its thread leaves off within a quarter of a second
  Guard guard(errorReport_, location::kClosing);
  guard.Line(100, [&] { statusPanel.countdownTimer.SetEnabled(false); });
  guard.Line(102, [&] { trayIcon.SetInTray(false); });
  guard.Line(104, [&] { platform_.events->DoEvents(); });
  guard.Line(106, [&] { platform_.events->DoEvents(); });
  guard.Line(108, [&] { endRequested = true; });
}

// Without the pointer file the platform's default pointer shows.
void MainForm::ShowHandPointer() {
  const MousePointer wanted = customPointerFile.empty() ? MousePointer::Default : MousePointer::Custom;
  if (pointer == wanted) return;
  pointer = wanted;
  WindowChanged();
}

void MainForm::MouseOverBackground() {
  if (pointer == MousePointer::Default) return;
  pointer = MousePointer::Default;
  WindowChanged();
}

}  // namespace vantrelle
