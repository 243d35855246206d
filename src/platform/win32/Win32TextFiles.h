#pragma once
#include "platform/TextFiles.h"

namespace vantrelle::win32 {

// Text files through the wide API, long paths included. A file is replaced by writing its new text
// beside it and moving that over it, so a failure midway leaves the old text whole.
class Win32TextFiles : public platform::TextFiles {
 public:
  std::optional<std::string> Read(const std::string& path) override;
  bool Write(const std::string& path, std::string_view text) override;
  bool Exists(const std::string& path) override;
};

}  // namespace vantrelle::win32
