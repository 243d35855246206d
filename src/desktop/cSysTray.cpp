#include "desktop/cSysTray.h"

#include <limits>
#include <stdexcept>

#include "desktop/mSysTray.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "shell/RuntimeError.h"

namespace vantrelle {

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
  if (!service) throw std::invalid_argument(std::string("cSysTray needs the platform's ") + name);
  return *service;
}

template <class Event, class... Args>
void Raise(const Event& event, Args... args) {
  if (event) event(args...);
}

}  // namespace

cSysTray::cSysTray(platform::Platform& platform)
    : notifyArea_(Require(platform.notifyArea, "notification area")),
      windows_(Require(platform.windowProcedures, "window procedures")),
      events_(Require(platform.events, "event pump")),
      clock_(Require(platform.clock, "clock")),
      window_(windows_.CreateHiddenWindow()),
      taskbarCreated_(windows_.RegisterMessage("TaskbarCreated")) {}

cSysTray::~cSysTray() {
  if (inTray_) SetInTray(false);
  windows_.DestroyHiddenWindow(window_);
}

void cSysTray::ReadProperties(const StoredProperties& stored) {
  SetInTray(stored.InTray.value_or(false));
  SetTrayIcon(stored.TrayIcon.value_or(platform::Picture{}));
  SetTrayTip(stored.TrayTip.value_or("Telnet Server"));
}

platform::NotifyIconRecord cSysTray::Record() const {
  platform::NotifyIconRecord record;
  record.window = window_;
  record.id = static_cast<std::uint32_t>(id_);
  return record;
}

void cSysTray::SetTrayIcon(const std::optional<platform::Picture>& Icon) {
  if (!Icon || Icon->Type != platform::PictureIcon) return;
  if (installed_) {
    auto record = Record();
    record.flags = platform::NotifyIcon;
    record.icon = Icon->Handle;
    notifyArea_.Notify(platform::NotifyOperation::Modify, record);
  }
  trayIcon_ = Icon;
}

void cSysTray::SetTrayTip(const std::string& Tip) {
  if (installed_) {
    auto record = Record();
    record.flags = platform::NotifyTip;
    record.tip = Tip;
    notifyArea_.Notify(platform::NotifyOperation::Modify, record);
  }
  trayTip_ = Tip;
}

void cSysTray::SetInTray(bool Show) {
  if (Show == inTray_) return;
  if (Show) {
    Install();
  } else if (installed_) {
    Uninstall();
  }
  inTray_ = Show;
}

void cSysTray::Install() {
  mSysTray::PrevWndProc = {&windows_, windows_.ReplaceProcedure(window_, &mSysTray::TrayWindowProc)};
  windows_.SetUserData(window_, reinterpret_cast<std::intptr_t>(this));
  AddIcon();
  installed_ = true;
}

void cSysTray::Uninstall() {
  DeleteIcon();
  windows_.RestoreProcedure(window_, mSysTray::PrevWndProc.procedure);
  windows_.SetUserData(window_, 0);  // no stale reference to this control stays behind
  mSysTray::PrevWndProc = {};
  installed_ = false;
}

void cSysTray::AddIcon() {
  auto record = Record();
  if (trayIcon_) {
    record.icon = trayIcon_->Handle;
    record.flags |= platform::NotifyIcon;
  }
  if (!trayTip_.empty()) {
    record.tip = trayTip_;
    record.flags |= platform::NotifyTip;
  }
  record.callbackMessage = mSysTray::TrayCallbackMessage;
  record.flags |= platform::NotifyMessage;
  notifyArea_.Notify(platform::NotifyOperation::Add, record);
}

void cSysTray::DeleteIcon() {
  notifyArea_.Notify(platform::NotifyOperation::Delete, Record());
  balloonVisible_ = false;  // a balloon goes with its icon
}

void cSysTray::ShellRestarted() {
  if (!installed_) return;
  // Removing first makes the add succeed also when the shell kept the icon after all.
  DeleteIcon();
  AddIcon();
}

void cSysTray::HandleTrayMessage(std::int32_t message, std::int32_t id) {
  switch (message) {
    case WM_MOUSEMOVE_: Raise(MouseMove, id); break;
    case WM_LBUTTONDOWN_: Raise(MouseDown, LeftButton, id); break;
    case WM_LBUTTONUP_: Raise(MouseUp, LeftButton, id); break;
    case WM_LBUTTONDBLCLK_: Raise(MouseDblClick, LeftButton, id); break;
    case WM_RBUTTONDOWN_: Raise(MouseDown, RightButton, id); break;
    case WM_RBUTTONUP_: Raise(MouseUp, RightButton, id); break;
    case WM_RBUTTONDBLCLK_: Raise(MouseDblClick, RightButton, id); break;
    case NIN_BALLOONHIDE_:
    case NIN_BALLOONTIMEOUT_:
    case NIN_BALLOONUSERCLICK_: balloonVisible_ = false; break;
    default: break;
  }
}

void cSysTray::ShowBalloon(const std::string& Tip, const std::string& sTitle, std::int32_t ShowTimer, bool ShowOnce) {
  if (ShowOnce && balloonCount_ >= 1) return;
  std::int32_t timeoutMs = 0;
  if (ShowTimer > 0) {
    if (ShowTimer > std::numeric_limits<std::int32_t>::max() / 1000) throw Overflow();
    timeoutMs = ShowTimer * 1000;
  }

  auto record = Record();
  record.flags = platform::NotifyInfo;
  record.infoTitle = sTitle;
  record.info = Tip;
  record.timeoutMs = static_cast<std::uint32_t>(timeoutMs);
  notifyArea_.Notify(platform::NotifyOperation::Modify, record);
  balloonVisible_ = true;
  if (ShowOnce) ++balloonCount_;
  if (ShowTimer <= 0) return;  // the shell closes it by its own time-out

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

}  // namespace vantrelle
