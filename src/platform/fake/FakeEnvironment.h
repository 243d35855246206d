#pragma once
#include <map>
#include <string>

#include "base/Strings.h"
#include "platform/Environment.h"

namespace vantrelle::fake {

class FakeEnvironment : public platform::Environment {
 public:
  std::string Get(const std::string& name) const override {
    auto it = values.find(ToLower(name));
    return it == values.end() ? std::string() : it->second;
  }
  std::string ProgramFolder() const override { return programFolder; }
  std::string ProgramPath() const override { return programPath; }
  std::string UserName() const override { return userName; }
  void Set(const std::string& name, const std::string& value) { values[ToLower(name)] = value; }

  std::map<std::string, std::string> values;  // keyed by lower-cased name
  std::string programFolder = "C:\\Program Files\\Vantrelle";
  std::string programPath = "C:\\Program Files\\Vantrelle\\Vantrelle.exe";
  std::string userName = "bob";
};

}  // namespace vantrelle::fake
