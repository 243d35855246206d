#pragma once
#include "platform/RunningPrograms.h"

namespace vantrelle::win32 {

// Processes from the system's snapshot, owners by their tokens' user SIDs; files tried for reading
// without sharing. Every call asks afresh.
class Win32RunningPrograms : public platform::RunningPrograms {
 public:
  bool RunsForThisUser(const std::string& imageName) override;
  bool HeldOpen(const std::string& path) override;
};

}  // namespace vantrelle::win32
