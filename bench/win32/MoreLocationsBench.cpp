// How soon the "More locations..." dialog and the "Community cleaners" window list their rows, and how
// well they keep answering while the rows' sizes are measured; the community window's search too.
// Not a test: prints the figures beside their floors and targets.
//
// Windows' cleanups: the test handler DLL registered under 30 key names, the real dialog view over
// MoreLocationsChoice on the real services, the handlers measured in handler hosts (the program beside
// the bench); the floor is the same dialog with no handler registered.
// Community cleaners: the list named as the first argument (else a made-up one of the community
// file's shape) planted as the person's copy, with the DetectFile folders of 200 entries in the
// sandbox's local application data; the real window over CommunityChoice, a few characters typed into
// its search while the sizes are measured, then closed once every row is; again, closed halfway
// through the measuring; the floor is the same window over a list without entries.
// A probe window on the dialog's thread (AnsweringProbe.h) gives every time the thread answered.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwctype>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "../logic/CommunityListShape.h"
#include "AnsweringProbe.h"
#include "PlantedCommunity.h"
#include "base/Texts.h"
#include "community/ListFile.h"
#include "community/Places.h"
#include "platform/SettingsStore.h"
#include "platform/win32/IsolatedCleanupHandlers.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32FileServices.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32MachineState.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32RunningPrograms.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Storage.h"
#include "platform/win32/Win32TextFiles.h"
#include "ui/win32/community/CommunityWindowView.h"
#include "ui/win32/morelocations/MoreLocationsDialogView.h"
#include "window/community/CommunityChoice.h"
#include "window/morelocations/MoreLocationsChoice.h"

