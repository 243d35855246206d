// The further locations on the fakes: generated browser profiles and system caches, the rules that
// leave a browser's cache whole while it runs, and their choices in the store and the window.
#include <map>
#include <set>

#include "CleaningTest.h"
#include "cleaning/Preview.h"
#include "cleaning/RunHistory.h"
#include "commandline/ExitCode.h"
#include "settings/SavedChoices.h"
#include "support/GeneratedTree.h"

namespace vantrelle::testing {
namespace {

using cleaning::Outcome;
constexpr const char* kLocal = "C:\\Users\\bob\\AppData\\Local";
constexpr const char* kRoaming = "C:\\Users\\bob\\AppData\\Roaming";
// clang-format off
const std::vector<std::string> kAllRows = {"ChromeCache", "EdgeCache", "BraveCache", "VivaldiCache", "FirefoxCache",
                                           "InternetCache", "Thumbnails", "ErrorReports", "CrashDumps", "ShaderCache"};
// clang-format on

constexpr const char* kChromium[] = {"Google\\Chrome\\User Data", "Microsoft\\Edge\\User Data",
                                     "BraveSoftware\\Brave-Browser\\User Data", "Vivaldi\\User Data"};
constexpr const char* kFirefoxProfiles[] = {"a1.default", "b2.work", "c3.other"};

class Catalogue : public CleaningTest {
 protected:
  Catalogue() {
    fakes.shell.knownFolders = {{platform::KnownFolder::LocalAppData, kLocal},
                                {platform::KnownFolder::RoamingAppData, kRoaming}};
  }

  // What the table promises may go, written out from the locations' description rather than read from
  // the catalogue: a path below the local folder that a run may delete.
  static bool Disposable(const std::string& below) {
    std::vector<std::string> folders = {"Microsoft\\Windows\\INetCache", "Microsoft\\Windows\\WER\\ReportArchive",
                                        "Microsoft\\Windows\\WER\\ReportQueue", "D3DSCache"};
    for (const char* base : kChromium) {
      for (const char* shared : {"ShaderCache", "GrShaderCache", "GraphiteDawnCache"}) {
        folders.push_back(std::string(base) + "\\" + shared);
      }
      for (const char* profile : {"Default", "Profile 1", "Profile 2"}) {
        for (const char* cache : {"Cache", "Code Cache", "GPUCache"}) {
          folders.push_back(std::string(base) + "\\" + profile + "\\" + cache);
        }
      }
    }
    for (const char* profile : kFirefoxProfiles) {
      for (const char* cache : {"\\cache2", "\\jumpListCache"}) {
        folders.push_back(std::string("Mozilla\\Firefox\\Profiles\\") + profile + cache);
      }
    }
    for (const auto& folder : folders) {
      if (GeneratedTree::IsBelow(below, folder)) return true;
    }
    const std::size_t slash = below.rfind('\\');
    const std::string parent = slash == std::string::npos ? "" : below.substr(0, slash), name = below.substr(slash + 1);
    return (parent == "Microsoft\\Windows\\Explorer" && name.starts_with("thumbcache_")) ||
           (parent == "CrashDumps" && name.ends_with(".dmp"));
  }

  // Every entry below `folder` with its attributes and size, links not entered.
  std::map<std::string, std::pair<std::uint32_t, std::uint64_t>> Walk(const std::string& folder) {
    std::map<std::string, std::pair<std::uint32_t, std::uint64_t>> seen;
    std::vector<std::string> pending{folder};
    while (!pending.empty()) {
      const std::string at = pending.back();
      pending.pop_back();
      for (const auto& entry : fakes.files.List(at)) {
        const std::string path = at + "\\" + entry.name;
        seen[path] = {entry.attributes, entry.size};
        if ((entry.attributes & platform::attribute::kDirectory) && !platform::IsLinkAttributes(entry.attributes)) {
          pending.push_back(path);
        }
      }
    }
    return seen;
  }

