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

}  // namespace

Command ParseArguments(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return Command::Window;
  if (arguments.size() == 2 && EqualsNoCase(SwitchName(arguments[1]), "system")) {
    const Command command = ParseArguments({arguments[0]});
    if (command == Command::Clean) return Command::CleanSystem;
    if (command == Command::Preview) return Command::PreviewSystem;
    return Command::NotUnderstood;
  }
  const std::string name = SwitchName(arguments.front());
  if (arguments.size() == 2 && EqualsNoCase(name, "preview") && EqualsNoCase(SwitchName(arguments[1]), "list")) {
    return Command::PreviewList;
  }
  if (arguments.size() > 1 || name.empty()) return Command::NotUnderstood;
  if (EqualsNoCase(name, "clean")) return Command::Clean;
  if (EqualsNoCase(name, "preview")) return Command::Preview;
  if (EqualsNoCase(name, "system")) return Command::SystemWindow;
  if (EqualsNoCase(name, "policyreport")) return Command::PolicyReport;
  if (EqualsNoCase(name, "community")) return Command::Community;
  if (EqualsNoCase(name, platform::kCleanupHandlerHostSwitch)) return Command::CleanupHandlerHost;
  if (name == "?" || EqualsNoCase(name, "help")) return Command::Help;
  return Command::NotUnderstood;
}

}  // namespace vantrelle::commandline
