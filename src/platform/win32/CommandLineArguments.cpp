#include "platform/win32/CommandLineArguments.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

std::vector<std::string> CommandLineArguments() {
  int count = 0;
  const std::unique_ptr<LPWSTR, decltype(&LocalFree)> words(CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
  std::vector<std::string> arguments;
  if (!words) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Narrow(words.get()[i]));
  return arguments;
}

}  // namespace vantrelle::win32