namespace {

using namespace vantrelle;
using bench::Clock;
using bench::Gap;
using bench::Ms;

constexpr int kHandlerKeys = 30;
constexpr std::size_t kDetectedEntries = 200;
constexpr std::size_t kTypedCharacters = 8;
constexpr double kListTargetMs = 1000;
constexpr double kGapTargetMs = 50;
constexpr double kKeystrokeTargetMs = 50;
constexpr auto kFirstKeystrokeAfter = std::chrono::milliseconds(200);
constexpr auto kKeystrokeSpacing = std::chrono::milliseconds(100);
constexpr auto kGiveUpAfter = std::chrono::seconds(120);
constexpr auto kIdleFor = std::chrono::seconds(5);
constexpr wchar_t kClass[] = L"{A21518E1-C48D-4409-B819-5A09F734A9C4}";
constexpr wchar_t kVolumeCaches[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\VolumeCaches\\";
const std::wstring kClassKey = L"SOFTWARE\\Classes\\CLSID\\" + std::wstring(kClass);

std::wstring BesideBench(const std::wstring& relative) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring path = self;
  return path.substr(0, path.find_last_of(L'\\') + 1) + relative;
}

std::wstring KeyName(int index) { return L"Vantrelle Bench Handler " + std::to_wstring(index); }

void SetText(const std::wstring& path, const wchar_t* name, const std::wstring& value) {
  RegSetKeyValueW(HKEY_LOCAL_MACHINE, path.c_str(), name, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void RegisterHandlers(const std::wstring& dll) {
  SetText(kClassKey + L"\\InprocServer32", nullptr, dll);
  SetText(kClassKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
  for (int i = 0; i < kHandlerKeys; ++i) SetText(kVolumeCaches + KeyName(i), nullptr, kClass);
}

void UnregisterHandlers() {
  for (int i = 0; i < kHandlerKeys; ++i) RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kVolumeCaches + KeyName(i)).c_str());
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kClassKey.c_str());
}

// Nothing is stored: the bench's ticks must not stay in the sandbox the tests share.
class MemoryStore : public platform::SettingsStore {
 public:
  std::string GetSetting(const std::string&, const std::string&, const std::string&, const std::string& d) override {
    return d;
  }
  void SaveSetting(const std::string&, const std::string&, const std::string&, const std::string&) override {}
};

struct Services {
  win32::Win32Environment environment;
  win32::Win32FileServices files;
  win32::Win32Shell shell;
  win32::Win32Clock clock;
  win32::Win32Locale locale;
  win32::Win32Registry registry;
  win32::Win32TextFiles textFiles;
  win32::Win32Storage storage;
  win32::Win32RunningPrograms runningPrograms;
  win32::Win32MachineState machine;
  win32::IsolatedCleanupHandlers handlers{BesideBench(L"..\\Vantrelle.exe")};
  MemoryStore settings;
  platform::Platform platform{.settings = &settings,
                              .files = &files,
                              .shell = &shell,
                              .registry = &registry,
                              .environment = &environment,
                              .clock = &clock,
                              .locale = &locale,
                              .textFiles = &textFiles,
                              .storage = &storage,
                              .runningPrograms = &runningPrograms,
                              .cleanupHandlers = &handlers,
                              .machine = &machine};
};

// What one opening of a dialog showed, from the click that opens it.
struct Opening {
  Clock::time_point opened{}, made{}, listed{}, measured{}, returned{}, closed{};
  std::size_t rows = 0;
  std::vector<Clock::time_point> answers;       // every probe dispatch: timer ticks and posted messages
  std::vector<Clock::time_point> rowsMeasured;  // when each row's size was seen
  bool timedOut = false;
  double stopMs = 0;  // ending the measuring when the dialog closes
};

// Opens a dialog as the program does (`open`: the model made, then the view shown) and records it
// until it closes.
void Open(bench::AnsweringProbe& probe, Opening& seen, const std::function<void()>& open,
          std::function<void(Clock::time_point)> look) {
  probe.Record(
      seen.answers,
      [&] {
        seen.opened = Clock::now();
        open();
        seen.closed = Clock::now();
      },
      std::move(look));
}

// On each answer: when every row was listed and each row measured; once `finished` (or given up), the
// measuring is ended as closing ends it, timed, and the dialog closes.
void Follow(Opening& seen, Clock::time_point now, HWND dialog, bool everyRowListed, std::size_t measured, bool finished,
            const std::function<void()>& stopMeasuring) {
  if (seen.listed == Clock::time_point{} && everyRowListed) seen.listed = now;
  while (seen.rowsMeasured.size() < measured) seen.rowsMeasured.push_back(now);
  seen.timedOut = now - seen.opened > kGiveUpAfter;
  const bool closing = (seen.listed != Clock::time_point{} && finished) || seen.timedOut;
  if (seen.measured != Clock::time_point{} || !closing) return;
  seen.measured = now;
  const auto stopping = Clock::now();
  stopMeasuring();
  seen.stopMs = Ms(Clock::now() - stopping);
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

// The answers while the rows were measured: the longest gaps, and when each row's size came.
void PrintMeasuring(const Opening& seen, const std::vector<Gap>& gaps) {
  std::printf("  answers while measuring           %zu (timer at %u ms and posted messages)\n",
              static_cast<std::size_t>(
                  std::ranges::count_if(seen.answers, [&](auto t) { return t > seen.listed && t < seen.measured; })),
              bench::AnsweringProbe::kTimerMs);
  std::printf("  the longest gaps (ms, ending ms after listing):");
  for (std::size_t i = 0; i < gaps.size() && i < 8; ++i)
    std::printf(" %.0f@%.0f", gaps[i].ms, Ms(gaps[i].end - seen.listed));
  // At most 30 of them, evenly taken.
  std::printf("\n  rows measured at (ms after listing):");
  const std::size_t step = std::max<std::size_t>(1, seen.rowsMeasured.size() / 30);
  for (std::size_t i = step - 1; i < seen.rowsMeasured.size(); i += step)
    std::printf(" %zu@%.0f", i + 1, Ms(seen.rowsMeasured[i] - seen.listed));
  std::printf("\n");
}

// ---- Windows' cleanups in "More locations..."

void OpenMoreLocations(Services& services, bench::AnsweringProbe& probe, Opening& seen) {
  const std::string measuring = Text(services.locale, TextId::MoreMeasuring);
  MoreLocationsChoice* choice = nullptr;
  Open(
      probe, seen,
      [&] {
        MoreLocationsChoice model(services.platform, {});
        seen.made = Clock::now();
        choice = &model;
        seen.rows = model.windowsCleanups.Rows().size();
        win32::MoreLocationsDialogView view(GetModuleHandleW(nullptr), {});
        view.ShowModal(0, model);
        choice = nullptr;
        seen.returned = Clock::now();
      },
      [&](Clock::time_point now) {
        HWND dialog = bench::DialogOfThisThread();
        if (!dialog || !choice) return;
        const auto& rows = choice->windowsCleanups.Rows();
        const auto items = static_cast<std::size_t>(
            ListView_GetItemCount(GetDlgItem(dialog, win32::MoreLocationsDialogView::kWindowsListId)));
        const auto measured = static_cast<std::size_t>(
            std::ranges::count_if(rows, [&](const WindowsCleanupRow& row) { return row.found != measuring; }));
        // With nothing to measure, the dialog stays open as long as a scan takes, for the floor's gaps.
        const bool finished = measured == rows.size() &&
                              (!rows.empty() || (seen.listed != Clock::time_point{} && now - seen.listed >= kIdleFor));
        Follow(seen, now, dialog, items == rows.size(), measured, finished,
               [&] { choice->windowsCleanups.StopScan(); });
      });
}

bool ReportMoreLocations(const Opening& bare, const Opening& full) {
  const double bareList = Ms(bare.listed - bare.opened), fullList = Ms(full.listed - full.opened);
  const double scanning = Ms(full.measured - full.listed);
  const std::vector<Gap> gaps = bench::GapsBetween(full.answers, full.listed, full.measured);
  const Gap gap = gaps.front(), floor = bench::LongestGap(bare.answers, bare.listed, bare.measured);
  const auto rowsBefore = std::ranges::count_if(full.rowsMeasured, [&](auto t) { return t < gap.end; });
  std::printf("Windows cleanup rows listed: %zu without the test's handlers, %zu with them under %d key names\n",
              bare.rows, full.rows, kHandlerKeys);
  std::printf("Opening to every row listed         %8.1f ms  (target < %.0f ms: %s)\n", fullList, kListTargetMs,
              fullList < kListTargetMs ? "met" : "MISSED");
  std::printf("  the same with no test handler     %8.1f ms; ratio %.2fx\n", bareList,
              bareList > 0 ? fullList / bareList : 0.0);
  std::printf("Scanning the %d handlers            %8.1f ms (%.0f ms a handler host)%s\n", kHandlerKeys, scanning,
              scanning / kHandlerKeys, full.timedOut ? "  GAVE UP before every row was measured" : "");
  std::printf(
      "  longest gap in answering          %8.1f ms  (target < %.0f ms: %s), ended %.0f ms into the scan "
      "with %lld rows measured\n",
      gap.ms, kGapTargetMs, gap.ms < kGapTargetMs ? "met" : "MISSED", Ms(gap.end - full.listed),
      static_cast<long long>(rowsBefore));
  std::printf("  the same dialog idle for %lld s     %8.1f ms; ratio %.2fx\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::seconds>(kIdleFor).count()), floor.ms,
              floor.ms > 0 ? gap.ms / floor.ms : 0.0);
  PrintMeasuring(full, gaps);
  std::printf("Ending the finished scan            %8.1f ms\n", full.stopMs);
  std::printf("Closing with nothing to measure     %8.1f ms (%.1f ms to the dialog's return)\n",
              Ms(bare.closed - bare.measured), Ms(bare.returned - bare.measured));
  std::printf("Closing with the scan done          %8.1f ms\n", Ms(full.closed - full.measured));
  const bool worked = full.rows == bare.rows + kHandlerKeys && !full.timedOut;
  if (!worked) std::fprintf(stderr, "ERROR: the dialog did not list and measure every test handler\n");
  return worked;
}

// ---- The "Community cleaners" window

// One character typed into the search: posted to the box, answered once the box holds it and the
// thread answers the probe again.
struct Keystroke {
  wchar_t character = 0;
  Clock::time_point posted{}, answered{};
  std::size_t shown = 0;  // rows shown after it
  double Ms() const { return bench::Ms(answered - posted); }
};

struct CommunityOpening : Opening {
  std::vector<Keystroke> keystrokes;
  // Closes once half the rows are measured, rather than every one, and types nothing.
  bool closeWhileMeasuring = false;
};

// Types the next character once the last was answered and some time has passed, from a while after
// every row was listed.
void Type(CommunityOpening& seen, HWND search, const CommunityChoice& choice, Clock::time_point now) {
  auto& keys = seen.keystrokes;
  const auto pending = std::ranges::find_if(keys, [](const Keystroke& key) {
    return key.posted != Clock::time_point{} && key.answered == Clock::time_point{};
  });
  if (pending != keys.end()) {
    if (static_cast<std::size_t>(GetWindowTextLengthW(search)) ==
        static_cast<std::size_t>(pending - keys.begin()) + 1) {
      pending->answered = now;
      pending->shown = choice.Shown().size();
    }
    return;
  }
  const auto next = std::ranges::find_if(keys, [](const Keystroke& key) { return key.posted == Clock::time_point{}; });
  if (next == keys.end()) return;
  const auto after =
      next == keys.begin() ? seen.listed + kFirstKeystrokeAfter : std::prev(next)->answered + kKeystrokeSpacing;
  if (now < after) return;
  next->posted = Clock::now();
  PostMessageW(search, WM_CHAR, next->character, 1);
}

// `typed`: the characters to type; "" takes the first ones of the middle row's name.
void OpenCommunity(Services& services, bench::AnsweringProbe& probe, CommunityOpening& seen,
                   const std::wstring& typed) {
  const std::string measuring = Text(services.locale, TextId::MoreMeasuring);
  CommunityChoice* choice = nullptr;
  Open(
      probe, seen,
      [&] {
        CommunityChoice model(services.platform);
        seen.made = Clock::now();
        choice = &model;
        seen.rows = model.Rows().size();
        if (!seen.closeWhileMeasuring) {
          std::wstring word = typed;
          if (word.empty() && !model.Rows().empty())
            word = win32::Widen(model.Rows()[model.Rows().size() / 2].name).substr(0, kTypedCharacters);
          for (const wchar_t c : word)
            seen.keystrokes.push_back({static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c)))});
        }
        win32::CommunityWindowView(GetModuleHandleW(nullptr)).ShowModal(0, model);
        choice = nullptr;
        seen.returned = Clock::now();
      },
      [&](Clock::time_point now) {
        HWND dialog = bench::DialogOfThisThread();
        if (!dialog || !choice) return;
        HWND search = GetDlgItem(dialog, win32::CommunityWindowView::kSearchId);
        const auto items =
            static_cast<std::size_t>(ListView_GetItemCount(GetDlgItem(dialog, win32::CommunityWindowView::kListId)));
        const auto& rows = choice->Rows();
        const bool everyRowListed = items == rows.size() && GetWindowTextLengthW(search) == 0;
        if (seen.listed != Clock::time_point{}) Type(seen, search, *choice, now);
        const auto measured = static_cast<std::size_t>(
            std::ranges::count_if(rows, [&](const CommunityRow& row) { return row.found != measuring; }));
        const bool typed = seen.keystrokes.empty() || seen.keystrokes.back().answered != Clock::time_point{};
        const bool finished =
            seen.closeWhileMeasuring
                ? measured >= rows.size() / 2
                : measured == rows.size() && typed &&
                      (!rows.empty() || (seen.listed != Clock::time_point{} && now - seen.listed >= kIdleFor));
        Follow(seen, now, dialog, everyRowListed, measured, finished, [&] { choice->StopSizes(); });
      });
}

