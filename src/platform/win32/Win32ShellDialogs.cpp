// The folder-browse dialog, starting a command line and opening a document.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "base/RuntimeError.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Shell.h"

namespace vantrelle::win32 {
namespace {

// Selects the start folder once the dialog is ready. `callerData` points at the folder's wide path.
int CALLBACK BrowseCallbackProc(HWND dialogWindow, UINT message, LPARAM, LPARAM callerData) {
  const auto* startFolder = reinterpret_cast<const std::wstring*>(callerData);
  if (message == BFFM_INITIALIZED && startFolder && !startFolder->empty()) {
    SendMessageW(dialogWindow, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(startFolder->c_str()));
  }
  return 0;
}

// The item's file-system path without a length limit; nothing for virtual items.
std::optional<std::string> FileSystemPath(PCIDLIST_ABSOLUTE item) {
  PWSTR path = nullptr;
  if (FAILED(SHGetNameFromIDList(item, SIGDN_FILESYSPATH, &path)) || !path) return std::nullopt;
  std::string result = Narrow(path);
  CoTaskMemFree(path);
  if (result.empty()) return std::nullopt;
  return result;
}

}  // namespace

std::optional<std::string> Win32Shell::BrowseForFolder(platform::WindowHandle owner, const std::string& title,
                                                       const std::string& startFolder) {
  const std::wstring wideTitle = Widen(title);
  const std::wstring wideStart = Widen(startFolder);
  BROWSEINFOW info{};
  info.hwndOwner = reinterpret_cast<HWND>(owner);
  info.lpszTitle = wideTitle.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = BrowseCallbackProc;
  info.lParam = reinterpret_cast<LPARAM>(&wideStart);
  Pidl chosen(SHBrowseForFolderW(&info));
  if (!chosen) return std::nullopt;
  return FileSystemPath(chosen.Get());
}

void Win32Shell::RunCommand(const std::string& commandLine) {
  std::wstring command = Widen(commandLine);
  std::vector<wchar_t> buffer(command.begin(), command.end());  // CreateProcessW may write into it
  buffer.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINIMIZED;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    throw FileNotFound();
  }
  KernelObject thread(process.hThread);
  KernelObject child(process.hProcess);
}

bool Win32Shell::OpenDocument(const std::string& path) {
  const std::wstring document = Widen(path);
  const auto opened = [](const wchar_t* file, const wchar_t* parameters) {
    return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", file, parameters, nullptr, SW_SHOWNORMAL)) > 32;
  };
  // A kind of file nothing is registered for still opens in the editor every system has.
  return opened(document.c_str(), nullptr) || opened(L"notepad.exe", (L"\"" + document + L"\"").c_str());
}

}  // namespace vantrelle::win32
