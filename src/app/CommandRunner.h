#pragma once
// The composition root of the program started with arguments: the real services a run without a
// window needs, the command on them, its text on standard output.
#include "app/LanguageChoice.h"
#include "commandline/Arguments.h"
#include "platform/Platform.h"
#include "platform/win32/IsolatedCleanupHandlers.h"
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

class CommandRunner {
 public:
  CommandRunner();
  CommandRunner(const CommandRunner&) = delete;
  CommandRunner& operator=(const CommandRunner&) = delete;

  // Carries out the command and writes what it has to say; the process exit code.
  int Run(commandline::Command command);

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
