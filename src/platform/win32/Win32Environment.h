#pragma once
#include "platform/Environment.h"

namespace vantrelle::win32 {

class Win32Environment : public platform::Environment {
 public:
  std::string Get(const std::string& name) const override;
  std::string ProgramFolder() const override;
  std::string ProgramPath() const override;
  std::string UserName() const override;
};

}  // namespace vantrelle::win32
