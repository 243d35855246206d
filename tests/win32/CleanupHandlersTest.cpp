// Windows' own cleanup handlers driven through the real COM calls: a test handler DLL (built beside
// this program) registered in the throwaway prefix under a VolumeCaches key of its own.
#include <windows.h>
#include <psapi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/win32/IsolatedCleanupHandlers.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32CleanupHandlers.h"

namespace vantrelle::win32 {
namespace {

using Status = platform::CleanupHandlerResult::Status;

constexpr char kKeyName[] = "Vantrelle Test Handler";
constexpr wchar_t kClass[] = L"{A21518E1-C48D-4409-B819-5A09F734A9C4}";
constexpr wchar_t kFirstVersionClass[] = L"{A21518E2-C48D-4409-B819-5A09F734A9C4}";
constexpr wchar_t kPersonalClass[] = L"{A21518E3-C48D-4409-B819-5A09F734A9C4}";
constexpr wchar_t kRelativeClass[] = L"{A21518E4-C48D-4409-B819-5A09F734A9C4}";
constexpr wchar_t kVolumeCaches[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\VolumeCaches\\";
constexpr wchar_t kHandlerKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\VolumeCaches\\Vantrelle Test Handler";

// The test handler under further key names, each behaving as its "Behaviour" value says.
struct TestKey {
  const wchar_t* name;
  const wchar_t* classId;
  const wchar_t* behaviour;
};
constexpr TestKey kMoreKeys[] = {
    {L"Vantrelle Test First Version", kFirstVersionClass, L""},
    {L"Vantrelle Test False", kClass, L"false"},
    {L"Vantrelle Test Empty", kClass, L"hideempty"},
    {L"Vantrelle Test Slow", kClass, L"slow"},
    {L"Vantrelle Test Hang", kClass, L"hang"},
    {L"Vantrelle Test Crash", kClass, L"crash"},
    {L"Vantrelle Test Personal", kPersonalClass, L""},
    {L"Vantrelle Test Relative", kRelativeClass, L""},
};

// Creates the key when needed.
void SetText(const std::wstring& path, const wchar_t* name, const std::wstring& value) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, path.c_str(), name, REG_SZ, value.c_str(),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
}

class CleanupHandlersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t self[MAX_PATH] = {}, temp[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring dll = self;
    dll = dll.substr(0, dll.find_last_of(L'\\') + 1) + L"TestCleanupHandler.dll";
    GetTempPathW(MAX_PATH, temp);
    record_ = std::wstring(temp) + L"vantrelle-handler-" + std::to_wstring(GetCurrentProcessId()) + L".log";
    DeleteFileW(record_.c_str());
    // Wine's COM reads the machine's classes, and every account may write them there.
    for (const wchar_t* id : {kClass, kFirstVersionClass}) {
      const std::wstring server = L"SOFTWARE\\Classes\\CLSID\\" + std::wstring(id) + L"\\InprocServer32";
      SetText(server, nullptr, dll);
      SetText(server, L"ThreadingModel", L"Apartment");
    }
    // A class whose server is named without its folder is refused: the search order would choose.
    const std::wstring relative = L"SOFTWARE\\Classes\\CLSID\\" + std::wstring(kRelativeClass) + L"\\InprocServer32";
    SetText(relative, nullptr, L"TestCleanupHandler.dll");
    // A class only the person registered is never created, though HKEY_CLASSES_ROOT shows it.
    const std::wstring personal = L"Software\\Classes\\CLSID\\" + std::wstring(kPersonalClass) + L"\\InprocServer32";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, personal.c_str(), nullptr, REG_SZ, dll.c_str(),
                              static_cast<DWORD>((dll.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    SetText(kHandlerKey, nullptr, kClass);
    SetText(kHandlerKey, L"RecordTo", record_);
  }
  void TearDown() override {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kHandlerKey);
    for (const TestKey& key : kMoreKeys)
      RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kVolumeCaches + std::wstring(key.name)).c_str());
    for (const wchar_t* id : {kClass, kFirstVersionClass, kRelativeClass}) {
      RegDeleteTreeW(HKEY_LOCAL_MACHINE, (L"SOFTWARE\\Classes\\CLSID\\" + std::wstring(id)).c_str());
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\Classes\\CLSID\\" + std::wstring(kPersonalClass)).c_str());
    DeleteFileW(record_.c_str());
  }
  void RegisterMoreKeys() {
    for (const TestKey& key : kMoreKeys) {
      const std::wstring path = kVolumeCaches + std::wstring(key.name);
      SetText(path, nullptr, key.classId);
      SetText(path, L"Behaviour", key.behaviour);
      SetText(path, L"Display", L"Shown from the key");
      SetText(path, L"Description", L"Described by the key");
    }
  }
  // The copy of the program beside the tests' folder hosts the handlers.
  static std::wstring Program() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\')) + L"\\..\\Vantrelle.exe";
  }
  std::string Calls() {
    std::ifstream file(record_.c_str(), std::ios::binary);
    const std::string calls((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    file.close();
    DeleteFileW(record_.c_str());
    return calls;
  }

  std::wstring record_;
  Win32CleanupHandlers handlers_;
};

TEST_F(CleanupHandlersTest, MeasuresAndPurgesThroughTheRegisteredHandler) {
  EXPECT_FALSE(handlers_.Registered("Vantrelle No Such Handler"));
  ASSERT_TRUE(handlers_.Registered(kKeyName));
  int asked = 0;
  const platform::KeepGoing goOn = [&] { return ++asked > 0; };

  EXPECT_EQ(handlers_.Measure("Vantrelle No Such Handler", "C:\\", goOn).status, Status::Failed);
  auto measured = handlers_.Measure(kKeyName, "C:\\", goOn);
  EXPECT_EQ(measured.status, Status::Done) << measured.error;
  EXPECT_EQ(measured.bytes, 1048576u);
  EXPECT_EQ(Calls(), "InitializeEx C:\\ Vantrelle Test Handler flags 0\nGetSpaceUsed\nDeactivate\n");

  auto purged = handlers_.Purge(kKeyName, "C:\\", goOn);
  EXPECT_EQ(purged.status, Status::Done) << purged.error;
  EXPECT_EQ(purged.bytes, 524288u) << "what the handler reported freeing, not what it was asked to";
  EXPECT_EQ(Calls(), "InitializeEx C:\\ Vantrelle Test Handler flags 0\nGetSpaceUsed\nPurge 1048576\nDeactivate\n");
  EXPECT_EQ(asked, 3) << "every progress report asks whether to go on";

  // A caller that must stop makes the handler abort, and it is still deactivated.
  const auto stopped = handlers_.Purge(kKeyName, "C:\\", [] { return false; });
  EXPECT_EQ(stopped.status, Status::Stopped);
  EXPECT_EQ(Calls(), "InitializeEx C:\\ Vantrelle Test Handler flags 0\nGetSpaceUsed\nDeactivate\n");
}

// Every key is listed that starts and offers something; the texts are the handler's, else the key's.
// Listing runs in the host, as every call that creates a handler does.
TEST_F(CleanupHandlersTest, ListsTheHandlersThatStartAndOfferSomething) {
  RegisterMoreKeys();
  IsolatedCleanupHandlers isolated(Program());
  std::vector<std::string> listed;
  for (const auto& handler : isolated.List("C:\\", [] { return true; })) {
    if (handler.keyName.starts_with("Vantrelle")) {
      listed.push_back(handler.keyName + " / " + handler.displayName + " / " + handler.description);
    }
  }
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::string>{
                        "Vantrelle Test Crash / Test: Vantrelle Test Crash / Described by the key",
                        "Vantrelle Test First Version / Shown from the key / Described by the key",
                        "Vantrelle Test Handler / Test: Vantrelle Test Handler / ",
                        "Vantrelle Test Hang / Test: Vantrelle Test Hang / Described by the key",
                        "Vantrelle Test Slow / Test: Vantrelle Test Slow / Described by the key",
                    }));
  EXPECT_FALSE(handlers_.Registered("Vantrelle Test Personal"));
  EXPECT_FALSE(handlers_.Registered("Vantrelle Test Relative"));
  const auto names = handlers_.KeyNames();
  EXPECT_EQ(
      std::count_if(names.begin(), names.end(), [](const auto& name) { return name.keyName.starts_with("Vantrelle"); }),
      7)
      << "every key of a machine-registered class, nothing created";
}

