#pragma once
#include <string>
#include <vector>

namespace vantrelle::win32 {

// The arguments the program was started with, after its own name, split by the system's rules
// (CommandLineToArgvW), in UTF-8.
std::vector<std::string> CommandLineArguments();

}  // namespace vantrelle::win32
