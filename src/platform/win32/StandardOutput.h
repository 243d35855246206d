#pragma once
#include <string_view>

namespace vantrelle::win32 {

// Writes UTF-8 text to the program's standard output: a file or pipe a script redirected it to
// (with Windows line ends), or the console of the command prompt that started it. A program started
// from a shortcut or by Task Scheduler has neither, and the text goes nowhere.
void WriteStandardOutput(std::string_view utf8);

}  // namespace vantrelle::win32