double LongestKeystroke(const CommunityOpening& seen) {
  double longest = 0;
  for (const Keystroke& key : seen.keystrokes) longest = std::max(longest, key.Ms());
  return longest;
}

bool ReportCommunity(const char* listName, std::size_t entries, std::size_t planted, std::size_t files,
                     const CommunityOpening& bare, const CommunityOpening& full, const CommunityOpening& stopped) {
  const double bareList = Ms(bare.listed - bare.opened), fullList = Ms(full.listed - full.opened);
  const double measuring = Ms(full.measured - full.listed);
  const std::vector<Gap> gaps = bench::GapsBetween(full.answers, full.listed, full.measured);
  const Gap floor = bench::LongestGap(bare.answers, bare.listed, bare.measured);
  // The longest gap not spent answering a keystroke: what measuring alone costs the window.
  const auto quiet = std::ranges::find_if(gaps, [&](const Gap& gap) {
    return std::ranges::none_of(full.keystrokes, [&](const Keystroke& key) {
      return gap.end >= key.posted && gap.end <= key.answered + std::chrono::milliseconds(1);
    });
  });
  const double key = LongestKeystroke(full), keyFloor = LongestKeystroke(bare);
  std::printf(
      "\nCommunity cleaners: %s, %zu entries; %zu planted to be found (DetectFile folders), %zu files in "
      "their cleaned folders; %zu rows offered (%zu with a list of no entries)\n",
      listName, entries, planted, files, full.rows, bare.rows);
  std::printf("Opening to every row listed         %8.1f ms  (target < %.0f ms: %s)\n", fullList, kListTargetMs,
              fullList < kListTargetMs ? "met" : "MISSED");
  std::printf("  of which making the model         %8.1f ms (the list read, every entry looked for)\n",
              Ms(full.made - full.opened));
  std::printf("  the same with a list of no entries%8.1f ms; ratio %.2fx\n", bareList,
              bareList > 0 ? fullList / bareList : 0.0);
  std::printf("Keystrokes typed while measuring, each answered in (ms, rows shown):");
  for (const Keystroke& k : full.keystrokes)
    std::printf(" '%lc' %.1f/%zu", static_cast<wint_t>(k.character), k.Ms(), k.shown);
  std::printf("\n  the longest                       %8.1f ms  (target < %.0f ms: %s)\n", key, kKeystrokeTargetMs,
              key < kKeystrokeTargetMs ? "met" : "MISSED");
  std::printf("  the same in the empty window      %8.1f ms; ratio %.2fx\n", keyFloor,
              keyFloor > 0 ? key / keyFloor : 0.0);
  std::printf("Measuring the %zu rows             %8.1f ms (%.1f ms a row)%s\n", full.rows, measuring,
              full.rows ? measuring / static_cast<double>(full.rows) : 0.0,
              full.timedOut ? "  GAVE UP before every row was measured" : "");
  std::printf("  longest gap in answering          %8.1f ms  (target < %.0f ms: %s), ended %.0f ms after listing\n",
              gaps.front().ms, kGapTargetMs, gaps.front().ms < kGapTargetMs ? "met" : "MISSED",
              Ms(gaps.front().end - full.listed));
  if (quiet != gaps.end())
    std::printf("  the longest outside keystrokes    %8.1f ms, ended %.0f ms after listing\n", quiet->ms,
                Ms(quiet->end - full.listed));
  std::printf("  the empty window for %lld s        %8.1f ms; ratio %.2fx\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::seconds>(kIdleFor).count()), floor.ms,
              floor.ms > 0 ? gaps.front().ms / floor.ms : 0.0);
  PrintMeasuring(full, gaps);
  std::printf("Ending the finished measuring       %8.1f ms\n", full.stopMs);
  std::printf("Ending it with %zu of %zu rows measured %6.1f ms\n", stopped.rowsMeasured.size(), stopped.rows,
              stopped.stopMs);
  std::printf("Closing the empty window            %8.1f ms (%.1f ms to the dialog's return)\n",
              Ms(bare.closed - bare.measured), Ms(bare.returned - bare.measured));
  std::printf("Closing with the measuring done     %8.1f ms\n", Ms(full.closed - full.measured));
  const bool worked =
      full.rows >= planted && planted > 0 && !full.timedOut && !stopped.timedOut && bare.rows == 0 &&
      std::ranges::all_of(full.keystrokes, [](const Keystroke& k) { return k.answered != Clock::time_point{}; });
  if (!worked)
    std::fprintf(stderr, "ERROR: the community window did not list, search and measure every planted entry\n");
  return worked;
}

