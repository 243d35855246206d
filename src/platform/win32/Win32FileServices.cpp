#include "platform/win32/Win32FileServices.h"

#include <windows.h>
#include <winternl.h>

#include <memory>
#include <mutex>
#include <string_view>
#include <utility>

#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Clock.h"

namespace vantrelle::win32 {

namespace {

bool HasDotComponent(std::wstring_view path) {
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find(L'\\', start), path.size());
    const std::wstring_view part = path.substr(start, end - start);
    if (part == L"." || part == L"..") return true;
    start = end + 1;
  }
  return false;
}

bool IsDriveAbsolute(std::wstring_view path) { return path.size() >= 3 && path[1] == L':' && path[2] == L'\\'; }

std::wstring FullPath(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (written == 0 || written >= needed) return path;
  full.resize(written);
  return full;
}

// Opening for deletion. No delete sharing: while we hold an entry nobody can rename, delete or replace
// it, so a folder we work in cannot be swapped for a link.
constexpr DWORD kOpenAccess = DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES | SYNCHRONIZE;
constexpr DWORD kOpenShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
constexpr DWORD kOpenFlags = FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT;

platform::OpenFailure FailureOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return platform::OpenFailure::Missing;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return platform::OpenFailure::InUse;
    default: return platform::OpenFailure::AccessDenied;
  }
}

// Listing access first (a folder needs it); a file shared without read access still opens without.
FileHandle OpenForDeletion(const std::wstring& path, platform::OpenFailure& failure) {
  FileHandle handle(CreateFileW(path.c_str(), kOpenAccess | FILE_LIST_DIRECTORY, kOpenShare, nullptr, OPEN_EXISTING,
                                kOpenFlags, nullptr));
  if (!handle) {
    const DWORD error = GetLastError();
    failure = FailureOf(error);
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) return handle;
    handle =
        FileHandle(CreateFileW(path.c_str(), kOpenAccess, kOpenShare, nullptr, OPEN_EXISTING, kOpenFlags, nullptr));
    if (!handle) {
      failure = FailureOf(GetLastError());
      return handle;
    }
  }
  failure = platform::OpenFailure::None;
  return handle;
}

// An entry inside a held folder, by its name, relative to the folder's handle: whatever has become of
// the folder's path since (renamed, a link put at its name) redirects nothing, and a link is opened as
// itself. The name is one component; "." and ".." are no entries.
FileHandle OpenInside(HANDLE folder, std::wstring_view name, ACCESS_MASK access, ULONG share, DWORD& error) {
  error = ERROR_INVALID_NAME;
  if (name.empty() || name == L"." || name == L".." || name.find_first_of(L"\\/") != std::wstring_view::npos ||
      name.size() > 32767) {
    return FileHandle();
  }
  UNICODE_STRING unicode{static_cast<USHORT>(name.size() * sizeof(wchar_t)),
                         static_cast<USHORT>(name.size() * sizeof(wchar_t)), const_cast<PWSTR>(name.data())};
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &unicode, OBJ_CASE_INSENSITIVE, folder, nullptr);
  IO_STATUS_BLOCK status{};
  HANDLE opened = nullptr;
  const NTSTATUS result =
      NtCreateFile(&opened, access | SYNCHRONIZE, &attributes, &status, nullptr, 0, share, FILE_OPEN,
                   FILE_OPEN_REPARSE_POINT | FILE_OPEN_FOR_BACKUP_INTENT | FILE_SYNCHRONOUS_IO_NONALERT, nullptr, 0);
  if (!NT_SUCCESS(result)) {
    error = RtlNtStatusToDosError(result);
    return FileHandle();
  }
  error = ERROR_SUCCESS;
  return FileHandle(opened);
}

// As OpenForDeletion, inside a held folder.
FileHandle OpenInsideForDeletion(HANDLE folder, std::wstring_view name, platform::OpenFailure& failure) {
  DWORD error = ERROR_SUCCESS;
  FileHandle handle = OpenInside(folder, name, kOpenAccess | FILE_LIST_DIRECTORY, kOpenShare, error);
  if (!handle && (error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED)) {
    handle = OpenInside(folder, name, kOpenAccess, kOpenShare, error);
  }
  failure = handle ? platform::OpenFailure::None : FailureOf(error);
  return handle;
}

