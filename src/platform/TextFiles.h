#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vantrelle::platform {

// Whole UTF-8 text files of the program's own (its history), read and written in one piece.
class TextFiles {
 public:
  virtual ~TextFiles() = default;
  // The file's text; "" when there is no such file, nothing when it exists but cannot be read.
  virtual std::optional<std::string> Read(const std::string& path) = 0;
  // Replaces the file's text as a whole, making its folder when missing; the old text stays intact
  // until the new one is complete. False when it cannot be written.
  virtual bool Write(const std::string& path, std::string_view text) = 0;
  virtual bool Exists(const std::string& path) = 0;
};

}  // namespace vantrelle::platform