// A handler that crashes, hangs or is told to stop costs its own call, never the caller.
TEST_F(CleanupHandlersTest, TheHostSurvivesCrashesAndStopsWithinTwoSeconds) {
  RegisterMoreKeys();
  IsolatedCleanupHandlers isolated(Program());
  const auto crashed = isolated.Measure("Vantrelle Test Crash", "C:\\", [] { return true; });
  EXPECT_EQ(crashed.status, Status::NotAnswering);

  const auto purged = isolated.Purge(kKeyName, "C:\\", [] { return true; });
  EXPECT_EQ(purged.status, Status::Done) << purged.error;
  EXPECT_EQ(purged.bytes, 524288u);
  EXPECT_EQ(Calls(), "InitializeEx C:\\ Vantrelle Test Handler flags 0\nGetSpaceUsed\nPurge 1048576\nDeactivate\n");

  for (const char* keyName : {"Vantrelle Test Slow", "Vantrelle Test Hang"}) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    Clock::time_point stopAt = start + std::chrono::milliseconds(500), stopped{};
    const auto result = isolated.Measure(keyName, "C:\\", [&] {
      if (Clock::now() < stopAt) return true;
      if (stopped == Clock::time_point{}) stopped = Clock::now();
      return false;
    });
    EXPECT_EQ(result.status, Status::Stopped) << keyName << ": " << result.error;
    EXPECT_LT(Clock::now() - stopped, std::chrono::milliseconds(2500)) << keyName;
  }
}

}  // namespace
}  // namespace vantrelle::win32

