// A cleanup handler for the Win32 tests: an in-process COM server that says it uses 1 MiB on any
// volume, reports freeing half of what it is asked to, obeys its progress callbacks' "abort", and
// appends each call it gets to the file named by the "RecordTo" value of its VolumeCaches key.
// Its key's "Behaviour" value makes it misbehave: "false" starts with S_FALSE, "hideempty" asks to be
// hidden when empty and is, "slow" scans for a minute asking to go on every 20 ms, "hang" sleeps a
// minute asking nothing, "crash" writes through a null pointer (an unhandled access violation).
// Hostile ones, in GetSpaceUsed before it answers as usual, writing straight onto its host's
// answering pipe (the last number of the host's command line): "flood" well-formed "alive" lines
// without pause for 4 seconds, deaf to any stop; "garbage" "done<TAB>x"; "negative" a "done" line
// with a size of -1; and "prints" a well-formed made-up result to its standard output. A second class has no
// IEmptyVolumeCache2 and gives no texts, so the key's "Display" and "Description" are shown.
#include <windows.h>
#include <emptyvc.h>
#include <objbase.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

// {A21518E1-C48D-4409-B819-5A09F734A9C4} and {A21518E2-...}, as the test registers them.
constexpr CLSID kHandlerClass = {0xa21518e1, 0xc48d, 0x4409, {0xb8, 0x19, 0x5a, 0x09, 0xf7, 0x34, 0xa9, 0xc4}};
constexpr CLSID kFirstVersionClass = {0xa21518e2, 0xc48d, 0x4409, {0xb8, 0x19, 0x5a, 0x09, 0xf7, 0x34, 0xa9, 0xc4}};
std::atomic<long> objectsAlive{0};

class Handler final : public IEmptyVolumeCache2, public IClassFactory {
 public:
  explicit Handler(bool second) : second_(second) { ++objectsAlive; }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    *out = nullptr;
    if (IsEqualIID(id, IID_IClassFactory)) *out = static_cast<IClassFactory*>(this);
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IEmptyVolumeCache) ||
        (second_ && IsEqualIID(id, IID_IEmptyVolumeCache2))) {
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
    auto* handler = new Handler(second_);
    const HRESULT result = handler->QueryInterface(id, out);
    handler->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

  HRESULT STDMETHODCALLTYPE Initialize(HKEY key, LPCWSTR volume, LPWSTR* name, LPWSTR* about, DWORD* flags) override {
    ReadKey(key);
    Record("Initialize %ls flags %lu\n", volume, *flags);
    *name = nullptr;
    *about = nullptr;
    return Started(flags);
  }
  HRESULT STDMETHODCALLTYPE InitializeEx(HKEY key, LPCWSTR volume, LPCWSTR keyName, LPWSTR* name, LPWSTR* about,
                                         LPWSTR* button, DWORD* flags) override {
    ReadKey(key);
    Record("InitializeEx %ls %ls flags %lu\n", volume, keyName, *flags);
    const size_t length = wcslen(keyName) + 7;
    *name = static_cast<LPWSTR>(CoTaskMemAlloc(sizeof(wchar_t) * length));  // the caller frees it
    if (*name) swprintf(*name, length, L"Test: %ls", keyName);
    *about = nullptr;
    if (button) *button = nullptr;
    return Started(flags);
  }
  HRESULT STDMETHODCALLTYPE GetSpaceUsed(DWORDLONG* used, IEmptyVolumeCacheCallBack* progress) override {
    Record("GetSpaceUsed\n");
    *used = Is(L"hideempty") ? 0 : 1048576;
    if (Is(L"crash")) *static_cast<volatile int*>(nullptr) = 1;
    if (Is(L"garbage")) WriteTo(HostAnswerPipe(), "done\tx\n");
    if (Is(L"negative")) WriteTo(HostAnswerPipe(), "done\t0\t-1\t\n");
    if (Is(L"prints")) {
      WriteTo(GetStdHandle(STD_OUTPUT_HANDLE), "done\t0\t987654321\t\n");
      std::printf("done\t0\t987654321\t\n");
      std::fflush(stdout);
    }
    if (Is(L"flood")) {
      static char lines[64 * 1024];
      for (std::size_t at = 0; at + 6 <= sizeof lines; at += 6) std::memcpy(lines + at, "alive\n", 6);
      DWORD written = 0;
      for (const ULONGLONG until = GetTickCount64() + 4000; GetTickCount64() < until;) {
        WriteFile(HostAnswerPipe(), lines, sizeof lines - sizeof lines % 6, &written, nullptr);
      }
    }
    if (Is(L"hang")) Sleep(60000);
    for (int waited = 0; Is(L"slow") && waited < 60000; waited += 20) {
      if (progress->ScanProgress(0, 0, nullptr) == E_ABORT) return E_ABORT;
      Sleep(20);
    }
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
  void ReadKey(HKEY key) {
    DWORD bytes = sizeof record_;
    RegGetValueW(key, nullptr, L"RecordTo", RRF_RT_REG_SZ, nullptr, record_, &bytes);
    bytes = sizeof behaviour_;
    RegGetValueW(key, nullptr, L"Behaviour", RRF_RT_REG_SZ, nullptr, behaviour_, &bytes);
  }
  bool Is(const wchar_t* behaviour) const { return wcscmp(behaviour_, behaviour) == 0; }
  // The pipe the host answers its parent on: the last word of its command line.
  static HANDLE HostAnswerPipe() {
    const wchar_t* line = GetCommandLineW();
    const wchar_t* last = wcsrchr(line, L' ');
    return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(_wcstoui64(last ? last + 1 : line, nullptr, 10)));
  }
  static void WriteTo(HANDLE handle, const char* text) {
    DWORD written = 0;
    WriteFile(handle, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
  }
  HRESULT Started(DWORD* flags) const {
    *flags = Is(L"hideempty") ? EVCF_DONTSHOWIFZERO : 0;
    return Is(L"false") ? S_FALSE : S_OK;
  }
  template <class... Values>
  void Record(const char* format, Values... values) const {
    FILE* file = record_[0] ? _wfopen(record_, L"ab") : nullptr;
    if (!file) return;
    std::fprintf(file, format, values...);
    std::fclose(file);
  }

  std::atomic<ULONG> references_{1};
  bool second_;
  wchar_t record_[MAX_PATH] = {};
  wchar_t behaviour_[32] = {};
};

}  // namespace

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID id, REFIID interfaceId, void** out) {
  const bool second = IsEqualCLSID(id, kHandlerClass);
  if (!second && !IsEqualCLSID(id, kFirstVersionClass)) return CLASS_E_CLASSNOTAVAILABLE;
  auto* factory = new Handler(second);
  const HRESULT result = factory->QueryInterface(interfaceId, out);
  factory->Release();
  return result;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return objectsAlive == 0 ? S_OK : S_FALSE; }