// Listing and nothing more, sharing everything: a folder some program holds as its current folder
// still opens, and no right to delete it is asked.
constexpr DWORD kEmptyAccess = FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
constexpr DWORD kEmptyShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The number the file system keeps for an open entry (the one its listings give), or 0. Asked of the
// handle alone: the volume's serial number, which the system's other answers add, is slow to get.
std::uint64_t EntryNumber(HANDLE handle) {
  IO_STATUS_BLOCK status{};
  constexpr auto kFileInternalInformation = static_cast<FILE_INFORMATION_CLASS>(6);
  LARGE_INTEGER number{};
  if (!NT_SUCCESS(NtQueryInformationFile(handle, &status, &number, sizeof number, kFileInternalInformation))) return 0;
  return static_cast<std::uint64_t>(number.QuadPart);
}

std::optional<std::uint32_t> HandleAttributes(HANDLE handle) {
  FILE_ATTRIBUTE_TAG_INFO tagInfo{};
  if (GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tagInfo, sizeof tagInfo)) {
    return tagInfo.FileAttributes;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileInformationByHandle(handle, &info)) return info.dwFileAttributes;
  return std::nullopt;
}

// For questions only: others may do anything with the entry meanwhile.
FileHandle OpenFollowingLinks(const std::wstring& path) {
  return FileHandle(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

bool IsSameEntry(HANDLE a, HANDLE b) {
  BY_HANDLE_FILE_INFORMATION first{}, second{};
  if (!GetFileInformationByHandle(a, &first) || !GetFileInformationByHandle(b, &second)) return false;
  return first.dwVolumeSerialNumber == second.dwVolumeSerialNumber && first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

// The name the system keeps for an open handle ("\??\C:\a\b"): where the handle really lies.
std::wstring ObjectName(HANDLE handle) {
  struct Name {
    USHORT length;
    USHORT maximumLength;
    PWSTR buffer;
  };
  using QueryObject = LONG(WINAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
  static const auto query = reinterpret_cast<QueryObject>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryObject")));
  constexpr int kObjectNameInformation = 1;
  if (!query) return {};
  // Room for the longest path; one per thread, since every entry opened asks.
  thread_local std::unique_ptr<LONGLONG[]> buffer(new LONGLONG[70 * 1024 / sizeof(LONGLONG)]);
  ULONG length = 0;
  if (query(handle, kObjectNameInformation, buffer.get(), 70 * 1024, &length) != 0) return {};
  const auto* name = reinterpret_cast<const Name*>(buffer.get());
  return std::wstring(name->buffer, name->length / sizeof(WCHAR));
}

// Wine keeps shortened names: the last component without its trailing dots and blanks, every other
// component without one trailing dot ("C:\a.\b " is kept as "C:\a\b", "C:\b \c" as it is).
std::wstring_view WithoutTrailingDotsAndBlanks(std::wstring_view name) {
  while (!name.empty() && (name.back() == L'.' || name.back() == L' ')) name.remove_suffix(1);
  return name;
}

platform::DirectoryEntry FromFindData(const WIN32_FIND_DATAW& data) {
  return {Narrow(data.cFileName),
          data.dwFileAttributes,
          (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
          FromFiletime(data.ftCreationTime),
          FromFiletime(data.ftLastWriteTime),
          FromFiletime(data.ftLastAccessTime)};
}

platform::FileTime FileTimeOf(const LARGE_INTEGER& time) { return static_cast<platform::FileTime>(time.QuadPart); }

std::wstring_view WithoutOneTrailingDot(std::wstring_view name) {
  return !name.empty() && name.back() == L'.' ? name.substr(0, name.size() - 1) : name;
}

// The part before the last backslash, and the last component.
std::pair<std::wstring_view, std::wstring_view> SplitLast(std::wstring_view path) {
  const auto slash = path.find_last_of(L'\\');
  if (slash == std::wstring_view::npos) return {{}, path};
  return {path.substr(0, slash), path.substr(slash + 1)};
}

bool SameName(std::wstring_view a, std::wstring_view b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

bool RunningOnWine() {
  static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  return wine;
}

}  // namespace

// Wine opens a Unix symbolic link as its target and shows nothing of it on the handle (a link to a
// file looks like a plain file), and deleting through such a handle deletes the target. A handle is
// the entry itself only if it lies where the entry's folder lies. Entries come folder by folder on each
// thread that empties, so each thread keeps the name of the last folder it asked about.
class FolderNames {
 public:
  bool LiesInItsFolder(HANDLE handle, const std::wstring& path) {
    const auto [folder, name] = SplitLast(path);
    if (folder.empty()) return false;
    thread_local LastFolder last;
    if (last.owner != this || folder != last.folder) {
      last.owner = this;
      last.folder = folder;
      // "\\?\C:" names the volume, not its root folder; the root's own name ends in a backslash.
      const bool driveRoot = last.folder.back() == L':';
      const FileHandle folderHandle = OpenFollowingLinks(driveRoot ? last.folder + L"\\" : last.folder);
      last.name = folderHandle ? ObjectName(folderHandle.Get()) : std::wstring();
      if (!last.name.empty() && last.name.back() == L'\\') last.name.pop_back();
    }
    const std::wstring& folderName = last.name;
    if (folderName.empty()) return false;
    const std::wstring actual = ObjectName(handle);
    const auto [actualFolder, actualName] = SplitLast(actual);
    if (!SameName(actualName, name) && !SameName(actualName, WithoutTrailingDotsAndBlanks(name))) return false;
    // The folder's name as the last component of its own name and as a component within the entry's.
    const auto [folderParent, folderLast] = SplitLast(folderName);
    const auto [actualParent, actualMiddle] = SplitLast(actualFolder);
    if (!SameName(actualParent, folderParent)) return false;
    const std::wstring_view named = SplitLast(folder).second;
    if (!SameName(WithoutTrailingDotsAndBlanks(named), folderLast)) {
      return SameName(actualMiddle, folderLast);  // the folder lies elsewhere: only its own name counts
    }
    return SameName(actualMiddle, named) || SameName(actualMiddle, WithoutOneTrailingDot(named));
  }

 private:
  struct LastFolder {
    const FolderNames* owner = nullptr;
    std::wstring folder;
    std::wstring name;  // the name the system keeps for it, without a trailing backslash
  };
};

namespace {

// Where an open entry came from: its path (the caller's folder, or a single entry), or a name inside a
// folder held open. Wine keeps, for each handle, the name the entry had when it was opened; a folder
// renamed since leaves its entries' names pointing wherever its old name leads now.
struct Origin {
  std::wstring path;                               // opened by path: its "\\?\" form
  std::shared_ptr<const std::wstring> folderName;  // opened inside a folder: the name Wine keeps for it
  std::wstring name;                               // ... and its own listed name
  std::uint64_t listedFolder = 0;                  // ... and the number its listing gave, if a real folder
};

class Win32OpenEntry final : public platform::OpenEntry {
 public:
  Win32OpenEntry(FileHandle handle, Origin origin, std::shared_ptr<FolderNames> names)
      : handle_(std::move(handle)), origin_(std::move(origin)), names_(std::move(names)) {}

  // Asked only when needed: deleting a plain file needs no look at it.
  std::uint32_t Attributes() const override {
    if (!attributes_) attributes_ = HandleAttributes(handle_.Get()).value_or(0);
    return *attributes_;
  }

  std::optional<platform::EntryTimes> Times() const override {
    FILE_BASIC_INFO info{};
    if (!GetFileInformationByHandleEx(handle_.Get(), FileBasicInfo, &info, sizeof info)) return std::nullopt;
    return platform::EntryTimes{FileTimeOf(info.CreationTime), FileTimeOf(info.LastWriteTime)};
  }

  std::vector<platform::DirectoryEntry> List() override {
    std::vector<platform::DirectoryEntry> entries;
    if (!IsFolder() || !IsItself()) return entries;
    // 64 KiB, aligned for the records the call writes; one per thread, left as the last listing left
    // it, since only what the call writes is read.
    constexpr DWORD size = 64 * 1024;
    thread_local const std::unique_ptr<LONGLONG[]> buffer(new LONGLONG[size / sizeof(LONGLONG)]);
    FILE_INFO_BY_HANDLE_CLASS kind = FileIdBothDirectoryRestartInfo;
    for (;;) {
      if (!GetFileInformationByHandleEx(handle_.Get(), kind, buffer.get(), size)) {
        // Older systems know no restart form; a fresh handle starts at the beginning anyway.
        if (kind == FileIdBothDirectoryRestartInfo && GetLastError() == ERROR_INVALID_PARAMETER) {
          kind = FileIdBothDirectoryInfo;
          continue;
        }
        break;
      }
      kind = FileIdBothDirectoryInfo;
      const auto* bytes = reinterpret_cast<const BYTE*>(buffer.get());
      for (;;) {
        const auto* info = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(bytes);
        const std::wstring_view name(info->FileName, info->FileNameLength / sizeof(WCHAR));
        if (name != L"." && name != L"..") {
          entries.push_back({Narrow(name), info->FileAttributes, static_cast<std::uint64_t>(info->EndOfFile.QuadPart),
                             FileTimeOf(info->CreationTime), FileTimeOf(info->LastWriteTime),
                             FileTimeOf(info->LastAccessTime), static_cast<std::uint64_t>(info->FileId.QuadPart)});
        }
        if (info->NextEntryOffset == 0) break;
        bytes += info->NextEntryOffset;
      }
    }
    return entries;
  }

  std::unique_ptr<platform::OpenEntry> OpenListed(const platform::DirectoryEntry& entry,
                                                  platform::OpenFailure& failure) override {
    failure = platform::OpenFailure::AccessDenied;
    if (!IsFolder() || !IsItself()) return nullptr;
    FileHandle handle = OpenInsideForDeletion(handle_.Get(), Widen(entry.name), failure);
    if (!handle) return nullptr;
    return Inside(std::move(handle), entry);
  }

  std::unique_ptr<platform::OpenEntry> OpenFolderInside(const platform::DirectoryEntry& entry) override {
    if (!IsFolder() || !IsItself()) return nullptr;
    DWORD error = ERROR_SUCCESS;
    FileHandle handle = OpenInside(handle_.Get(), Widen(entry.name), kEmptyAccess, kEmptyShare, error);
    if (!handle) return nullptr;
    auto opened = Inside(std::move(handle), entry);
    if (!opened->IsFolder() || !opened->IsItself()) return nullptr;
    return opened;
  }

  bool ClearAttributes() override {
    constexpr std::uint32_t kBlocking = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if ((Attributes() & kBlocking) == 0) return true;  // nothing to clear: spare the call
    if (!IsItself()) return false;
    FILE_BASIC_INFO info{};  // zero times: left unchanged
    info.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    if (!SetFileInformationByHandle(handle_.Get(), FileBasicInfo, &info, sizeof info)) return false;
    *attributes_ &= platform::attribute::kDirectory | platform::attribute::kReparsePoint;
    return true;
  }

  bool Delete() override {
    FILE_DISPOSITION_INFO disposition{TRUE};
    if (!IsItself()) return false;
    if (!SetFileInformationByHandle(handle_.Get(), FileDispositionInfo, &disposition, sizeof disposition)) {
      return false;
    }
    handle_.Reset();  // the entry goes when the last handle closes
    return true;
  }

 private:
  std::unique_ptr<Win32OpenEntry> Inside(FileHandle handle, const platform::DirectoryEntry& entry) {
    const bool realFolder =
        (entry.attributes & platform::attribute::kDirectory) != 0 && !platform::IsLinkAttributes(entry.attributes);
    return std::make_unique<Win32OpenEntry>(
        std::move(handle), Origin{{}, KeptName(), Widen(entry.name), realFolder ? entry.id : 0}, names_);
  }

  // Windows opens inside the held folder and never follows a link, so every entry is itself. Wine
  // opens a Unix symbolic link as its target and shows nothing of it on the handle, deleting through
  // such a handle deletes the target, and an entry of a folder renamed since it was opened cannot be
  // deleted through its handle at all (Wine deletes by the name it kept, and only while that name still
  // leads to the entry). So under Wine an entry is itself only where it lies by its own name: the
  // name Wine keeps for it is its folder's, as kept and checked the same way, and its own. A folder
  // that bears the number its listing gave is the listed folder itself without asking its name (a
  // link put in its place opens as its target, another number); its entries are still asked against
  // the name it should have, which a folder renamed since does not give them. A file is always asked
  // by name: Wine lists a file link as a plain file with its target's number. Asked once, before
  // anything is changed or listed through the handle, from whichever thread comes first.
  bool IsItself() const {
    if (!RunningOnWine()) return true;
    std::call_once(checked_, [this] {
      if (!origin_.folderName) {
        isItself_ = names_->LiesInItsFolder(handle_.Get(), origin_.path);
        return;
      }
      if (origin_.listedFolder != 0 && EntryNumber(handle_.Get()) == origin_.listedFolder) {
        isItself_ = !origin_.folderName->empty();
        return;
      }
      const std::wstring actual = ObjectName(handle_.Get());
      const auto [actualFolder, actualName] = SplitLast(actual);
      isItself_ =
          !origin_.folderName->empty() && SameName(actualFolder, *origin_.folderName) &&
          (SameName(actualName, origin_.name) || SameName(actualName, WithoutTrailingDotsAndBlanks(origin_.name)));
    });
    return isItself_;
  }

  // The name Wine keeps for this folder as a component of its entries' names, which they are checked
  // against: as its own name, but for its last component, which keeps its trailing blanks and loses
  // only one trailing dot there. Empty when the folder is not itself (then none of its entries is).
  std::shared_ptr<const std::wstring> KeptName() const {
    if (!RunningOnWine()) return nullptr;
    std::call_once(named_, [this] {
      std::wstring kept;
      if (IsItself() && origin_.folderName) {
        kept = *origin_.folderName + L'\\' + std::wstring(WithoutOneTrailingDot(origin_.name));
      } else if (IsItself()) {
        kept = ObjectName(handle_.Get());
        if (!kept.empty() && kept.back() == L'\\') kept.pop_back();  // a drive's root
        const std::wstring_view named = SplitLast(origin_.path).second;
        if (!named.empty() && (named.back() == L'.' || named.back() == L' ')) {
          kept = std::wstring(SplitLast(kept).first) + L'\\' + std::wstring(WithoutOneTrailingDot(named));
        }
      }
      keptName_ = std::make_shared<const std::wstring>(std::move(kept));
    });
    return keptName_;
  }

  FileHandle handle_;
  Origin origin_;
  std::shared_ptr<FolderNames> names_;
  mutable std::optional<std::uint32_t> attributes_;
  mutable std::once_flag checked_;
  mutable bool isItself_ = false;
  mutable std::once_flag named_;
  mutable std::shared_ptr<const std::wstring> keptName_;
};

}  // namespace

Win32FileServices::Win32FileServices() : folderNames_(std::make_shared<FolderNames>()) {}

std::wstring ExtendedPath(const std::string& path) {
  std::wstring wide = Widen(path);
  if (wide.rfind(L"\\\\?\\", 0) == 0) return wide;
  for (wchar_t& c : wide) {
    if (c == L'/') c = L'\\';
  }
  const bool unc = wide.rfind(L"\\\\", 0) == 0;
  if ((!IsDriveAbsolute(wide) && !unc) || HasDotComponent(wide)) wide = FullPath(wide);
  if (IsDriveAbsolute(wide)) return L"\\\\?\\" + wide;
  if (wide.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + wide.substr(2);
  return wide;
}

std::unique_ptr<platform::OpenEntry> Win32FileServices::Open(const std::string& path, platform::OpenFailure& failure) {
  std::wstring wide = ExtendedPath(path);
  FileHandle handle = OpenForDeletion(wide, failure);
  if (!handle) return nullptr;
  return std::make_unique<Win32OpenEntry>(std::move(handle), Origin{std::move(wide), nullptr, {}}, folderNames_);
}

std::unique_ptr<platform::OpenEntry> Win32FileServices::OpenFolderToEmpty(const std::string& path) {
  std::wstring wide = ExtendedPath(path);
  FileHandle handle(CreateFileW(wide.c_str(), kEmptyAccess, kEmptyShare, nullptr, OPEN_EXISTING, kOpenFlags, nullptr));
  if (!handle) return nullptr;
  return std::make_unique<Win32OpenEntry>(std::move(handle), Origin{std::move(wide), nullptr, {}}, folderNames_);
}

std::vector<platform::DirectoryEntry> Win32FileServices::List(const std::string& folder) {
  std::vector<platform::DirectoryEntry> entries;
  std::wstring pattern = ExtendedPath(folder);
  if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW data{};
  FindHandle find(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH));
  if (!find) return entries;
  do {
    const std::wstring_view name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    entries.push_back(FromFindData(data));
  } while (FindNextFileW(find.Get(), &data));
  return entries;
}

std::optional<std::string> Win32FileServices::FinalPath(const std::string& path) {
  const FileHandle named = OpenFollowingLinks(ExtendedPath(path));
  if (!named) return std::nullopt;
  constexpr DWORD kForm = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
  std::wstring resolved(GetFinalPathNameByHandleW(named.Get(), nullptr, 0, kForm), L'\0');
  if (resolved.empty()) return std::nullopt;
  const DWORD written =
      GetFinalPathNameByHandleW(named.Get(), resolved.data(), static_cast<DWORD>(resolved.size()), kForm);
  if (written == 0 || written >= resolved.size()) return std::nullopt;
  resolved.resize(written);
  // Wine's names lose trailing dots and blanks, so its answer may lead elsewhere; a path that is no
  // link then is its own final path.
  if (!IsSameEntry(named.Get(), OpenFollowingLinks(resolved).Get())) {
    const auto attributes = Attributes(path);
    if (!attributes || platform::IsLinkAttributes(*attributes)) return std::nullopt;
    return path;
  }
  if (resolved.rfind(L"\\\\?\\UNC\\", 0) == 0) return Narrow(L"\\\\" + resolved.substr(8));
  if (resolved.rfind(L"\\\\?\\", 0) == 0) return Narrow(std::wstring_view(resolved).substr(4));
  return Narrow(resolved);
}

std::optional<std::uint32_t> Win32FileServices::Attributes(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ExtendedPath(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

std::optional<platform::DirectoryEntry> Win32FileServices::FindEntry(const std::string& path) {
  WIN32_FIND_DATAW data{};
  FindHandle find(FindFirstFileW(ExtendedPath(path).c_str(), &data));
  if (!find) return std::nullopt;
  return FromFindData(data);
}

bool Win32FileServices::PathExists(const std::string& path) { return Attributes(path).has_value(); }

std::string Win32FileServices::TempPath() {
  std::wstring buffer(MAX_PATH + 1, L'\0');
  DWORD length = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length > buffer.size()) {
    buffer.assign(length, L'\0');
    length = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
  }
  if (length == 0 || length > buffer.size()) return {};
  buffer.resize(length);
  return Narrow(buffer);
}

std::vector<std::string> Win32FileServices::LogicalDrives() {
  std::wstring buffer(MAX_PATH, L'\0');
  DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length > buffer.size()) {
    buffer.assign(length + 1, L'\0');
    length = GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
  }
  std::vector<std::string> roots;
  if (length == 0 || length > buffer.size()) return roots;
  std::size_t start = 0;
  while (start < length) {
    const std::size_t end = buffer.find(L'\0', start);
    if (end == start || end == std::wstring::npos) break;
    roots.push_back(Narrow(std::wstring_view(buffer).substr(start, end - start)));
    start = end + 1;
  }
  return roots;
}

int Win32FileServices::DriveType(const std::string& root) {
  return static_cast<int>(GetDriveTypeW(Widen(root).c_str()));
}

}  // namespace vantrelle::win32