namespace vantrelle::win32 {
namespace {

std::size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  return counters.PrivateUsage;
}

// What a host writes is read as untrusted input: a line of no known form ends it with "answered
// nonsense", a handler's own printing reaches no one, a flood neither stalls the stop nor fills the
// parent's memory. Never a forged result.
TEST_F(CleanupHandlersTest, AHostThatLiesOrFloodsCannotForgeAResult) {
  IsolatedCleanupHandlers isolated(Program());
  const struct {
    const wchar_t* behaviour;
    Status status;
    std::uint64_t bytes;
  } cases[] = {
      {L"garbage", Status::AnsweredNonsense, 0},
      {L"negative", Status::AnsweredNonsense, 0},
      {L"prints", Status::Done, 1048576},
      {L"flood", Status::Done, 1048576},
  };
  for (const auto& c : cases) {
    SetText(kHandlerKey, L"Behaviour", c.behaviour);
    const std::size_t before = PrivateBytes();
    const auto result = isolated.Measure(kKeyName, "C:\\", [] { return true; });
    EXPECT_EQ(result.status, c.status) << Narrow(c.behaviour) << ": " << result.error;
    EXPECT_EQ(result.bytes, c.bytes) << Narrow(c.behaviour);
    EXPECT_LT(PrivateBytes(), before + (4u << 20)) << Narrow(c.behaviour) << ": the parent's memory stays flat";
  }

  // Stopped half a second into the flood (a handler deaf to "abort"): over within 2.5 seconds.
  using Clock = std::chrono::steady_clock;
  const auto stopAt = Clock::now() + std::chrono::milliseconds(500);
  Clock::time_point stopped{};
  const auto result = isolated.Measure(kKeyName, "C:\\", [&] {
    if (Clock::now() < stopAt) return true;
    if (stopped == Clock::time_point{}) stopped = Clock::now();
    return false;
  });
  EXPECT_EQ(result.status, Status::Stopped);
  EXPECT_LT(Clock::now() - stopped, std::chrono::milliseconds(2500));
}

}  // namespace
}  // namespace vantrelle::win32
