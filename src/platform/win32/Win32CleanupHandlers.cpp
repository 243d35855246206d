#include "platform/win32/Win32CleanupHandlers.h"

#include <windows.h>
#include <emptyvc.h>
#include <objbase.h>
#include <wrl/client.h>

#include <shlobj.h>
#include <shlwapi.h>
#include <atomic>
#include <cstdio>
#include <cwctype>
#include <optional>
#include <vector>

#include "platform/win32/ComApartment.h"
#include "platform/win32/ComObject.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SystemMessage.h"
#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

namespace {

using Microsoft::WRL::ComPtr;
using platform::CleanupHandlerResult;
using Status = CleanupHandlerResult::Status;

constexpr wchar_t kVolumeCaches[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\VolumeCaches\\";

RegKey OpenVolumeCaches() {
  RegKey key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kVolumeCaches, 0, KEY_READ | KEY_WOW64_64KEY, key.Receive()) != ERROR_SUCCESS) {
    return RegKey();
  }
  return key;
}

RegKey OpenHandlerKey(const std::string& keyName) {
  RegKey key;
  if (keyName.empty() || keyName.find('\\') != std::string::npos) return key;  // a name, never a path
  const std::wstring path = kVolumeCaches + Widen(keyName);
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, key.Receive()) != ERROR_SUCCESS) {
    return RegKey();
  }
  return key;
}

// A text value of the key; "@file,-id" texts are read from the file's resources.
std::wstring KeyText(HKEY key, const wchar_t* name) {
  wchar_t text[1024] = {};
  DWORD bytes = sizeof text - sizeof(wchar_t);
  if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, text, &bytes) !=
      ERROR_SUCCESS) {
    return {};
  }
  if (text[0] != L'@') return text;
  wchar_t loaded[1024] = {};
  return SUCCEEDED(SHLoadIndirectString(text, loaded, 1024, nullptr)) ? loaded : L"";
}

// The class named by the key's default value.
std::optional<CLSID> HandlerClass(HKEY key) {
  wchar_t text[64] = {};
  DWORD bytes = sizeof text;
  if (RegGetValueW(key, nullptr, nullptr, RRF_RT_REG_SZ, nullptr, text, &bytes) != ERROR_SUCCESS) return std::nullopt;
  CLSID id{};
  if (FAILED(CLSIDFromString(text, &id))) return std::nullopt;
  return id;
}

// A folder Windows names, for a registered path's %SystemRoot%, %windir%, %ProgramFiles% or
// %CommonProgramFiles%, as the system knows it (never the process's environment, which the person's
// own variables may have shaped).
std::optional<std::wstring> SystemFolder(std::wstring_view name) {
  const auto known = [](REFKNOWNFOLDERID id) -> std::optional<std::wstring> {
    PWSTR path = nullptr;
    if (FAILED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path))) return std::nullopt;
    std::wstring text = path;
    CoTaskMemFree(path);
    return text;
  };
  const auto is = [&](const wchar_t* candidate) {
    return CompareStringOrdinal(name.data(), static_cast<int>(name.size()), candidate, -1, TRUE) == CSTR_EQUAL;
  };
  if (is(L"SystemRoot") || is(L"windir")) {
    wchar_t windows[MAX_PATH] = {};
    const UINT length = GetSystemWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::nullopt;
    return std::wstring(windows, length);
  }
  if (is(L"ProgramFiles")) return known(FOLDERID_ProgramFiles);
  if (is(L"CommonProgramFiles")) return known(FOLDERID_ProgramFilesCommon);
  return std::nullopt;
}

// "C:\..." or "\\server\share\...": a path that names one file wherever the process stands.
bool FullPath(const std::wstring& path) {
  const bool drive = path.size() > 3 && iswalpha(path[0]) && path[1] == L':' && path[2] == L'\\';
  const bool share = path.size() > 2 && path[0] == L'\\' && path[1] == L'\\';
  return drive || share;
}