bool RunCommunity(Services& services, bench::AnsweringProbe& probe, const char* listFile) {
  if (services.textFiles.Exists(community::ListBesideProgram(services.platform))) {
    std::fprintf(stderr, "ERROR: a list beside the bench would be read instead of the person's copy\n");
    return false;
  }
  const std::string text = listFile ? bench::FileText(listFile) : bench::GeneratedCommunityList();
  const std::size_t entries = community::ReadList(text).Entries().size();
  if (entries == 0) {
    std::fprintf(stderr, "ERROR: no entry was read from %s\n", listFile ? listFile : "the made-up list");
    return false;
  }
  const std::string listPath = community::PersonsList(services.platform);
  const community::Places places = community::FindPlaces(services.platform);
  const auto& local = places.Of(community::Variable::LocalAppData);
  if (listPath.empty() || local.empty()) {
    std::fprintf(stderr, "ERROR: the sandbox names no local application data\n");
    return false;
  }
  CommunityOpening full, stopped, bare;
  stopped.closeWhileMeasuring = true;
  std::size_t planted = 0, files = 0;
  {
    const bench::PlantedCommunity profile(listPath, text, local.front(), kDetectedEntries);
    planted = profile.entries;
    files = profile.files;
    OpenCommunity(services, probe, full, {});
    OpenCommunity(services, probe, stopped, {});
  }
  std::wstring typed;
  for (const Keystroke& key : full.keystrokes) typed += key.character;
  const bench::PlantedCommunity empty(listPath, "; Version: 000001\n", local.front(), 0);
  OpenCommunity(services, probe, bare, typed);
  return ReportCommunity(listFile ? listFile : "a made-up list", entries, planted, files, bare, full, stopped);
}

}  // namespace

int main(int argc, char** argv) {
  const INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&common);
  const std::wstring dll = BesideBench(L"..\\tests\\TestCleanupHandler.dll");
  if (GetFileAttributesW(dll.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::fprintf(stderr, "ERROR: the test handler DLL is not built beside the tests\n");
    return 1;
  }
  Services services;
  bench::AnsweringProbe probe;

  // The floor: the dialog with none of the test's handlers.
  UnregisterHandlers();
  Opening bare, full;
  OpenMoreLocations(services, probe, bare);
  RegisterHandlers(dll);
  OpenMoreLocations(services, probe, full);
  UnregisterHandlers();
  const bool windows = ReportMoreLocations(bare, full);
  const bool community = RunCommunity(services, probe, argc > 1 ? argv[1] : nullptr);
  return windows && community ? 0 : 1;
}
