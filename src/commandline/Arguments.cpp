#include "commandline/Arguments.h"

#include "base/Strings.h"

namespace vantrelle::commandline {

Command ParseArguments(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return Command::Window;
  if (arguments.size() > 1) return Command::NotUnderstood;
  const std::string& word = arguments.front();
  if (word.size() < 2 || (word[0] != '/' && word[0] != '-')) return Command::NotUnderstood;
  const std::string name = word.substr(1);
  if (EqualsNoCase(name, "clean")) return Command::Clean;
  if (EqualsNoCase(name, "preview")) return Command::Preview;
  if (EqualsNoCase(name, "policyreport")) return Command::PolicyReport;
  if (name == "?" || EqualsNoCase(name, "help")) return Command::Help;
  return Command::NotUnderstood;
}

}  // namespace vantrelle::commandline
