#pragma once
#include <string>
#include <vector>

namespace vantrelle::commandline {

enum class Command {
  Window,         // no arguments: the window program, as ever
  Clean,          // /clean
  Preview,        // /preview
  PreviewList,    // /preview /list
  PolicyReport,   // /policyreport
  Help,           // /? or /help
  NotUnderstood,  // anything else
};

// What the arguments (after the program's name) ask for. One switch at most, starting with "/" or
// "-", in any case; only /preview takes a second one, /list.
Command ParseArguments(const std::vector<std::string>& arguments);

}  // namespace vantrelle::commandline
