#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrelle::commandline {

enum class Command {
  Window,              // no arguments: the window program, as ever
  Clean,               // /clean
  Preview,             // /preview
  PreviewList,         // /preview /list
  CleanSystem,         // /clean /system: the machine's choices, for an administrator
  PreviewSystem,       // /preview /system
  SystemWindow,        // /system: the "System files" window, in the copy started with an administrator's consent
  PolicyReport,        // /policyreport
  Community,           // /community: the community's cleaning list and what of it this computer offers
  Help,                // /? or /help
  NotUnderstood,       // anything else
  CleanupHandlerHost,  // internal: the child copy that runs Windows' cleanup handlers for its parent
};

// The handle numbers of the two pipes a handler host was started with ("/cleanuphandlerhost <request>
// <answer>"): the one it reads its request from, the one it answers on.
struct HostPipeNumbers {
  std::uint64_t request = 0;
  std::uint64_t answer = 0;
};
// Both numbers when the arguments are the host's switch and two different whole numbers above 0.
std::optional<HostPipeNumbers> HostPipes(const std::vector<std::string>& arguments);

// What the arguments (after the program's name) ask for. One switch at most, starting with "/" or
// "-", in any case; /clean and /preview may be followed by /system, /preview by /list, and by nothing else.
Command ParseArguments(const std::vector<std::string>& arguments);

}  // namespace vantrelle::commandline