// The server DLL registered for the class for the machine (under HKLM\SOFTWARE\Classes), when it is
// a full path: a class only the person registered (their own classes key, which HKEY_CLASSES_ROOT
// also shows) is never created, least of all by an administrator's copy, and a relative path, which
// the system would look for in the folders of the search order, is refused.
std::optional<std::wstring> ServerPath(const CLSID& id) {
  wchar_t text[64] = {};
  if (!StringFromGUID2(id, text, 64)) return std::nullopt;
  const std::wstring path = L"SOFTWARE\\Classes\\CLSID\\" + std::wstring(text) + L"\\InprocServer32";
  RegKey key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, key.Receive()) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  wchar_t server[1024] = {};
  DWORD bytes = sizeof server - sizeof(wchar_t);
  DWORD type = 0;
  if (RegGetValueW(key.Get(), nullptr, nullptr, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, &type, server,
                   &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring registered = server;
  if (type == REG_EXPAND_SZ) {
    std::wstring expanded;
    for (std::size_t at = 0; at < registered.size();) {
      if (registered[at] != L'%') {
        expanded += registered[at++];
        continue;
      }
      const std::size_t end = registered.find(L'%', at + 1);
      if (end == std::wstring::npos) return std::nullopt;
      const auto folder = SystemFolder(std::wstring_view(registered).substr(at + 1, end - at - 1));
      if (!folder) return std::nullopt;
      expanded += *folder;
      at = end + 1;
    }
    registered = std::move(expanded);
  }
  if (registered.size() > 1 && registered.front() == L'"' && registered.back() == L'"') {
    registered = registered.substr(1, registered.size() - 2);
  }
  if (!FullPath(registered)) return std::nullopt;
  return registered;
}

std::optional<CLSID> RegisteredClass(HKEY key) {
  const auto id = HandlerClass(key);
  return id && ServerPath(*id) ? id : std::nullopt;
}

std::vector<std::wstring> HandlerKeyNames() {
  std::vector<std::wstring> names;
  const RegKey caches = OpenVolumeCaches();
  if (!caches) return names;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256] = {};
    DWORD length = 256;
    const LSTATUS status = RegEnumKeyExW(caches.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status == ERROR_SUCCESS) names.emplace_back(name, length);
  }
  return names;
}

CleanupHandlerResult Failure(const char* what, HRESULT result) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
  std::string text = std::string("Windows' cleanup ") + what + " (" + code;
  const std::string message = SystemMessage(static_cast<std::uint32_t>(result));
  if (!message.empty()) text += ": " + message;
  return {Status::Failed, 0, text + ")"};
}

// What the handler is told while it works: go on, or abort once the caller wants to stop. Reference
// counted as COM asks; detached when the call is over, so a handler that keeps it only hears "abort".
class Progress final : public ComObject<IEmptyVolumeCacheCallBack> {
 public:
  explicit Progress(const platform::KeepGoing& keepGoing) : keepGoing_(&keepGoing) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    return Answer(id, out, {&IID_IEmptyVolumeCacheCallBack});
  }
  HRESULT STDMETHODCALLTYPE ScanProgress(DWORDLONG, DWORD, LPCWSTR) override { return Ask(); }
  HRESULT STDMETHODCALLTYPE PurgeProgress(DWORDLONG freed, DWORDLONG, DWORD, LPCWSTR) override {
    freed_ = freed;
    return Ask();
  }

  void Detach() { keepGoing_ = nullptr; }
  // The last figure the handler gave of what it freed.
  std::optional<std::uint64_t> Freed() const { return freed_; }

 private:
  HRESULT Ask() const {
    if (!keepGoing_) return E_ABORT;
    return !*keepGoing_ || (*keepGoing_)() ? S_OK : E_ABORT;
  }

  const platform::KeepGoing* keepGoing_;
  std::optional<std::uint64_t> freed_;
};

// A handler that was initialised is deactivated on every path out.
class Deactivation {
 public:
  explicit Deactivation(IEmptyVolumeCache& cache) : cache_(cache) {}
  ~Deactivation() {
    DWORD flags = 0;
    cache_.Deactivate(&flags);
  }
  Deactivation(const Deactivation&) = delete;
  Deactivation& operator=(const Deactivation&) = delete;

 private:
  IEmptyVolumeCache& cache_;
};

// What a handler says about itself when it starts.
struct Started {
  HRESULT result = E_FAIL;
  std::wstring displayName;
  std::wstring description;
  DWORD flags = 0;
};

