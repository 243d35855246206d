#include "commandline/Arguments.h"

#include "base/Strings.h"
#include "platform/CleanupHandlers.h"

namespace vantrelle::commandline {

namespace {

// A switch's name without its "/" or "-"; "" when the word is no switch.
std::string SwitchName(const std::string& word) {
  if (word.size() < 2 || (word[0] != '/' && word[0] != '-')) return {};
  return word.substr(1);
}

// A handle's number as the parent wrote it: decimal digits, not 0.
std::optional<std::uint64_t> HandleNumber(const std::string& text) {
  if (text.empty() || text.size() > 19) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (value == 0) return std::nullopt;
  return value;
}

}  // namespace

std::optional<HostPipeNumbers> HostPipes(const std::vector<std::string>& arguments) {
  if (arguments.size() != 3 || !EqualsNoCase(SwitchName(arguments[0]), platform::kCleanupHandlerHostSwitch)) {
    return std::nullopt;
  }
  const auto request = HandleNumber(arguments[1]);
  const auto answer = HandleNumber(arguments[2]);
  if (!request || !answer || *request == *answer) return std::nullopt;
  return HostPipeNumbers{*request, *answer};
}

Command ParseArguments(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return Command::Window;
  if (arguments.size() == 2 && EqualsNoCase(SwitchName(arguments[1]), "system")) {
    const Command command = ParseArguments({arguments[0]});
    if (command == Command::Clean) return Command::CleanSystem;
    if (command == Command::Preview) return Command::PreviewSystem;
    return Command::NotUnderstood;
  }
  const std::string name = SwitchName(arguments.front());
  if (EqualsNoCase(name, platform::kCleanupHandlerHostSwitch)) {
    return HostPipes(arguments) ? Command::CleanupHandlerHost : Command::NotUnderstood;
  }
  if (arguments.size() == 2 && EqualsNoCase(name, "preview") && EqualsNoCase(SwitchName(arguments[1]), "list")) {
    return Command::PreviewList;
  }
  if (arguments.size() > 1 || name.empty()) return Command::NotUnderstood;
  if (EqualsNoCase(name, "clean")) return Command::Clean;
  if (EqualsNoCase(name, "preview")) return Command::Preview;
  if (EqualsNoCase(name, "system")) return Command::SystemWindow;
  if (EqualsNoCase(name, "policyreport")) return Command::PolicyReport;
  if (EqualsNoCase(name, "community")) return Command::Community;
  if (name == "?" || EqualsNoCase(name, "help")) return Command::Help;
  return Command::NotUnderstood;
}

}  // namespace vantrelle::commandline
