#pragma once
// The composition root: the real platform services, MainForm on them, and its window.
#include <windows.h>

#include "app/LanguageChoice.h"
#include "platform/Platform.h"
#include "platform/win32/IsolatedCleanupHandlers.h"
#include "platform/win32/RegistryWatch.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SingleInstance.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Downloads.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32FileServices.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32MachineState.h"
#include "platform/win32/Win32MessageBox.h"
#include "platform/win32/Win32NotifyArea.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32RunLock.h"
#include "platform/win32/Win32RunningPrograms.h"
#include "platform/win32/Win32SettingsStore.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Storage.h"
#include "platform/win32/Win32TextFiles.h"
#include "platform/win32/Win32WindowProcedures.h"
#include "settings/EffectiveSettings.h"
#include "settings/PolicyTable.h"
#include "ui/win32/history/HistoryDialog.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/morelocations/MoreLocationsDialogView.h"
#include "ui/win32/preview/PreviewDialog.h"
#include "window/MainForm.h"

namespace vantrelle::app {

class Application : public win32::WindowEvents, public WindowObserver {
 public:
  explicit Application(HINSTANCE instance);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Starts the program and runs it until its window closes; the process exit code.
  int Run();

  // Builds the window and shows it as start-up leaves it, without running the message loop.
  // False when another copy already runs or the window cannot be made.
  bool Start();
  MainForm& Form() { return form_; }
  win32::MainWindow& Window() { return window_; }

  // win32::WindowEvents
  void Resized() override;
  void CloseRequested() override;
  // WindowObserver
  void WindowChanged() override;
  void Activate() override;
  bool LoadPointer(const std::string& file) override;

 private:
  // The tray icon's stored values, as the window design keeps them.
  void PlaceTrayIcon();
  void End();
  // Waits for the next window message or change of a Policies key; false when the quit message came.
  bool PumpMessages();
  // A Policies key changed: the watches are asked for the next change, then the keys are read.
  void PoliciesChanged();

  HINSTANCE instance_;
  win32::Win32Clock clock_;
  win32::Win32Environment environment_;
  win32::Win32EventPump events_;
  win32::Win32MessageBox messageBox_;
  win32::Win32Shell shell_;
  win32::Win32FileServices files_;
  win32::Win32Locale locale_{ChosenLanguage()};
  win32::Win32Downloads downloads_{locale_};
  win32::Win32NotifyArea notifyArea_;
  win32::Win32Registry registry_;
  win32::Win32WindowProcedures windowProcedures_;
  win32::Win32SettingsStore ownSettings_;
  // What the program reads and writes: the person's own settings with the policies over them.
  settings::EffectiveSettings settings_{ownSettings_, registry_, locale_};
  win32::RegistryWatch machinePolicies_{HKEY_LOCAL_MACHINE, win32::Widen(settings::kPolicyKey)};
  win32::RegistryWatch userPolicies_{HKEY_CURRENT_USER, win32::Widen(settings::kPolicyKey)};
  win32::Win32TextFiles textFiles_;
  win32::Win32RunLock runLock_;
  win32::Win32Storage storage_;
  win32::Win32RunningPrograms runningPrograms_;
  win32::IsolatedCleanupHandlers cleanupHandlers_;
  win32::Win32MachineState machine_;
  win32::SingleInstance singleInstance_;
  win32::IconHandle trayPicture_;
  platform::Platform platform_;
  MainForm form_;
  win32::MainWindow window_;
  win32::MoreLocationsDialogView moreDialog_;
  // After the form: closed (its walk stopped, the form told) before the form goes.
  win32::PreviewDialog previewDialog_;
  win32::HistoryDialog historyDialog_;
  bool ended_ = false;
};

}  // namespace vantrelle::app