// Initialize (InitializeEx where the handler has it) with the handler's own key, never in settings
// or out-of-disk-space mode; the texts it hands back are copied and freed.
Started Initialize(IEmptyVolumeCache& cache, HKEY key, const std::wstring& volume, const std::wstring& keyName) {
  CoTaskText displayName, description, buttonText;
  Started started;
  ComPtr<IEmptyVolumeCache2> second;
  if (SUCCEEDED(cache.QueryInterface(IID_IEmptyVolumeCache2, reinterpret_cast<void**>(second.GetAddressOf())))) {
    started.result = second->InitializeEx(key, volume.c_str(), keyName.c_str(), displayName.Receive(),
                                          description.Receive(), buttonText.Receive(), &started.flags);
  } else {
    started.result =
        cache.Initialize(key, volume.c_str(), displayName.Receive(), description.Receive(), &started.flags);
  }
  if (displayName) started.displayName = displayName.Get();
  if (description) started.description = description.Get();
  return started;
}

// The handler made from its DLL at the registered full path, loaded with the DLLs it needs from its
// own folder and System32 only (never the program's folder or the current one), through the DLL's
// own class factory. The DLL stays loaded for the rest of the process.
ComPtr<IEmptyVolumeCache> Create(const CLSID& id, HRESULT& result) {
  ComPtr<IEmptyVolumeCache> cache;
  const auto server = ServerPath(id);
  if (!server) {
    result = REGDB_E_CLASSNOTREG;
    return cache;
  }
  const HMODULE module =
      LoadLibraryExW(server->c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module) {
    result = HRESULT_FROM_WIN32(GetLastError());
    return cache;
  }
  using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  const auto getClassObject =
      reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
  if (!getClassObject) {
    result = CO_E_ERRORINDLL;
    return cache;
  }
  ComPtr<IClassFactory> factory;
  result = getClassObject(id, IID_IClassFactory, reinterpret_cast<void**>(factory.GetAddressOf()));
  if (FAILED(result)) return cache;
  result = factory->CreateInstance(nullptr, IID_IEmptyVolumeCache, reinterpret_cast<void**>(cache.GetAddressOf()));
  return cache;
}

CleanupHandlerResult Drive(const std::string& keyName, const std::string& volume, const platform::KeepGoing& keepGoing,
                           bool purge) {
  const ComApartment apartment;
  const RegKey key = OpenHandlerKey(keyName);
  const auto id = key ? RegisteredClass(key.Get()) : std::nullopt;
  if (!id) return {Status::Failed, 0, "Windows' cleanup is not registered for \"" + keyName + "\""};
  HRESULT result = S_OK;
  const ComPtr<IEmptyVolumeCache> cache = Create(*id, result);
  if (FAILED(result)) return Failure("could not be started", result);

  ComPtr<Progress> progress;
  progress.Attach(new Progress(keepGoing));
  CleanupHandlerResult outcome;
  result = Initialize(*cache.Get(), key.Get(), Widen(volume), Widen(keyName)).result;
  if (FAILED(result)) return Failure("could not be initialised", result);
  {
    const Deactivation deactivation(*cache.Get());
    if (result == S_FALSE) {
      outcome = {Status::NothingToClean, 0, {}};
    } else {
      DWORDLONG used = 0;
      result = cache->GetSpaceUsed(&used, progress.Get());
      if (result == E_ABORT) {
        outcome = {Status::Stopped, 0, {}};
      } else if (FAILED(result)) {
        outcome = Failure("could not measure its files", result);
      } else if (!purge || used == 0) {
        outcome = {used == 0 ? Status::NothingToClean : Status::Done, used, {}};
      } else {
        result = cache->Purge(used, progress.Get());
        if (result == E_ABORT) {
          outcome = {Status::Stopped, progress->Freed().value_or(0), {}};
        } else if (FAILED(result)) {
          outcome = Failure("could not delete its files", result);
        } else {
          // A handler that reports no progress freed what it said it used.
          outcome = {Status::Done, progress->Freed().value_or(used), {}};
        }
      }
    }
  }
  progress->Detach();
  return outcome;
}

