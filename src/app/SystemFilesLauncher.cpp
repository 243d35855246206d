#include "app/SystemFilesLauncher.h"

#include <shellapi.h>

#include "Version.h"
#include "base/Texts.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SystemMessage.h"
#include "platform/win32/Unicode.h"

namespace vantrelle::app {

void StartSystemFilesCopy(HWND owner, const std::wstring& program, const Locale& locale,
                          platform::MachineState& machine) {
  if (!machine.RunsFromProtectedFolder()) {
    MessageBoxW(owner, win32::Widen(Text(locale, TextId::NeedsInstalledCopy, {VANTRELLE_VERSION_TEXT})).c_str(),
                win32::Widen(Text(locale, TextId::SystemFilesTitle)).c_str(), MB_OK | MB_ICONWARNING);
    return;
  }
  SHELLEXECUTEINFOW start{};
  start.cbSize = sizeof start;
  start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  start.hwnd = owner;
  start.lpVerb = L"runas";
  start.lpFile = program.c_str();
  start.lpParameters = L"/system";
  start.nShow = SW_SHOWNORMAL;
  if (ShellExecuteExW(&start)) {
    const win32::KernelObject process(start.hProcess);  // not waited for: the copy lives on its own
    return;
  }
  const DWORD error = GetLastError();
  if (error == ERROR_CANCELLED) return;
  MessageBoxW(owner, win32::Widen(Text(locale, TextId::SystemFilesNotStarted, {win32::SystemMessage(error)})).c_str(),
              win32::Widen(Text(locale, TextId::MoreTitle)).c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace vantrelle::app
