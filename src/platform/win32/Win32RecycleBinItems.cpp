// The Recycle Bin item by item, through the shell's Recycle Bin folder.
#include <windows.h>
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Storage.h"

namespace vantrelle::win32 {

namespace {

using Microsoft::WRL::ComPtr;

// The bin's columns: where an item was deleted from and when, and its size.
constexpr GUID kDisplacedProperties = {0x9B174B33, 0x40FF, 0x11D2, {0xA2, 0x7E, 0x00, 0xC0, 0x4F, 0xC3, 0x08, 0x71}};
constexpr GUID kStorageProperties = {0xB725F130, 0x47EF, 0x101A, {0xA5, 0xF1, 0x02, 0x60, 0x8C, 0x9E, 0xEB, 0xAC}};
constexpr SHCOLUMNID kDeletedFrom{kDisplacedProperties, 2};
constexpr SHCOLUMNID kDateDeleted{kDisplacedProperties, 3};
constexpr SHCOLUMNID kSize{kStorageProperties, 12};

struct ChildPidlTraits {
  using Handle = PITEMID_CHILD;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { CoTaskMemFree(h); }
};
using ChildPidl = ScopedHandle<ChildPidlTraits>;

struct Bin {
  Pidl location;
  ComPtr<IShellFolder2> folder;
};

std::optional<Bin> OpenBin() {
  Bin bin;
  PIDLIST_ABSOLUTE location = nullptr;
  if (FAILED(SHGetKnownFolderIDList(FOLDERID_RecycleBinFolder, 0, nullptr, &location))) return std::nullopt;
  bin.location.Reset(location);
  ComPtr<IShellFolder> desktop;
  if (FAILED(SHGetDesktopFolder(&desktop))) return std::nullopt;
  if (FAILED(desktop->BindToObject(bin.location.Get(), nullptr, IID_PPV_ARGS(&bin.folder)))) return std::nullopt;
  return bin;
}

// Every item of the bin, handed to `visit` until it returns false. False when the bin cannot be listed.
template <class Visit>
bool ForEachItem(Bin& bin, Visit&& visit) {
  ComPtr<IEnumIDList> items;
  const HRESULT listed =
      bin.folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN, &items);
  if (FAILED(listed)) return false;
  if (!items) return true;  // S_FALSE: an empty bin
  PITEMID_CHILD child = nullptr;
  while (items->Next(1, &child, nullptr) == S_OK) {
    ChildPidl owned(child);
    if (!visit(owned.Get())) break;
  }
  return true;
}

std::string NameOf(IShellFolder2& folder, PCUITEMID_CHILD child, SHGDNF form) {
  STRRET name{};
  if (FAILED(folder.GetDisplayNameOf(child, form, &name))) return {};
  PWSTR text = nullptr;
  if (FAILED(StrRetToStrW(&name, child, &text))) return {};
  std::string result = Narrow(text);
  CoTaskMemFree(text);
  return result;
}

std::optional<VARIANT> Detail(IShellFolder2& folder, PCUITEMID_CHILD child, const SHCOLUMNID& column) {
  VARIANT value;
  VariantInit(&value);
  if (FAILED(folder.GetDetailsEx(child, &column, &value))) return std::nullopt;
  return value;
}

std::optional<platform::FileTime> DateDeleted(IShellFolder2& folder, PCUITEMID_CHILD child) {
  auto value = Detail(folder, child, kDateDeleted);
  if (!value) return std::nullopt;
  std::optional<platform::FileTime> when;
  SYSTEMTIME system{};
  FILETIME file{};
  // The shell gives the date in universal time.
  if (value->vt == VT_DATE && VariantTimeToSystemTime(value->date, &system) && SystemTimeToFileTime(&system, &file)) {
    when = FromFiletime(file);
  }
  VariantClear(&*value);
  return when;
}

std::uint64_t SizeOf(IShellFolder2& folder, PCUITEMID_CHILD child) {
  auto value = Detail(folder, child, kSize);
  if (!value) return 0;
  VARIANT size;
  VariantInit(&size);
  std::uint64_t bytes = 0;
  if (SUCCEEDED(VariantChangeType(&size, &*value, 0, VT_UI8))) bytes = size.ullVal;
  VariantClear(&size);
  VariantClear(&*value);
  return bytes;
}

std::string DeletedFrom(IShellFolder2& folder, PCUITEMID_CHILD child) {
  std::string name = NameOf(folder, child, SHGDN_NORMAL);
  auto value = Detail(folder, child, kDeletedFrom);
  if (!value) return name;
  if (value->vt == VT_BSTR && value->bstrVal && value->bstrVal[0] != L'\0') {
    std::string from = Narrow(value->bstrVal);
    name = from + (from.ends_with('\\') ? "" : "\\") + name;
  }
  VariantClear(&*value);
  return name;
}

}  // namespace

std::optional<std::vector<platform::RecycledItem>> Win32Storage::RecycledItems() {
  auto bin = OpenBin();
  if (!bin) return std::nullopt;
  std::vector<platform::RecycledItem> found;
  IShellFolder2& folder = *bin->folder.Get();
  const bool listed = ForEachItem(*bin, [&](PCUITEMID_CHILD child) {
    found.push_back({NameOf(folder, child, SHGDN_INFOLDER | SHGDN_FORPARSING), DeletedFrom(folder, child),
                     SizeOf(folder, child), DateDeleted(folder, child)});
    return true;
  });
  if (!listed) return std::nullopt;
  return found;
}

bool Win32Storage::DeleteRecycledItem(const platform::RecycledItem& item, platform::WindowHandle owner) {
  auto bin = OpenBin();
  if (!bin || item.id.empty()) return false;
  ComPtr<IShellItem> target;
  IShellFolder2& folder = *bin->folder.Get();
  ForEachItem(*bin, [&](PCUITEMID_CHILD child) {
    if (NameOf(folder, child, SHGDN_INFOLDER | SHGDN_FORPARSING) != item.id) return true;
    const Pidl absolute(ILCombine(bin->location.Get(), child));
    if (absolute) SHCreateItemFromIDList(absolute.Get(), IID_PPV_ARGS(&target));
    return false;
  });
  if (!target) return false;
  ComPtr<IFileOperation> operation;
  if (FAILED(CoCreateInstance(CLSID_FileOperation, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&operation)))) return false;
  // Without the bin's own flag the item is deleted for good, and the shell removes its record too.
  if (FAILED(operation->SetOperationFlags(FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI))) return false;
  if (owner) operation->SetOwnerWindow(reinterpret_cast<HWND>(owner));
  if (FAILED(operation->DeleteItem(target.Get(), nullptr))) return false;
  if (FAILED(operation->PerformOperations())) return false;
  BOOL aborted = FALSE;
  if (FAILED(operation->GetAnyOperationsAborted(&aborted)) || aborted) return false;
  // Only what really left the bin counts.
  bool stillThere = false;
  if (auto again = OpenBin()) {
    ForEachItem(*again, [&](PCUITEMID_CHILD child) {
      stillThere = NameOf(*again->folder.Get(), child, SHGDN_INFOLDER | SHGDN_FORPARSING) == item.id;
      return !stillThere;
    });
  }
  return !stillThere;
}

}  // namespace vantrelle::win32