// Started on the volume with its texts, and measured when `measure` asks or when it hides at 0 bytes;
// `offered` as List decides it.
platform::CleanupHandlerScan ScanHandler(const std::wstring& keyName, const std::wstring& volume,
                                         const platform::KeepGoing& keepGoing, bool measure) {
  platform::CleanupHandlerScan scan;
  const RegKey key = OpenHandlerKey(Narrow(keyName));
  const auto id = key ? RegisteredClass(key.Get()) : std::nullopt;
  if (!id) {
    scan.size = {Status::Failed, 0, "Windows' cleanup is not registered for \"" + Narrow(keyName) + "\""};
    return scan;
  }
  HRESULT result = S_OK;
  const ComPtr<IEmptyVolumeCache> cache = Create(*id, result);
  if (FAILED(result)) {
    scan.size = Failure("could not be started", result);
    return scan;
  }
  const Started started = Initialize(*cache.Get(), key.Get(), volume, keyName);
  if (FAILED(started.result)) {
    scan.size = Failure("could not be initialised", started.result);
    return scan;
  }
  const Deactivation deactivation(*cache.Get());
  if (started.result == S_FALSE) {
    scan.size = {Status::NothingToClean, 0, {}};
    return scan;
  }
  std::wstring name = started.displayName.empty() ? KeyText(key.Get(), L"Display") : started.displayName;
  const std::wstring about = started.description.empty() ? KeyText(key.Get(), L"Description") : started.description;
  if (name.empty()) name = keyName;
  scan.info = {Narrow(keyName), Narrow(name), Narrow(about)};
  scan.offered = true;
  const bool hidesWhenEmpty = (started.flags & EVCF_DONTSHOWIFZERO) != 0;
  if (!measure && !hidesWhenEmpty) return scan;
  ComPtr<Progress> progress;
  progress.Attach(new Progress(keepGoing));
  DWORDLONG used = 0;
  result = cache->GetSpaceUsed(&used, progress.Get());
  progress->Detach();
  if (result == E_ABORT) {
    scan.size = {Status::Stopped, 0, {}};
  } else if (FAILED(result)) {
    scan.size = Failure("could not measure its files", result);
    scan.offered = !hidesWhenEmpty;
  } else {
    scan.size = {used == 0 ? Status::NothingToClean : Status::Done, used, {}};
    scan.offered = !hidesWhenEmpty || used > 0;
  }
  return scan;
}

}  // namespace

bool Win32CleanupHandlers::Registered(const std::string& keyName) {
  const RegKey key = OpenHandlerKey(keyName);
  return key && RegisteredClass(key.Get());
}

std::vector<platform::CleanupHandlerInfo> Win32CleanupHandlers::KeyNames() {
  std::vector<platform::CleanupHandlerInfo> names;
  for (const std::wstring& keyName : HandlerKeyNames()) {
    const RegKey key = OpenHandlerKey(Narrow(keyName));
    if (!key || !RegisteredClass(key.Get())) continue;
    const std::wstring display = KeyText(key.Get(), L"Display");
    names.push_back(
        {Narrow(keyName), Narrow(display.empty() ? keyName : display), Narrow(KeyText(key.Get(), L"Description"))});
  }
  return names;
}

std::vector<platform::CleanupHandlerInfo> Win32CleanupHandlers::List(const std::string& volume,
                                                                     const platform::KeepGoing& keepGoing) {
  const ComApartment apartment;
  std::vector<platform::CleanupHandlerInfo> listed;
  for (const std::wstring& keyName : HandlerKeyNames()) {
    if (keepGoing && !keepGoing()) break;
    auto scan = ScanHandler(keyName, Widen(volume), keepGoing, false);
    if (scan.offered && scan.size.status != Status::Stopped) listed.push_back(std::move(scan.info));
  }
  return listed;
}

platform::CleanupHandlerResult Win32CleanupHandlers::Measure(const std::string& keyName, const std::string& volume,
                                                             const platform::KeepGoing& keepGoing) {
  return Drive(keyName, volume, keepGoing, false);
}

platform::CleanupHandlerScan Win32CleanupHandlers::Scan(const std::string& keyName, const std::string& volume,
                                                        const platform::KeepGoing& keepGoing) {
  const ComApartment apartment;
  return ScanHandler(Widen(keyName), Widen(volume), keepGoing, true);
}

platform::CleanupHandlerResult Win32CleanupHandlers::Purge(const std::string& keyName, const std::string& volume,
                                                           const platform::KeepGoing& keepGoing) {
  return Drive(keyName, volume, keepGoing, true);
}

}  // namespace vantrelle::win32
