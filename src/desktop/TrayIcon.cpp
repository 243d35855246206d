#include "desktop/TrayIcon.h"

#include <limits>
#include <stdexcept>

#include "base/RuntimeError.h"
#include "base/Texts.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"

namespace vantrelle::desktop {

namespace {

// Mouse and balloon notifications the shell sends in lParam of the callback message.
enum TrayNotification : std::int32_t {
  WM_MOUSEMOVE_ = 0x200,
  WM_LBUTTONDOWN_ = 0x201,
  WM_LBUTTONUP_ = 0x202,
  WM_LBUTTONDBLCLK_ = 0x203,
  WM_RBUTTONDOWN_ = 0x204,
  WM_RBUTTONUP_ = 0x205,
  WM_RBUTTONDBLCLK_ = 0x206,
  NIN_BALLOONHIDE_ = 0x403,
  NIN_BALLOONTIMEOUT_ = 0x404,
  NIN_BALLOONUSERCLICK_ = 0x405,
};

constexpr std::int16_t LeftButton = 1;
constexpr std::int16_t RightButton = 2;

template <class Service>
Service& Require(Service* service, const char* name) {
  if (!service) throw std::invalid_argument(std::string("TrayIcon needs the platform's ") + name);
  return *service;
}

template <class Event, class... Args>
void Raise(const Event& event, Args... args) {
  if (event) event(args...);
}

}  // namespace

TrayIcon::TrayIcon(platform::Platform& platform)
    : notifyArea_(Require(platform.notifyArea, "notification area")),
      windows_(Require(platform.windowProcedures, "window procedures")),
      events_(Require(platform.events, "event pump")),
      clock_(Require(platform.clock, "clock")),
      defaultTip_(
          Text(platform.locale ? platform.locale->DisplayLanguage() : Language::English, TextId::TrayTipDefault)),
      window_(windows_.CreateHiddenWindow()),
      taskbarCreated_(windows_.RegisterMessage("TaskbarCreated")) {}

TrayIcon::~TrayIcon() {
  if (inTray_) SetInTray(false);
  windows_.DestroyHiddenWindow(window_);
}

void TrayIcon::ReadProperties(const StoredProperties& stored) {
  SetInTray(stored.inTray.value_or(false));
  SetIcon(stored.icon.value_or(platform::Picture{}));
  SetTip(stored.tip.value_or(defaultTip_));
}

platform::NotifyIconRecord TrayIcon::Record() const {
  platform::NotifyIconRecord record;
  record.window = window_;
  record.id = static_cast<std::uint32_t>(id_);
  return record;
}

void TrayIcon::SetIcon(const std::optional<platform::Picture>& icon) {
  if (!icon || icon->Type != platform::PictureIcon) return;
  if (installed_) {
    auto record = Record();
    record.flags = platform::NotifyIcon;
    record.icon = icon->Handle;
    notifyArea_.Notify(platform::NotifyOperation::Modify, record);
  }
  icon_ = icon;
}

void TrayIcon::SetTip(const std::string& tip) {
  if (installed_) {
    auto record = Record();
    record.flags = platform::NotifyTip;
    record.tip = tip;
    notifyArea_.Notify(platform::NotifyOperation::Modify, record);
  }
  tip_ = tip;
}

void TrayIcon::SetInTray(bool show) {
  if (show == inTray_) return;
  if (show) {
    Install();
  } else if (installed_) {
    Uninstall();
  }
  inTray_ = show;
}

void TrayIcon::Install() {
  // The user data is set first: the new procedure looks the icon up there.
  windows_.SetUserData(window_, reinterpret_cast<std::intptr_t>(this));
  previousProcedure_ = windows_.ReplaceProcedure(window_, &TrayIcon::WindowProcedure);
  AddIcon();
  installed_ = true;
}

void TrayIcon::Uninstall() {
  DeleteIcon();
  windows_.RestoreProcedure(window_, previousProcedure_);
  windows_.SetUserData(window_, 0);  // no stale reference to this icon stays behind
  previousProcedure_ = 0;
  installed_ = false;
}

void TrayIcon::AddIcon() {
  auto record = Record();
  if (icon_) {
    record.icon = icon_->Handle;
    record.flags |= platform::NotifyIcon;
  }
  if (!tip_.empty()) {
    record.tip = tip_;
    record.flags |= platform::NotifyTip;
  }
  record.callbackMessage = kCallbackMessage;
  record.flags |= platform::NotifyMessage;
  notifyArea_.Notify(platform::NotifyOperation::Add, record);
}

void TrayIcon::DeleteIcon() {
  notifyArea_.Notify(platform::NotifyOperation::Delete, Record());
  balloonVisible_ = false;  // a balloon goes with its icon
}

void TrayIcon::ShellRestarted() {
  if (!installed_) return;
  // Removing first makes the add succeed also when the shell kept the icon after all.
  DeleteIcon();
  AddIcon();
}

void TrayIcon::HandleCallback(std::int32_t message, std::int32_t id) {
  switch (message) {
    case WM_MOUSEMOVE_: Raise(OnMouseMove, id); break;
    case WM_LBUTTONDOWN_: Raise(OnMouseDown, LeftButton, id); break;
    case WM_LBUTTONUP_: Raise(OnMouseUp, LeftButton, id); break;
    case WM_LBUTTONDBLCLK_: Raise(OnMouseDoubleClick, LeftButton, id); break;
    case WM_RBUTTONDOWN_: Raise(OnMouseDown, RightButton, id); break;
    case WM_RBUTTONUP_: Raise(OnMouseUp, RightButton, id); break;
    case WM_RBUTTONDBLCLK_: Raise(OnMouseDoubleClick, RightButton, id); break;
    case NIN_BALLOONHIDE_:
    case NIN_BALLOONTIMEOUT_:
    case NIN_BALLOONUSERCLICK_: balloonVisible_ = false; break;
    default: break;
  }
}

void TrayIcon::ShowBalloon(const std::string& text, const std::string& title, std::int32_t seconds, bool once) {
  if (once && balloonCount_ >= 1) return;
  std::int32_t timeoutMs = 0;
  if (seconds > 0) {
    if (seconds > std::numeric_limits<std::int32_t>::max() / 1000) throw Overflow();
    timeoutMs = seconds * 1000;
  }

  auto record = Record();
  record.flags = platform::NotifyInfo;
  record.infoTitle = title;
  record.info = text;
  record.timeoutMs = static_cast<std::uint32_t>(timeoutMs);
  notifyArea_.Notify(platform::NotifyOperation::Modify, record);
  balloonVisible_ = true;
  if (once) ++balloonCount_;
  if (seconds <= 0) return;  // the shell closes it by its own time-out

  // The shell's balloon notifications arrive through the pending events and clear the mark.
  const std::int64_t start = clock_.TickMilliseconds();
  for (;;) {
    events_.DoEvents();
    const std::int64_t waited = clock_.TickMilliseconds() - start;
    if (!balloonVisible_ || waited >= timeoutMs) break;
    events_.WaitForEvents(timeoutMs - waited);
  }
  if (balloonVisible_) {
    auto removal = Record();
    removal.flags = platform::NotifyInfo;
    notifyArea_.Notify(platform::NotifyOperation::Modify, removal);
    balloonVisible_ = false;
  }
}

std::intptr_t TrayIcon::WindowProcedure(std::intptr_t userData, platform::WindowHandle window, std::uint32_t message,
                                        std::uintptr_t wParam, std::intptr_t lParam) {
  // The window's user data holds the icon, without owning it, for as long as this procedure is in place.
  auto* icon = reinterpret_cast<TrayIcon*>(userData);
  if (!icon) return 0;
  platform::WindowProcedures& windows = icon->windows_;
  // A handler may take the icon out of the tray, which restores the previous procedure; the message
  // still goes on to it.
  const platform::ProcedureHandle previous = icon->previousProcedure_;
  if (message == kCallbackMessage) {
    icon->HandleCallback(static_cast<std::int32_t>(lParam), static_cast<std::int32_t>(wParam));
  } else if (icon->taskbarCreated_ != 0 && message == icon->taskbarCreated_) {
    icon->ShellRestarted();
  }
  return windows.CallProcedure(previous, window, message, wParam, lParam);
}

}  // namespace vantrelle::desktop
