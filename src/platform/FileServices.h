#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileTime.h"

namespace vantrelle::platform {

namespace attribute {
inline constexpr std::uint32_t kReadOnly = 0x1;
inline constexpr std::uint32_t kHidden = 0x2;
inline constexpr std::uint32_t kSystem = 0x4;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kArchive = 0x20;
inline constexpr std::uint32_t kReparsePoint = 0x400;
}  // namespace attribute

// The drive types the logic tells apart (values of the system's drive-type query).
inline constexpr int kDriveFixed = 3;

struct DirectoryEntry {
  std::string name;
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;  // a file's data, in bytes
  FileTime created = 0;
  FileTime written = 0;   // last written
  FileTime accessed = 0;  // last read or written, as far as the file system keeps it
  std::uint64_t id = 0;   // the file system's number for the entry, where a listing gives it; else 0
};

// When an entry was made and last written.
struct EntryTimes {
  FileTime created = 0;
  FileTime written = 0;
};

// Why an entry could not be opened.
enum class OpenFailure { None, Missing, InUse, AccessDenied };

inline bool IsLinkAttributes(std::uint32_t attributes) { return (attributes & attribute::kReparsePoint) != 0; }

// One file, folder or link, opened without following a link: what is examined is exactly what gets
// cleared and deleted, so nothing can be swapped in between. A folder stays open (and cannot be
// renamed, deleted or replaced by someone else) for as long as the object lives.
class OpenEntry {
 public:
  virtual ~OpenEntry() = default;
  virtual std::uint32_t Attributes() const = 0;
  // As the entry stands now; nothing when they cannot be read.
  virtual std::optional<EntryTimes> Times() const = 0;
  bool IsLink() const { return IsLinkAttributes(Attributes()); }
  bool IsFolder() const { return (Attributes() & attribute::kDirectory) != 0 && !IsLink(); }
  // The entries of a real folder in the order the file system gives them, "." and ".." left out.
  // Nothing for a link, a file, or a folder that cannot be listed.
  virtual std::vector<DirectoryEntry> List() = 0;
  // Opens an entry this folder listed, by its listed name, for examination and deletion as `Open`
  // would, but inside this folder as it is held: the folder renamed, or a link put at its name or the
  // entry's, since it was opened redirects nothing, and a link is opened as itself, never followed.
  // Nothing when it cannot be opened; then `failure` says why. Once the folder is listed, several
  // threads may open its entries at once.
  virtual std::unique_ptr<OpenEntry> OpenListed(const DirectoryEntry& entry, OpenFailure& failure) = 0;
  std::unique_ptr<OpenEntry> OpenListed(const DirectoryEntry& entry) {
    OpenFailure ignored;
    return OpenListed(entry, ignored);
  }
  // A real folder inside this one, by its listed name (or a name alone), opened inside this folder as it is held and as
  // `FileServices::OpenFolderToEmpty` opens one: to list and empty it, never to delete it. Nothing
  // when there is none of that name or it is a link.
  virtual std::unique_ptr<OpenEntry> OpenFolderInside(const DirectoryEntry& entry) = 0;
  std::unique_ptr<OpenEntry> OpenFolderInside(const std::string& name) {
    return OpenFolderInside(DirectoryEntry{name});
  }
  // Sets the attributes to normal (read-only, hidden and system cleared). False when refused.
  virtual bool ClearAttributes() = 0;
  // Deletes a file, an empty folder, or a link itself (never what it points to), at the latest when
  // the object is released. False when refused (a read-only file, a folder not empty); after a
  // successful call the object must not be used again.
  virtual bool Delete() = 0;
};

// The file system as the cleaning logic needs it. Paths are UTF-8, absolute, with backslashes; the
// implementation reaches paths of any length and names the ordinary form cannot (trailing dots, device
// names).
class FileServices {
 public:
  virtual ~FileServices() = default;

  // Opens an entry for examination and deletion. Nothing when it does not exist or is held open by
  // someone who does not share it; then `failure` says which.
  virtual std::unique_ptr<OpenEntry> Open(const std::string& path, OpenFailure& failure) = 0;
  std::unique_ptr<OpenEntry> Open(const std::string& path) {
    OpenFailure ignored;
    return Open(path, ignored);
  }
  // Opens a folder whose contents are to go while it stays: without the right to delete it, so a folder
  // that is some program's current folder (Windows' own folder often is) can still be emptied.
  virtual std::unique_ptr<OpenEntry> OpenFolderToEmpty(const std::string& path) { return Open(path); }
  // The entries of a folder (as the path resolves), "." and ".." left out, for looking only: nothing
  // is held open, so nothing read here may decide what gets deleted. Nothing when it cannot be listed.
  virtual std::vector<DirectoryEntry> List(const std::string& folder) = 0;
  // Where a path leads once every link on the way is followed (a folder moved to another drive and
  // left behind as a junction leads there); nothing when it leads nowhere the system can name.
  virtual std::optional<std::string> FinalPath(const std::string& path) = 0;
  // The attributes of a path (as the path resolves); nothing when they cannot be read.
  virtual std::optional<std::uint32_t> Attributes(const std::string& path) = 0;
  // The entry a path names, with its own long name; nothing when there is none.
  virtual std::optional<DirectoryEntry> FindEntry(const std::string& path) = 0;
  virtual bool PathExists(const std::string& path) = 0;
  // The system's temporary-files folder as the system reports it (normally with a trailing "\").
  virtual std::string TempPath() = 0;
  // Drive roots such as "C:\", in the system's order.
  virtual std::vector<std::string> LogicalDrives() = 0;
  virtual int DriveType(const std::string& root) = 0;
};

}  // namespace vantrelle::platform
