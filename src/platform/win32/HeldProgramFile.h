#pragma once
// The running program's own file, held open by a copy that runs for the machine: readable by others,
// but neither written, renamed nor deleted while the copy runs, so the handler hosts it starts from
// that file are this program and nothing put in its place.
#include <string>

#include "platform/win32/ScopedHandle.h"

namespace vantrelle::win32 {

class HeldProgramFile {
 public:
  // Opens the file the process was started from (read, shared for reading only).
  HeldProgramFile();

  bool Held() const { return file_.IsValid(); }
  HANDLE Handle() const { return file_.Get(); }
  // The held file's full path as the system names it now ("C:\Program Files\Vantrelle\Vantrelle.exe");
  // "" when it is not held.
  const std::wstring& Path() const { return path_; }

 private:
  FileHandle file_;
  std::wstring path_;
};

// The system's full name of an open file or folder, links resolved, without the "\\?\" a drive's
// path needs only beyond MAX_PATH; "" when it cannot be told.
std::wstring FinalPathOf(HANDLE handle);

// The running program's path as the loader gives it.
std::wstring ModulePath();

}  // namespace vantrelle::win32
