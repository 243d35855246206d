#pragma once
// One icon in the notification area with its tooltip and balloons; the mouse activity on it reaches
// the host as events.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/NotifyArea.h"
#include "platform/Platform.h"
#include "platform/WindowProcedures.h"

namespace vantrelle::platform {
class Clock;
class EventPump;
}  // namespace vantrelle::platform

namespace vantrelle::desktop {

class TrayIcon {
 public:
  // The message the shell sends to the icon's window for mouse activity on the icon (WM_USER + 101).
  static constexpr std::uint32_t kCallbackMessage = 1125;

  // Needs the platform's notification area, window procedures, event pump and clock. Takes its own
  // hidden window at once; the icon is added on it, so the shell's notifications arrive there.
  explicit TrayIcon(platform::Platform& platform);
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  // Takes the icon out of the tray first when it is in.
  ~TrayIcon();

  // The values kept with the host window's design, applied when it is created. An absent value
  // takes the control's default.
  struct StoredProperties {
    std::optional<bool> inTray;             // false
    std::optional<platform::Picture> icon;  // the control's own (empty) picture
    std::optional<std::string> tip;         // "Telnet Server"
  };
  // Applies them in the order "InTray", "TrayIcon", "TrayTip", so a stored InTray adds the icon
  // before the stored icon and tip arrive as changes.
  void ReadProperties(const StoredProperties& stored);

  // The icon last accepted, or none.
  const std::optional<platform::Picture>& Icon() const { return icon_; }
  // Only an icon is accepted; nothing or any other picture leaves the previous icon.
  void SetIcon(const std::optional<platform::Picture>& icon);

  const std::string& Tip() const { return tip_; }
  void SetTip(const std::string& tip);

  // While true the icon is in the notification area and its window procedure is in place.
  bool InTray() const { return inTray_; }
  void SetInTray(bool show);

  // Shows a balloon from the icon. With `once`, only the first such balloon of this icon is shown.
  // With `seconds` > 0 the call processes window events until the balloon closes or that time has
  // passed, then removes a balloon still showing. Throws Overflow when the seconds do not fit the
  // shell's millisecond time-out.
  void ShowBalloon(const std::string& text, const std::string& title, std::int32_t seconds, bool once);

  // The hidden window the icon belongs to.
  platform::WindowHandle Window() const { return window_; }

  // Events for the host. `button` is 1 for the left and 2 for the right mouse button; `id` is the
  // icon identifier the shell reports.
  std::function<void(std::int32_t id)> OnMouseMove;
  std::function<void(std::int16_t button, std::int32_t id)> OnMouseDown;
  std::function<void(std::int16_t button, std::int32_t id)> OnMouseUp;
  std::function<void(std::int16_t button, std::int32_t id)> OnMouseDoubleClick;

 private:
  // The icon's window procedure while it is in the tray: hands the shell's callback (and its restart
  // broadcast) to the icon kept in the window's user data, then always passes the message on to the
  // procedure it replaced.
  static std::intptr_t WindowProcedure(std::intptr_t userData, platform::WindowHandle window, std::uint32_t message,
                                       std::uintptr_t wParam, std::intptr_t lParam);
  // One notification from the shell: a mouse message on the icon or a balloon notification.
  void HandleCallback(std::int32_t message, std::int32_t id);
  // The shell came back without its icons: put this one back with its tip and picture.
  void ShellRestarted();

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
  std::string defaultTip_;  // the tip shown when none is stored, in the display language

  bool inTray_ = false;
  const std::int32_t id_ = 0;
  std::string tip_;
  const platform::WindowHandle window_;
  std::optional<platform::Picture> icon_;
  bool installed_ = false;
  // The window procedure WindowProcedure replaced, while it is in place.
  platform::ProcedureHandle previousProcedure_ = 0;
  bool balloonVisible_ = false;
  std::int32_t balloonCount_ = 0;
  const std::uint32_t taskbarCreated_;
};

}  // namespace vantrelle::desktop
