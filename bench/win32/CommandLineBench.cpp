// /clean against the window's delete-now run over the same 20,000-entry tree, on the real file
// services: a run without a window must not cost more than the window's. Both take turns top folder
// by top folder, in alternating order, each on its own copy of the tree. The window's run is
// MainForm's, yielding to a real window's queue; its view is left out, which only makes it cheaper.
// Not a test: prints the figures and their ratio.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "DeletionTree.h"
#include "commandline/Commands.h"
#include "platform/fake/FakeSettingsStore.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32FileServices.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32MessageBox.h"
#include "platform/win32/Win32NotifyArea.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32RunLock.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32TextFiles.h"
#include "platform/win32/Win32WindowProcedures.h"
#include "settings/Settings.h"
#include "window/MainForm.h"

namespace {

using namespace vantrelle;

const std::wstring kBenchRoot = L"C:\\vantrelle-bench-commandline";

}  // namespace

int main() {
  fake::FakeSettingsStore settings;  // the bench must not change the person's choices
  win32::Win32FileServices files;
  win32::Win32EventPump events;
  win32::Win32Environment environment;
  win32::Win32MessageBox messageBox;
  win32::Win32Shell shell;
  win32::Win32Clock clock;
  win32::Win32Locale locale;
  win32::Win32NotifyArea notifyArea;
  win32::Win32Registry registry;  // the command line reads the Policies keys, as the program's does
  win32::Win32WindowProcedures windowProcedures;
  win32::Win32RunLock runLock(L"Local\\Vantrelle.Bench.RunLock");
  win32::Win32TextFiles textFiles;  // both record every run in the history, as the program does
  platform::Platform platform{.settings = &settings,
                              .files = &files,
                              .shell = &shell,
                              .notifyArea = &notifyArea,
                              .registry = &registry,
                              .messageBox = &messageBox,
                              .environment = &environment,
                              .clock = &clock,
                              .events = &events,
                              .locale = &locale,
                              .windowProcedures = &windowProcedures,
                              .textFiles = &textFiles,
                              .runLock = &runLock};
  MainForm form(platform);
  HWND window = CreateWindowExW(0, L"STATIC", L"Vantrelle bench", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  form.windowHandle = reinterpret_cast<platform::WindowHandle>(window);
  form.locationsPanel.ownFolderBox.SetValue(1);
  form.optionsPanel.keepRecentBox.SetText("0");  // as start-up restores it; an empty box keeps a year's changes

  CreateDirectoryW(kBenchRoot.c_str(), nullptr);
  const std::wstring commandTree = kBenchRoot + L"\\command", windowTree = kBenchRoot + L"\\window";
  const int entries = bench::BuildDeletionTree(commandTree, 100);
  bench::BuildDeletionTree(windowTree, 100);
  std::printf("Deletion tree: %d entries (files and nested folders), two copies\n", entries);

  double command = 0, windowRun = 0;
  int failures = 0;
  for (int top = 0; top < 40; ++top) {
    const std::string name = "\\t" + std::to_string(top);
    const std::function<void()> contenders[] = {
        [&] {
          settings::Save(settings, settings::kUserFolder, "1");
          settings::Save(settings, settings::kOwnFolderPath, win32::Narrow(commandTree) + name);
          command += bench::Seconds([&] {
            if (commandline::Execute(commandline::Command::Clean, platform, "bench").exitCode !=
                commandline::ExitCode::Done)
              ++failures;
          });
        },
        [&] {
          form.locationsPanel.ownFolderPathBox.SetText(win32::Narrow(windowTree) + name);
          windowRun += bench::Seconds([&] { form.statusPanel.deleteNowButton.Click(); });
        },
    };
    for (int i = 0; i < 2; ++i) contenders[(top + i) % 2]();
  }
  const int leftCommand = bench::CountEntries(commandTree), leftWindow = bench::CountEntries(windowTree);
  std::printf("  Vantrelle.exe /clean (no window)   %8.3f s  %s\n", command,
              leftCommand == 40 && failures == 0 ? "emptied" : "NOT EMPTIED");
  std::printf("  the window's delete-now run        %8.3f s  %s\n", windowRun,
              leftWindow == 40 ? "emptied" : "NOT EMPTIED");
  std::printf("  /clean / window run = %.2fx (target <= 1.10x)\n", command / windowRun);

  RemoveDirectoryW(kBenchRoot.c_str());
  DestroyWindow(window);
  const bool done = leftCommand == 40 && failures == 0 && leftWindow == 40;
  if (!done) std::fprintf(stderr, "ERROR: a run did not empty its tree\n");
  return done ? 0 : 1;
}
