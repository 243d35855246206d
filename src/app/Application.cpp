#include "app/Application.h"

#include "app/Resources.h"
#include "app/SystemFilesLauncher.h"
#include "platform/win32/Unicode.h"
#include "ui/win32/community/CommunityWindowView.h"
#include "window/community/CommunityChoice.h"

namespace vantrelle::app {

Application::Application(HINSTANCE instance)
    : instance_(instance),
      cleanupHandlers_(win32::Widen(environment_.ProgramPath())),
      platform_{.settings = &settings_,
                .files = &files_,
                .shell = &shell_,
                .notifyArea = &notifyArea_,
                .registry = &registry_,
                .messageBox = &messageBox_,
                .environment = &environment_,
                .instance = &singleInstance_,
                .clock = &clock_,
                .events = &events_,
                .locale = &locale_,
                .windowProcedures = &windowProcedures_,
                .textFiles = &textFiles_,
                .runLock = &runLock_,
                .storage = &storage_,
                .runningPrograms = &runningPrograms_,
                .cleanupHandlers = &cleanupHandlers_,
                .machine = &machine_,
                .downloads = &downloads_},
      form_(platform_),
      window_(form_, *this, instance, IDI_VANTRELLE),
      moreDialog_(
          instance,
          [this](HWND owner) {
            StartSystemFilesCopy(owner, win32::Widen(environment_.ProgramPath()), locale_, machine_);
          },
          [this](HWND owner) {
            CommunityChoice choice(platform_);
            win32::CommunityWindowView(instance_).ShowModal(owner, choice);
          }),
      previewDialog_(instance, locale_),
      historyDialog_(instance, locale_) {
  form_.SetWindowObserver(this);
  form_.SetMoreLocationsDialog(&moreDialog_);
  form_.SetPreviewWindowView(&previewDialog_);
  form_.SetHistoryWindowView(&historyDialog_);
  form_.SetPolicies(&settings_);
}

bool Application::Start() {
  // A second copy ends before it reads or shows anything.
  if (singleInstance_.PreviousInstanceRunning()) return false;
  if (!window_.Create()) return false;
  messageBox_.SetOwner(window_.Handle());
  PlaceTrayIcon();
  machinePolicies_.Arm();
  userPolicies_.Arm();
  settings_.Refresh();
  form_.Load();
  if (form_.endRequested) return false;
  // Loaded minimised, the window goes to the tray the moment it is shown.
  form_.windowVisible = true;
  window_.ShowForm();
  // The window's work in the background wakes it with a message it then answers on its own thread.
  form_.StartBackgroundWork(
      [window = window_.Handle()] { PostMessageW(window, win32::MainWindow::kBackgroundMessage, 0, 0); });
  return !form_.endRequested;
}

void Application::PlaceTrayIcon() {
  const int size = GetSystemMetrics(SM_CXSMICON);
  trayPicture_.Reset(static_cast<HICON>(
      LoadImageW(instance_, MAKEINTRESOURCEW(IDI_VANTRELLE), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
  desktop::TrayIcon::StoredProperties stored;
  stored.inTray = true;
  if (trayPicture_)
    stored.icon = platform::Picture{reinterpret_cast<std::uintptr_t>(trayPicture_.Get()), platform::PictureIcon};
  stored.tip = "";
  form_.trayIcon.ReadProperties(stored);
}

int Application::Run() {
  if (!Start()) {
    End();
    return 0;
  }
  while (PumpMessages()) {
  }
  End();
  return 0;
}

bool Application::PumpMessages() {
  HANDLE changes[2] = {};
  DWORD count = 0;
  for (const auto* watch : {&machinePolicies_, &userPolicies_}) {
    if (watch->Event()) changes[count++] = watch->Event();
  }
  const DWORD woken = MsgWaitForMultipleObjectsEx(count, changes, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  if (woken < WAIT_OBJECT_0 + count) {
    PoliciesChanged();
    return true;
  }
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return false;
    if (previewDialog_.Navigate(message) || historyDialog_.Navigate(message) || window_.Navigate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

void Application::PoliciesChanged() {
  machinePolicies_.Arm();
  userPolicies_.Arm();
  form_.PoliciesChanged();
}

void Application::Resized() { form_.Resized(); }

// The window leaves the screen at once. A cleaning run under way (this may be one of its yields)
// stops at its next yield and returns to the message loop, which the quit message then ends; only
// there is the window destroyed, so nothing that is still unwinding loses it.
void Application::CloseRequested() {
  form_.Close();
  form_.windowVisible = false;
  window_.ShowForm();
  PostQuitMessage(0);
}

void Application::End() {
  if (ended_) return;
  ended_ = true;
  form_.trayIcon.SetInTray(false);
  messageBox_.SetOwner(nullptr);
  window_.Destroy();
}

void Application::WindowChanged() {
  if (window_.Handle()) window_.ShowForm();
}

bool Application::LoadPointer(const std::string& file) { return window_.LoadHandCursor(file); }

void Application::Activate() {
  HWND window = window_.Handle();
  if (!window) return;
  SetForegroundWindow(window);
  SetActiveWindow(window);
}

}  // namespace vantrelle::app
