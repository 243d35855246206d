// A cleanup handler for the Win32 tests: an in-process COM server that says it uses 1 MiB on any
// volume, reports freeing half of what it is asked to, obeys its progress callbacks' "abort", and
// appends each call it gets to the file named by the "RecordTo" value of its VolumeCaches key.
#include <windows.h>
#include <emptyvc.h>
#include <objbase.h>

#include <atomic>
#include <cstdio>

namespace {

// {A21518E1-C48D-4409-B819-5A09F734A9C4}, as the test registers it.
constexpr CLSID kHandlerClass = {0xa21518e1, 0xc48d, 0x4409, {0xb8, 0x19, 0x5a, 0x09, 0xf7, 0x34, 0xa9, 0xc4}};
std::atomic<long> objectsAlive{0};

class Handler final : public IEmptyVolumeCache2, public IClassFactory {
 public:
  Handler() { ++objectsAlive; }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    *out = nullptr;
    if (IsEqualIID(id, IID_IClassFactory)) *out = static_cast<IClassFactory*>(this);
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IEmptyVolumeCache) ||
        IsEqualIID(id, IID_IEmptyVolumeCache2)) {
      *out = static_cast<IEmptyVolumeCache2*>(this);
    }
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  // As its own class factory: each object made is a new handler.
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID id, void** out) override {
    auto* handler = new Handler();
    const HRESULT result = handler->QueryInterface(id, out);
    handler->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

  HRESULT STDMETHODCALLTYPE Initialize(HKEY key, LPCWSTR volume, LPWSTR* name, LPWSTR* about, DWORD* flags) override {
    return InitializeEx(key, volume, L"", name, about, nullptr, flags);
  }
  HRESULT STDMETHODCALLTYPE InitializeEx(HKEY key, LPCWSTR volume, LPCWSTR keyName, LPWSTR* name, LPWSTR* about,
                                         LPWSTR* button, DWORD* flags) override {
    DWORD bytes = sizeof record_;
    RegGetValueW(key, nullptr, L"RecordTo", RRF_RT_REG_SZ, nullptr, record_, &bytes);
    Record("InitializeEx %ls %ls flags %lu\n", volume, keyName, *flags);
    *name = static_cast<LPWSTR>(CoTaskMemAlloc(sizeof(wchar_t) * 5));  // the caller frees it
    if (*name) wcscpy(*name, L"Test");
    *about = nullptr;
    if (button) *button = nullptr;
    *flags = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetSpaceUsed(DWORDLONG* used, IEmptyVolumeCacheCallBack* progress) override {
    Record("GetSpaceUsed\n");
    *used = 1048576;
    return progress->ScanProgress(*used, EVCCBF_LASTNOTIFICATION, nullptr) == E_ABORT ? E_ABORT : S_OK;
  }
  HRESULT STDMETHODCALLTYPE Purge(DWORDLONG toFree, IEmptyVolumeCacheCallBack* progress) override {
    Record("Purge %llu\n", toFree);
    return progress->PurgeProgress(toFree / 2, toFree, EVCCBF_LASTNOTIFICATION, nullptr) == E_ABORT ? E_ABORT : S_OK;
  }
  HRESULT STDMETHODCALLTYPE ShowProperties(HWND) override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE Deactivate(DWORD* flags) override {
    Record("Deactivate\n");
    *flags = 0;
    return S_OK;
  }

 private:
  ~Handler() { --objectsAlive; }
  template <class... Values>
  void Record(const char* format, Values... values) const {
    FILE* file = record_[0] ? _wfopen(record_, L"ab") : nullptr;
    if (!file) return;
    std::fprintf(file, format, values...);
    std::fclose(file);
  }

  std::atomic<ULONG> references_{1};
  wchar_t record_[MAX_PATH] = {};
};

}  // namespace

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID id, REFIID interfaceId, void** out) {
  if (!IsEqualCLSID(id, kHandlerClass)) return CLASS_E_CLASSNOTAVAILABLE;
  auto* factory = new Handler();
  const HRESULT result = factory->QueryInterface(interfaceId, out);
  factory->Release();
  return result;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return objectsAlive == 0 ? S_OK : S_FALSE; }
