#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace vantrelle::platform {

// A window as the platform knows it; 0 is none.
using WindowHandle = std::uintptr_t;

// The person's own folders the system names, wherever they have been moved.
// ProgramData and Windows hold the machine's own piles, cleaned only by the machine's run. The rest
// are what the community's list names: the person's profile and application data, the folders of
// their own files (which it must never reach), the public and the program folders (64-bit, then
// 32-bit).
enum class KnownFolder {
  LocalAppData,
  RoamingAppData,
  ProgramData,
  Windows,
  LocalLowAppData,
  Profile,
  Desktop,
  Documents,
  Pictures,
  Music,
  Videos,
  Downloads,
  SavedGames,
  Favorites,
  Contacts,
  Links,
  OneDrive,
  Public,
  ProgramFiles,
  ProgramFilesX86,
  ProgramFilesCommon,
  ProgramFilesCommonX86,
};

// The Windows shell: Recycle Bin, recent documents, special folders, the folder-browse dialog and
// starting a command line.
class Shell {
 public:
  virtual ~Shell() = default;

  // --- Recycle Bin and recent documents ---
  // The number of items in the Recycle Bin of the drive root ("C:\"); throws RuntimeError when the
  // count cannot be had.
  virtual std::int64_t RecycleBinItemCount(const std::string& driveRoot) = 0;
  // The bytes the Recycle Bin of the drive root holds, or of all drives for ""; throws RuntimeError
  // when the size cannot be had.
  virtual std::int64_t RecycleBinSize(const std::string& driveRoot) = 0;
  // Empties the bins of all drives without asking, without progress window and without sound. False
  // when the shell reports a failure; bins that were empty already are no failure.
  virtual bool EmptyAllRecycleBins(WindowHandle owner) = 0;
  virtual void UpdateRecycleBinIcon() = 0;
  // Clears the recent-documents list.
  virtual void ClearRecentDocuments() = 0;

  // --- folders ---
  // The file-system path of a special folder (shell folder identifier, e.g. 8 for recent
  // documents), or nothing when the shell cannot resolve it.
  virtual std::optional<std::string> SpecialFolderPath(int folderId) = 0;
  // The path of a known folder as the shell resolves it for this user (no environment string is
  // read), or nothing when the shell cannot name it.
  virtual std::optional<std::string> KnownFolderPath(KnownFolder folder) = 0;

  // --- dialogs and launching ---
  // The folder-browse dialog, only file-system folders confirmable, opening at `startFolder` when
  // not empty. Nothing when cancelled or when the choice has no file-system path.
  virtual std::optional<std::string> BrowseForFolder(WindowHandle owner, const std::string& title,
                                                     const std::string& startFolder) = 0;
  // Starts a command line in a minimised window that receives the focus, without waiting.
  virtual void RunCommand(const std::string& commandLine) = 0;
  // Opens a document in the program the person uses for its kind (a text file in their editor).
  // False when nothing could open it.
  virtual bool OpenDocument(const std::string& path) = 0;
};

}  // namespace vantrelle::platform
