#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vantrelle {
class Form1;
namespace platform {
class FileServices;
}

namespace modDeleteTempFiles {

// One cleaning run over the locations ticked on the window. A call made while a run is under way
// (from a click during one of its yields) is ignored.
void DeleteTemporaryFiles(Form1& form);

// --- path helpers ---
// `text` trimmed of blanks, with `ch` appended unless it already ends in it (ignoring case).
std::string AddTrailingChar(std::string_view text, char ch);
// `text` trimmed of blanks, without one trailing `ch` (ignoring case).
std::string RemoveTrailingChar(std::string_view text, char ch);
// The characters before the first NUL, or all of them.
std::string TextBeforeNull(std::string_view text);

// --- folders of a run ---
// Empties a folder the run names after checking it: it must exist; the person's own folder must
// not be a drive root, a short path or a system or profile folder (or contain one); any other must
// end in "temp". True when the folder passed those checks and was emptied as far as possible.
bool EmptyTempFolder(Form1& form, const std::string& path, bool ownFolder);
// The path's attributes can be read and have the directory bit.
bool FolderExists(platform::FileServices& files, const std::string& path);
bool PathExists(platform::FileServices& files, const std::string& path);
// The long, proper-cased form of a path without a trailing "\", or "" when a component is missing.
std::string GetLongPath(platform::FileServices& files, const std::string& path);

// --- Windows Temp step ---
// The folders the Windows Temp step has chosen to empty; appending beyond the last slot fails.
class TempFolderList {
 public:
  static constexpr std::size_t kSlots = 51;
  void Append(const std::string& folder);
  void Clear() { count_ = 0; }
  std::size_t Count() const { return count_; }
  const std::string& operator[](std::size_t index) const { return folders_[index]; }

 private:
  std::array<std::string, kSlots> folders_;
  std::size_t count_ = 0;
};

// Empties the system's temporary folder, or the per-user temporary folders found below its top
// folder. Never fails; true when at least one folder was emptied.
bool CleanWindowsTemp(Form1& form);
// Appends every "...\Local Settings\Temp" folder below `folder` (except a "Service" one) to `list`,
// without ever entering a link. A failure (such as a full list) ends the whole search.
void FindTempFolders(Form1& form, TempFolderList& list, const std::string& folder);

}  // namespace modDeleteTempFiles
}  // namespace vantrelle
