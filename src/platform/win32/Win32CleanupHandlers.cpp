#include "platform/win32/Win32CleanupHandlers.h"

#include <windows.h>
#include <emptyvc.h>
#include <objbase.h>
#include <wrl/client.h>

#include <atomic>
#include <cstdio>
#include <optional>

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

RegKey OpenHandlerKey(const std::string& keyName) {
  RegKey key;
  if (keyName.empty() || keyName.find('\\') != std::string::npos) return key;  // a name, never a path
  const std::wstring path = kVolumeCaches + Widen(keyName);
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, key.Receive()) != ERROR_SUCCESS) {
    return RegKey();
  }
  return key;
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

bool InProcessServerKnown(const CLSID& id) {
  wchar_t text[64] = {};
  if (!StringFromGUID2(id, text, 64)) return false;
  const std::wstring path = L"CLSID\\" + std::wstring(text) + L"\\InprocServer32";
  RegKey key;
  return RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
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

// Initialize (InitializeEx where the handler has it) with the handler's own key, never in settings
// or out-of-disk-space mode; the texts it hands back are freed unread.
HRESULT Initialize(IEmptyVolumeCache& cache, HKEY key, const std::wstring& volume, const std::wstring& keyName) {
  CoTaskText displayName, description, buttonText;
  DWORD flags = 0;
  ComPtr<IEmptyVolumeCache2> second;
  if (SUCCEEDED(cache.QueryInterface(IID_IEmptyVolumeCache2, reinterpret_cast<void**>(second.GetAddressOf())))) {
    return second->InitializeEx(key, volume.c_str(), keyName.c_str(), displayName.Receive(), description.Receive(),
                                buttonText.Receive(), &flags);
  }
  return cache.Initialize(key, volume.c_str(), displayName.Receive(), description.Receive(), &flags);
}

CleanupHandlerResult Drive(const std::string& keyName, const std::string& volume, const platform::KeepGoing& keepGoing,
                           bool purge) {
  const ComApartment apartment;
  const RegKey key = OpenHandlerKey(keyName);
  const auto id = key ? HandlerClass(key.Get()) : std::nullopt;
  if (!id) return {Status::Failed, 0, "Windows' cleanup is not registered for \"" + keyName + "\""};
  ComPtr<IEmptyVolumeCache> cache;
  HRESULT result = CoCreateInstance(*id, nullptr, CLSCTX_INPROC_SERVER, IID_IEmptyVolumeCache,
                                    reinterpret_cast<void**>(cache.GetAddressOf()));
  if (FAILED(result)) return Failure("could not be started", result);

  ComPtr<Progress> progress;
  progress.Attach(new Progress(keepGoing));
  CleanupHandlerResult outcome;
  result = Initialize(*cache.Get(), key.Get(), Widen(volume), Widen(keyName));
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

}  // namespace

bool Win32CleanupHandlers::Registered(const std::string& keyName) {
  const RegKey key = OpenHandlerKey(keyName);
  if (!key) return false;
  const auto id = HandlerClass(key.Get());
  return id && InProcessServerKnown(*id);
}

platform::CleanupHandlerResult Win32CleanupHandlers::Measure(const std::string& keyName, const std::string& volume,
                                                             const platform::KeepGoing& keepGoing) {
  return Drive(keyName, volume, keepGoing, false);
}

platform::CleanupHandlerResult Win32CleanupHandlers::Purge(const std::string& keyName, const std::string& volume,
                                                           const platform::KeepGoing& keepGoing) {
  return Drive(keyName, volume, keepGoing, true);
}

}  // namespace vantrelle::win32
