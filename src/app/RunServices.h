#pragma once
// The real services a run without the person's window needs (the command line's and the machine's
// "System files" window), and the platform made of them.
#include "app/LanguageChoice.h"
#include "platform/Platform.h"
#include "platform/win32/HeldProgramFile.h"
#include "platform/win32/IsolatedCleanupHandlers.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32FileServices.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32MachineState.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32RunLock.h"
#include "platform/win32/Win32RunningPrograms.h"
#include "platform/win32/Win32SettingsStore.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Storage.h"
#include "platform/win32/Win32TextFiles.h"

namespace vantrelle::app {

class RunServices {
 public:
  // `held`: the program's own file, held by a copy that runs for the machine; its handler hosts are
  // started from it, and only its place is judged. Without it, the file the process started from.
  explicit RunServices(const win32::HeldProgramFile* held = nullptr)
      : cleanupHandlers_(held ? held->Path() : win32::Widen(environment_.ProgramPath())),
        machine_(held),
        platform_{.settings = &settings_,
                  .files = &files_,
                  .shell = &shell_,
                  .registry = &registry_,
                  .environment = &environment_,
                  .clock = &clock_,
                  .events = &events_,
                  .locale = &locale_,
                  .textFiles = &textFiles_,
                  .runLock = &runLock_,
                  .storage = &storage_,
                  .runningPrograms = &runningPrograms_,
                  .cleanupHandlers = &cleanupHandlers_,
                  .machine = &machine_} {}
  RunServices(const RunServices&) = delete;
  RunServices& operator=(const RunServices&) = delete;

  const platform::Platform& Platform() const { return platform_; }

 private:
  win32::Win32Clock clock_;
  win32::Win32Environment environment_;
  win32::Win32EventPump events_;
  win32::Win32Shell shell_;
  win32::Win32FileServices files_;
  win32::Win32Locale locale_{ChosenLanguage()};
  win32::Win32Registry registry_;
  win32::Win32SettingsStore settings_;
  win32::Win32RunLock runLock_;
  win32::Win32Storage storage_;
  win32::Win32RunningPrograms runningPrograms_;
  win32::IsolatedCleanupHandlers cleanupHandlers_;
  win32::Win32MachineState machine_;
  win32::Win32TextFiles textFiles_;
  platform::Platform platform_;
};

}  // namespace vantrelle::app