  // A cache folder with a few files, a sub-folder and, at times, links out of it to the person's files.
  void FillCache(generated::Random& random, const std::string& folder) {
    fakes.files.AddFolder(folder);
    for (int i = random.Below(4); i >= 0; --i) {
      const std::string file = folder + "\\f_" + std::to_string(i);
      fakes.files.AddFile(file, random.Chance(20) ? platform::attribute::kReadOnly : platform::attribute::kArchive);
      fakes.files.SetSize(file, random.Below(5000));
    }
    if (random.Chance(50)) fakes.files.AddFile(folder + "\\index\\data_0");
    if (random.Chance(40)) fakes.files.AddLink(folder + "\\to-documents", "C:\\Users\\bob\\Documents");
    if (random.Chance(40)) fakes.files.AddLink(folder + "\\to-letter", "C:\\Users\\bob\\Documents\\letter.doc");
  }

  void Keep(const std::string& path) { fakes.files.AddFile(path), fakes.files.SetSize(path, 77); }

  void Clear() {
    for (const char* folder : {kLocal, kRoaming, "C:\\Users\\bob\\Documents"}) {
      if (fakes.files.Exists(folder)) fakes.files.Remove(folder);
    }
  }

  void Generate(std::uint32_t seed) {
    generated::Random random(seed);
    Keep("C:\\Users\\bob\\Documents\\letter.doc");
    fakes.files.AddFile("C:\\Users\\bob\\Documents\\inside\\note.txt");
    const std::string local = std::string(kLocal) + "\\";
    for (const char* base : kChromium) {
      const std::string root = local + base;
      for (const char* profile : {"Default", "Profile 1", "Profile 2"}) {
        const std::string folder = root + "\\" + profile;
        Keep(folder + "\\Preferences");
        for (const char* kept :
             {"Cookies", "Login Data", "History", "Network\\Cookies", "Local Storage\\leveldb\\1.log", "IndexedDB\\x",
              "Service Worker\\CacheStorage\\y", "Sessions\\Tabs_1"}) {
          Keep(folder + "\\" + kept);
        }
        for (const char* cache : {"Cache\\Cache_Data", "Code Cache", "GPUCache"})
          FillCache(random, folder + "\\" + cache);
      }
      // Not a profile (no Preferences): what it holds stays, even under a cache's name.
      FillCache(random, root + "\\Crashpad\\Cache");
      Keep(root + "\\Local State");
      for (const char* cache : {"ShaderCache", "GrShaderCache", "GraphiteDawnCache"})
        FillCache(random, root + "\\" + cache);
    }
    for (const char* profile : kFirefoxProfiles) {
      const std::string folder = local + "Mozilla\\Firefox\\Profiles\\" + profile;
      for (const char* cache : {"\\cache2", "\\jumpListCache"}) FillCache(random, folder + cache);
      Keep(folder + "\\startupCache\\scriptCache.bin");
      Keep(std::string(kRoaming) + "\\Mozilla\\Firefox\\Profiles\\" + profile + "\\logins.json");
    }
    for (const char* cache : {"Microsoft\\Windows\\INetCache", "Microsoft\\Windows\\WER\\ReportArchive",
                              "Microsoft\\Windows\\WER\\ReportQueue", "D3DSCache"}) {
      FillCache(random, local + cache);
    }
    for (const char* kept :
         {"Microsoft\\Windows\\WebCache\\WebCacheV01.dat", "Microsoft\\Windows\\INetCookies\\c.txt",
          "Microsoft\\Windows\\Explorer\\iconcache_16.db", "Microsoft\\Windows\\Explorer\\thumbcache_16.db",
          "Microsoft\\Windows\\Explorer\\thumbcache_idx.db", "Microsoft\\Windows\\WER\\Temp\\w.txt",
          "CrashDumps\\app.exe.1.dmp", "CrashDumps\\readme.txt", "CrashDumps\\old\\x.dmp"}) {
      Keep(local + kept);
    }
  }
};

TEST_F(Catalogue, EveryCacheIsEmptiedAndNothingElseChanges) {
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    Generate(seed);
    const auto before = Walk("C:\\Users");
    const auto result = Run({.more = kAllRows});
    const auto after = Walk("C:\\Users");
    for (const auto& [path, state] : before) {
      const std::string below =
          GeneratedTree::IsBelow(path, kLocal) ? path.substr(std::string(kLocal).size() + 1) : std::string();
      if (Disposable(below)) {
        EXPECT_FALSE(after.contains(path)) << "seed " << seed << ": stayed " << path;
      } else {
        EXPECT_TRUE(after.contains(path) && after.at(path) == state) << "seed " << seed << ": changed " << path;
      }
    }
    // The further locations come last, after the fixed ones.
    ASSERT_GT(result.locations.size(), kAllRows.size());
    const std::size_t first = result.locations.size() - kAllRows.size();
    EXPECT_NE(result.locations[first - 1].location, cleaning::Location::More);
    for (std::size_t i = 0; i < kAllRows.size(); ++i) {
      EXPECT_EQ(result.locations[first + i].moreId, kAllRows[i]);
      EXPECT_EQ(result.locations[first + i].outcome, Outcome::Emptied) << kAllRows[i];
    }
    Clear();  // the next seed on a clean machine
  }
}

// When a browser's cache is left whole, and how the run tells it.
TEST_F(Catalogue, ARunningBrowserLeavesItsCacheWhole) {
  const std::string local = std::string(kLocal) + "\\",
                    firefox = std::string(kRoaming) + "\\Mozilla\\Firefox\\Profiles\\";
  struct Case {
    std::set<std::string> running, held, skipped;  // skipped: the rows left whole
  };
  const Case cases[] = {
      {{"chrome.exe"}, {}, {"ChromeCache"}},
      {{"msedgewebview2.exe"}, {}, {}},
      {{"msedge.exe", "brave.exe", "vivaldi.exe"}, {}, {"EdgeCache", "BraveCache", "VivaldiCache"}},
      {{}, {local + kChromium[0] + "\\lockfile", local + kChromium[1] + "\\lockfile"}, {"ChromeCache", "EdgeCache"}},
      {{}, {firefox + "b2.work\\parent.lock"}, {"FirefoxCache"}},
      {{}, {firefox + "zz.gone\\parent.lock"}, {}},  // a lock of a profile that has no local folder
      {{"firefox.exe", "explorer.exe"}, {}, {"FirefoxCache"}},
  };
  for (const Case& c : cases) {
    Clear();
    Generate(7);
    fakes.runningPrograms.running = c.running;
    fakes.runningPrograms.held = c.held;
    const auto result = Run({.more = kAllRows, .trigger = cleaning::Trigger::CommandLine});
    for (const auto& location : result.locations) {
      if (location.location != cleaning::Location::More) continue;
      const bool skipped = c.skipped.contains(location.moreId);
      EXPECT_EQ(location.outcome, skipped ? Outcome::Skipped : Outcome::Emptied) << location.moreId;
      EXPECT_EQ(location.tally.filesDeleted == 0, skipped) << location.moreId;
    }
    EXPECT_EQ(commandline::ExitCodeOf(result),
              c.skipped.empty() ? commandline::ExitCode::Done : commandline::ExitCode::EntriesLeft);
  }
  const std::string history = cleaning::HistoryBlock(fakes.locale, Run({.more = {"FirefoxCache"}}));
  EXPECT_NE(history.find("  Firefox cache: skipped, Firefox is running\r\n"), std::string::npos) << history;
}

TEST_F(Catalogue, AMissingFolderIsNothingFoundAndTheLinesReadNaturally) {
  Keep(std::string(kLocal) + "\\CrashDumps\\one.dmp");
  fakes.shell.knownFolders.erase(platform::KnownFolder::RoamingAppData);
  const auto result = Run({.more = {"ShaderCache", "CrashDumps", "FirefoxCache"}});
  EXPECT_EQ(cleaning::HistoryBlock(fakes.locale, result).substr(41),
            "  Firefox cache: nothing found\r\n"
            "  Crash dumps: 1 file deleted, 0 folders removed, 77 bytes freed, 0 left\r\n"
            "  DirectX shader cache: nothing found\r\n\r\n");
}

// Where Windows' own handler is registered it cleans its row instead of the files, and its figure or
// failure is the row's line; elsewhere the files go as listed.
TEST_F(Catalogue, WindowsOwnCleanupHandlersTakeOverTheirRows) {
  using Handler = fake::FakeCleanupHandlers::Handler;
  const std::string thumbnails = std::string(kLocal) + "\\Microsoft\\Windows\\Explorer\\thumbcache_16.db";
  struct Case {
    std::map<std::string, Handler> handlers;
    std::string runLine, previewLine;
  };
  const Case cases[] = {
      {{}, "1 file deleted, 0 folders removed, 77 bytes freed, 0 left", "1 file, 77 bytes"},
      {{{"D3D Shader Cache", {4096, ""}}},
       "1 file deleted, 0 folders removed, 77 bytes freed, 0 left",
       "1 file, 77 bytes"},
      {{{"Thumbnail Cache", {1536, ""}}},
       "1.50 KB freed by Windows' cleanup",
       "1.50 KB to be freed by Windows' cleanup"},
      {{{"Thumbnail Cache", {0, ""}}}, "nothing found", "nothing found"},
      {{{"Thumbnail Cache", {0, "Windows' cleanup could not be started (0x80040154)"}}},
       "failed: Windows' cleanup could not be started (0x80040154)",
       "failed: Windows' cleanup could not be started (0x80040154)"},
  };
  for (const Case& c : cases) {
    Clear();
    Keep(thumbnails);
    fakes.cleanupHandlers.handlers = c.handlers;
    const cleaning::Choices choices{.more = {"Thumbnails"}};
    const auto preview = cleaning::Preview(fakes.platform, host).Walk(choices);
    EXPECT_EQ(cleaning::PreviewText(fakes.locale, preview).substr(0, 13 + c.previewLine.size()),
              "Thumbnails: " + c.previewLine + "\n");
    const auto result = Run(choices);
    EXPECT_EQ(cleaning::HistoryBlock(fakes.locale, result).substr(41), "  Thumbnails: " + c.runLine + "\r\n\r\n");
    const bool byHandler = c.handlers.contains("Thumbnail Cache");
    EXPECT_EQ(fakes.files.Exists(thumbnails), byHandler) << c.runLine;
  }
  EXPECT_EQ(fakes.cleanupHandlers.volumeAsked, "C:\\");
}

// "More.<Id>" as stored: only "1" chooses, names no row has are never read, none is chosen at first.
TEST_F(Catalogue, StoredChoicesAndTheWindowsDialog) {
  EXPECT_TRUE(settings::SavedChoices(fakes.platform).more.empty());
  for (const auto& [value, chosen] : std::map<std::string, bool>{
           {"1", true}, {"0", false}, {" 1", false}, {"2", false}, {"True", false}, {"", false}}) {
    fakes.settings.values[{"Marrowick", "Vantrelle", "More.Thumbnails"}] = value;
    fakes.settings.values[{"Marrowick", "Vantrelle", "More.Unknown"}] = "1";
    EXPECT_EQ(settings::SavedChoices(fakes.platform).more,
              chosen ? std::vector<std::string>{"Thumbnails"} : std::vector<std::string>{})
        << value;
  }

  struct TickingDialog : MoreLocationsDialog {
    void ShowModal(platform::WindowHandle, MoreLocationsChoice& choice) override {
      EXPECT_EQ(choice.Items().size(), kAllRows.size());
      for (auto [row, chosen] : {std::pair{0, true}, {8, true}, {6, false}}) choice.Set(row, chosen);
    }
  } dialog;
  fakes.settings.values[{"Marrowick", "Vantrelle", "More.Thumbnails"}] = "1";
  form.SetMoreLocationsDialog(&dialog);
  form.Load();
  EXPECT_EQ(form.optionsPanel.moreLine.Caption(), "More locations: 1 chosen");
  form.optionsPanel.moreButton.Click();
  EXPECT_EQ(Stored("More.ChromeCache") + Stored("More.CrashDumps") + Stored("More.Thumbnails"), "110");
  EXPECT_EQ(form.optionsPanel.moreLine.Caption(), "More locations: 2 chosen");
  fakes.files.AddFile(std::string(kLocal) + "\\CrashDumps\\one.dmp");
  form.statusPanel.deleteNowButton.Click();
  EXPECT_FALSE(fakes.files.Exists(std::string(kLocal) + "\\CrashDumps\\one.dmp"));
  EXPECT_NE(form.optionsPanel.lastRunLine.Caption().find(": 1 file deleted, 0 bytes freed, 0 left"), std::string::npos);
}

}  // namespace
}  // namespace vantrelle::testing
