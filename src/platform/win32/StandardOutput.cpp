#include "platform/win32/StandardOutput.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

namespace {

std::string WithWindowsLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

// A console shows UTF-16 whatever its code page; a file or pipe gets the bytes.
void WriteTo(HANDLE handle, const std::string& text) {
  if (IsConsole(handle)) {
    const std::wstring wide = Widen(text);
    DWORD written = 0;
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  std::size_t done = 0;
  while (done < text.size()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1 << 20));
    if (!WriteFile(handle, text.data() + done, chunk, &written, nullptr) || written == 0) return;
    done += written;
  }
}

}  // namespace

void WriteStandardOutput(std::string_view utf8) {
  if (utf8.empty()) return;
  const std::string text = WithWindowsLineEnds(utf8);
  // A window program gets a standard output only when its starter redirected one.
  const HANDLE redirected = GetStdHandle(STD_OUTPUT_HANDLE);
  if (redirected && redirected != INVALID_HANDLE_VALUE) {
    WriteTo(redirected, text);
    return;
  }
  // Started from a command prompt without redirection: write to that prompt's console.
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  const FileHandle console(
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  if (console.IsValid()) WriteTo(console.Get(), text);
  FreeConsole();
}

}  // namespace vantrelle::win32
