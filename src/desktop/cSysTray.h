#pragma once
// The tray icon control: one icon in the notification area with its tooltip and balloons, and the
// mouse activity on it as events for the window that hosts it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/NotifyArea.h"
#include "platform/Platform.h"
#include "platform/WindowProcedures.h"

namespace vantrelle {

namespace platform {
class Clock;
class EventPump;
}  // namespace platform

class cSysTray {
 public:
  // Needs the platform's notification area, window procedures, event pump and clock. Takes its own
  // hidden window at once; the icon is added on it, so the shell's notifications arrive there.
  explicit cSysTray(platform::Platform& platform);
  cSysTray(const cSysTray&) = delete;
  cSysTray& operator=(const cSysTray&) = delete;
  // Takes the icon out of the tray first when it is in.
  ~cSysTray();

  // The values kept with the host window's design, applied when it is created. An absent value
  // takes the control's default.
  struct StoredProperties {
    std::optional<bool> InTray;                 // false
    std::optional<platform::Picture> TrayIcon;  // the control's own (empty) picture
    std::optional<std::string> TrayTip;         // "Telnet Server"
  };
  // Applies them in the order "InTray", "TrayIcon", "TrayTip", so a stored InTray adds the icon
  // before the stored icon and tip arrive as changes.
  void ReadProperties(const StoredProperties& stored);

  // The icon last accepted, or none.
  const std::optional<platform::Picture>& TrayIcon() const { return trayIcon_; }
  // Only an icon is accepted; nothing or any other picture leaves the previous icon.
  void SetTrayIcon(const std::optional<platform::Picture>& Icon);

  const std::string& TrayTip() const { return trayTip_; }
  void SetTrayTip(const std::string& Tip);

  bool InTray() const { return inTray_; }
  void SetInTray(bool Show);

  // Shows a balloon from the icon. With ShowOnce, only the first such balloon of this control is
  // shown. With ShowTimer > 0 the call processes window events until the balloon closes or ShowTimer
  // seconds have passed, then removes a balloon still showing. Throws Overflow when ShowTimer seconds
  // do not fit the shell's millisecond time-out.
  void ShowBalloon(const std::string& Tip, const std::string& sTitle, std::int32_t ShowTimer, bool ShowOnce);

  platform::WindowHandle hWnd() const { return window_; }

  // Events for the host. Button is 1 for the left and 2 for the right mouse button; Id is the icon
  // identifier the shell reports.
  std::function<void(std::int32_t Id)> MouseMove;
  std::function<void(std::int16_t Button, std::int32_t Id)> MouseDown;
  std::function<void(std::int16_t Button, std::int32_t Id)> MouseUp;
  std::function<void(std::int16_t Button, std::int32_t Id)> MouseDblClick;

  // --- entry points of mSysTray::TrayWindowProc ---
  // One notification from the shell: a mouse message on the icon or a balloon notification.
  void HandleTrayMessage(std::int32_t message, std::int32_t id);
  bool IsShellRestart(std::uint32_t message) const { return taskbarCreated_ != 0 && message == taskbarCreated_; }
  // The shell came back without its icons: put this one back with its tip and picture.
  void ShellRestarted();

 private:
  platform::NotifyIconRecord Record() const;
  // Adds the icon with the current tip and picture; the callback message always, tip and picture
  // only when there are any.
  void AddIcon();
  void DeleteIcon();
  void Install();
  void Uninstall();

  platform::NotifyArea& notifyArea_;
  platform::WindowProcedures& windows_;
  platform::EventPump& events_;
  platform::Clock& clock_;

  bool inTray_ = false;
  const std::int32_t id_ = 0;
  std::string trayTip_;
  const platform::WindowHandle window_;
  std::optional<platform::Picture> trayIcon_;
  bool installed_ = false;
  bool balloonVisible_ = false;
  std::int32_t balloonCount_ = 0;
  const std::uint32_t taskbarCreated_;
};

}  // namespace vantrelle
