#include <functional>
#include <map>

#include "CleaningWin32Fixture.h"
#include "cleaning/FolderEmptier.h"
#include "cleaning/Paths.h"
#include "cleaning/PreviewWalk.h"
#include "cleaning/WindowsTemp.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Win32Clock.h"

namespace vantrelle::testing {
namespace {

using cleaning::FolderExists;
using cleaning::LongPath;
using cleaning::Outcome;
using cleaning::PathExists;

TEST_F(Win32CleaningTest, ReadOnlyHiddenAndSystemEntriesAreDeletedAndTheFolderStays) {
  const std::string work = root + "\\work";
  MakeFolder(work + "\\sub\\deeper");
  MakeFile(work + "\\plain.txt");
  MakeFile(work + "\\readonly.txt", FILE_ATTRIBUTE_READONLY);
  MakeFile(work + "\\hidden.txt", FILE_ATTRIBUTE_HIDDEN);
  MakeFile(work + "\\system.txt", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
  MakeFile(work + "\\sub\\deeper\\x.dat", FILE_ATTRIBUTE_READONLY);
  SetFileAttributesW(win32::ExtendedPath(work + "\\sub").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);

  cleaning::EmptyFolder(platform, host, work, tally);

  EXPECT_TRUE(Exists(work));
  EXPECT_TRUE(Names(work).empty());
  ASSERT_FALSE(host.statuses.empty());
  EXPECT_EQ(host.statuses.back().rfind("Deleting for files (Windows Temp)..." + work + "\\", 0), 0u);
}

// The person's own folder often lies right below a drive root, where the folder holding it is the root.
TEST_F(Win32CleaningTest, AFolderRightBelowTheDriveRootIsEmptied) {
  const std::string top = "C:\\vantrelle-top-" + std::to_string(GetCurrentProcessId());
  MakeFolder(top + "\\sub");
  MakeFile(top + "\\plain.txt");
  MakeFile(top + "\\sub\\inner.txt");

  const Outcome outcome = OwnFolderOutcome(top);
  const bool plainLeft = Exists(top + "\\plain.txt"), subLeft = Exists(top + "\\sub"), topLeft = Exists(top);
  RemoveTree(top);

  EXPECT_EQ(outcome, Outcome::Emptied);
  EXPECT_FALSE(plainLeft);
  EXPECT_FALSE(subLeft);
  EXPECT_TRUE(topLeft);
}

TEST_F(Win32CleaningTest, AFileHeldOpenWithoutSharingSurvivesWithItsFoldersAndTheRestGoes) {
  const std::string work = root + "\\work";
  MakeFolder(work + "\\one\\two");
  MakeFile(work + "\\one\\two\\locked.dat");
  MakeFile(work + "\\one\\two\\free.dat");
  MakeFile(work + "\\one\\free.dat");
  MakeFile(work + "\\free.dat");
  HANDLE held = CreateFileW(win32::ExtendedPath(work + "\\one\\two\\locked.dat").c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);

  cleaning::EmptyFolder(platform, host, work, tally);
  CloseHandle(held);

  EXPECT_EQ(Names(work), std::vector<std::string>{"one"});
  EXPECT_EQ(Names(work + "\\one"), std::vector<std::string>{"two"});
  EXPECT_EQ(Names(work + "\\one\\two"), std::vector<std::string>{"locked.dat"});
  EXPECT_EQ(tally.left,
            (std::vector<cleaning::LeftEntry>{{work + "\\one\\two\\locked.dat", cleaning::LeftReason::InUse}}));
  EXPECT_EQ(tally.filesDeleted, 3u);
}

// A folder held as a program's current folder is (without the right to delete it) still emptied;
// it stays, as every emptied folder does.
TEST_F(Win32CleaningTest, AFolderHeldAsACurrentFolderIsStillEmptied) {
  const std::string work = root + "\\work";
  MakeFolder(work);
  MakeFile(work + "\\free.dat");
  const win32::FileHandle held(CreateFileW(win32::ExtendedPath(work).c_str(), FILE_LIST_DIRECTORY | SYNCHRONIZE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                           FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  ASSERT_TRUE(static_cast<bool>(held));
  cleaning::EmptyFolder(platform, host, work, tally);
  EXPECT_TRUE(Names(work).empty());
  EXPECT_EQ(tally.filesDeleted, 1u);
}

// The figures come from the files themselves: their sizes, and their times for the age rule.
TEST_F(Win32CleaningTest, SizesAndTimesAreTheRealFilesOwn) {
  const std::string work = root + "\\work";
  MakeFolder(work + "\\sub");
  const auto write = [&](const std::string& path, std::size_t bytes, int hoursAgo) {
    MakeFile(path);
    win32::FileHandle file(CreateFileW(win32::ExtendedPath(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    const std::string data(bytes, 'x');
    DWORD written = 0;
    WriteFile(file.Get(), data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const auto stamp = static_cast<ULONGLONG>(win32::FromFiletime(now) - hoursAgo * platform::kFileTimePerHour);
    const FILETIME then{static_cast<DWORD>(stamp), static_cast<DWORD>(stamp >> 32)};
    SetFileTime(file.Get(), &then, nullptr, &then);
  };
  write(work + "\\old.bin", 70000, 48);
  write(work + "\\sub\\older.bin", 3000, 100);
  write(work + "\\fresh.bin", 500, 1);

  win32::Win32Clock clock;
  cleaning::EmptyFolder(platform, host, work, tally, cleaning::AgeRule::KeepingHours(clock.FileTimeNow(), 24));

  EXPECT_EQ(Names(work), std::vector<std::string>{"fresh.bin"});
  EXPECT_EQ(tally.filesDeleted, 2u);
  EXPECT_EQ(tally.foldersRemoved, 1u);
  EXPECT_EQ(tally.bytesFreed, 73000u);
  EXPECT_EQ(tally.left, (std::vector<cleaning::LeftEntry>{{work + "\\fresh.bin", cleaning::LeftReason::KeptAsRecent}}));
}

TEST_F(Win32CleaningTest, LinksAreNeverFollowedAndTheirTargetsSurvive) {
  const std::string work = root + "\\work";
  const std::string outside = root + "\\outside";
  MakeFolder(outside + "\\inner");
  MakeFolder(root + "\\empty-outside");
  MakeFile(outside + "\\precious.doc");
  MakeFile(outside + "\\inner\\precious2.doc");
  MakeFolder(work + "\\sub");
  MakeFile(work + "\\sub\\junk.tmp");
  Link(work + "\\to-outside", outside);
  Link(work + "\\to-empty", root + "\\empty-outside");
  Link(work + "\\to-file", outside + "\\precious.doc");
  Link(work + "\\sub\\back-to-root", root);  // an ancestor: a naive walker loops
  ASSERT_EQ(GetFileAttributesW(win32::ExtendedPath(work + "\\to-outside").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT,
            static_cast<DWORD>(FILE_ATTRIBUTE_REPARSE_POINT));

  cleaning::EmptyFolder(platform, host, work, tally);

  EXPECT_TRUE(Exists(outside + "\\precious.doc"));
  EXPECT_TRUE(Exists(outside + "\\inner\\precious2.doc"));
  EXPECT_TRUE(Exists(root + "\\empty-outside"));
  EXPECT_FALSE(Exists(work + "\\sub\\junk.tmp"));
  // Wine opens a link as its target, so the links stay (and so does the folder holding one).
  EXPECT_EQ(Names(work + "\\sub"), std::vector<std::string>{"back-to-root"});
}

// A folder named through a link is emptied where the link leads, never through the link itself.
TEST_F(Win32CleaningTest, AFolderNamedByALinkIsEmptiedWhereItLeadsUnlessThatIsProtected) {
  MakeFolder(root + "\\moved");
  MakeFile(root + "\\moved\\junk.tmp");
  Link(root + "\\Temp", root + "\\moved");
  Link(root + "\\Profiles", environment.Get("USERPROFILE") + "\\..");  // the Users folder
  cleaning::EmptyFolder(platform, host, root + "\\Temp", tally);
  EXPECT_TRUE(Exists(root + "\\moved\\junk.tmp"));

  EXPECT_EQ(files.FinalPath(root + "\\Temp"), root + "\\moved");
  EXPECT_EQ(OwnFolderOutcome(root + "\\Temp"), Outcome::Emptied);
  EXPECT_FALSE(Exists(root + "\\moved\\junk.tmp"));
  EXPECT_EQ(OwnFolderOutcome(root + "\\Profiles"), Outcome::Refused);
}

TEST_F(Win32CleaningTest, AFolderWithoutItsDriveIsNeverEmptied) {
  MakeFolder(root + "\\Temp");
  MakeFile(root + "\\Temp\\keep.txt");
  const std::string withoutDrive = root.substr(2) + "\\Temp";  // an unset APPDATA gives such a path
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(L"C:\\");
  ASSERT_TRUE(FolderExists(files, withoutDrive));
  EXPECT_EQ(OwnFolderOutcome(withoutDrive), Outcome::Failed);
  SetCurrentDirectoryW(previous);
  EXPECT_TRUE(Exists(root + "\\Temp\\keep.txt"));
}

TEST_F(Win32CleaningTest, LongPathsForeignScriptsAndNamesOnlyTheLongFormReaches) {
  const std::string work = root + "\\work";
  std::string deep = work;
  while (deep.size() < 400) deep += "\\a-rather-long-folder-name";
  MakeFolder(deep);
  MakeFile(deep + "\\beyond-260.txt");
  const char* names[] = {"Ελληνικά.txt", "Кириллица.txt", "中文文件.txt",  "emoji-😀.txt",
                         "nul",          "con.txt",       "trailing-dot.", "trailing-blank "};
  for (const char* name : names) MakeFile(work + "\\" + name);
  MakeFolder(work + "\\Папка 文件夹");
  MakeFile(work + "\\Папка 文件夹\\inside.txt");
  ASSERT_EQ(Names(work).size(), 1u + std::size(names) + 1u);

  cleaning::EmptyFolder(platform, host, work, tally);

  EXPECT_EQ(Names(work), std::vector<std::string>{});
  EXPECT_TRUE(Exists(work));

  // An own folder whose name ends in a blank, as the browse button writes it, beside one without.
  MakeFolder(root + "\\own \\");
  MakeFolder(root + "\\own");
  MakeFile(root + "\\own \\inside.txt");
  MakeFile(root + "\\own\\keep.txt");
  EXPECT_EQ(OwnFolderOutcome(root + "\\own \\"), Outcome::Emptied);
  EXPECT_EQ(Names(root + "\\own "), std::vector<std::string>{});
  EXPECT_EQ(Names(root + "\\own"), std::vector<std::string>{"keep.txt"});
}

TEST_F(Win32CleaningTest, TheProfileSearchEndsDespiteLinksBackToParents) {
  const std::string users = root + "\\Users";
  MakeFolder(users + "\\bob\\AppData\\Local\\Temp");
  MakeFolder(users + "\\ann\\Local Settings\\Temp");
  MakeFolder(users + "\\NetworkService\\Local Settings\\Temp");
  Link(users + "\\bob\\Application Data", users + "\\bob");
  Link(users + "\\bob\\Local Settings", users + "\\bob\\AppData\\Local");
  Link(users + "\\bob\\AppData\\Local\\Application Data", users + "\\bob\\AppData\\Local");
  Link(users + "\\ann\\Local Settings\\Application Data", users + "\\ann\\Local Settings");

  cleaning::TempFolderList list;
  cleaning::FindTempFolders(platform, host, list, users);

  ASSERT_EQ(list.Count(), 1u);
  EXPECT_EQ(list[0], users + "\\ann\\Local Settings\\Temp");
}

// The search opens each folder as the one its folder listed: a link put in the place of a listed
// folder afterwards is not followed, while a folder left alone lists what it holds.
TEST_F(Win32CleaningTest, AListedFolderOpensOnlyAsItself) {
  MakeFolder(root + "\\parent\\kept\\inner");
  MakeFolder(root + "\\parent\\swapped");
  MakeFolder(root + "\\elsewhere\\secret");
  auto parent = files.Open(root + "\\parent");
  ASSERT_TRUE(parent);
  const auto listed = parent->List();
  const auto entry = [&](const std::string& name) {
    return *std::find_if(listed.begin(), listed.end(), [&](const auto& e) { return e.name == name; });
  };
  ASSERT_EQ(listed.size(), 2u);
  RemoveTree(root + "\\parent\\swapped");
  Link(root + "\\parent\\swapped", root + "\\elsewhere");

  auto kept = parent->OpenListed(entry("kept"));
  ASSERT_TRUE(kept);
  const auto inside = kept->List();
  ASSERT_EQ(inside.size(), 1u);
  EXPECT_EQ(inside[0].name, "inner");
  auto swapped = parent->OpenListed(entry("swapped"));
  EXPECT_TRUE(!swapped || swapped->List().empty()) << "the link's target was listed";
}

// The files below a folder with their sizes, links not entered.
std::map<std::string, std::uint64_t> FilesBelow(platform::FileServices& files, const std::string& folder) {
  std::map<std::string, std::uint64_t> found;
  std::vector<std::string> pending{folder};
  while (!pending.empty()) {
    const std::string at = pending.back();
    pending.pop_back();
    for (const auto& entry : files.List(at)) {
      const std::string path = at + "\\" + entry.name;
      if (platform::IsLinkAttributes(entry.attributes)) continue;
      if ((entry.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        pending.push_back(path);
      } else {
        found[path.substr(folder.size())] = entry.size;
      }
    }
  }
  return found;
}

// Every walk, once it holds a folder, goes on inside it when it is renamed and a link is put at its
// name (at the top or a level below): the link's target, with the same names, stays byte for byte, and
// what the walk counts as deleted is exactly what went.
TEST_F(Win32CleaningTest, AFolderRenamedAndReplacedByALinkDuringAWalkRedirectsNothing) {
  using Run = std::function<void(const std::string& work)>;
  const auto empty = [this](int workers, std::string below) -> Run {
    return [this, workers, below](const std::string& work) {
      platform.cleaningWorkers = workers;
      cleaning::EmptyFolder(platform, host, cleaning::FolderToEmpty(work, below), tally);
    };
  };
  const Run preview = [this](const std::string& work) {
    cleaning::WalkAsEmptied(platform, host, {work}, {}, {}, tally,
                            [&](std::string_view, const platform::DirectoryEntry& entry, cleaning::Fate) {
                              EXPECT_NE(entry.name, "canary-only") << "the preview listed the link's target";
                            });
  };
  const Run search = [this](const std::string& work) {
    cleaning::TempFolderList found;
    cleaning::FindTempFolders(platform, host, found, work);
    for (std::size_t i = 0; i < found.Count(); ++i) EXPECT_EQ(found[i].find("canary-only"), std::string::npos);
  };
  struct Walk {
    const char* name;
    const char* walked;   // below the scratch folder; the walk starts above it where `run` says so
    const char* swapped;  // below the scratch folder
    const char* when;     // the status text that shows the walk holds what gets swapped
    Run run;
    bool deletes;
    // Wine deletes by the name it kept once the handle closes, and only while that name leads to the
    // entry: an entry a worker checked just before the swap and closes after it stays, though counted.
    std::size_t inFlight = 0;
  };
  const Walk walks[] = {
      {"emptying, one worker", "\\work", "\\work", "Deleting", empty(1, ""), true},
      {"emptying, one worker, a level below", "\\work", "\\work\\d1", "\\d1\\", empty(1, ""), true},
      {"emptying, several workers", "\\work", "\\work", "Deleting", empty(4, ""), true, 4},
      {"a machine's pile, reached from its known folder", "\\pile\\queue", "\\pile", "Deleting",
       [&](const std::string& walked) { empty(1, "pile\\queue")(walked.substr(0, walked.size() - 11)); }, true},
      {"the preview", "\\work", "\\work", "", preview, false},
      {"the Windows Temp search", "\\work", "\\work\\d1", "", search, false},
  };
  int round = 0;
  for (const Walk& walk : walks) {
    SCOPED_TRACE(walk.name);
    const std::string scratch = root + "\\" + std::to_string(++round);  // removed with the test's folder
    const std::string walked = scratch + walk.walked, swapped = scratch + walk.swapped, canary = scratch + "\\canary";
    for (const std::string& folder : {walked, canary}) {
      for (int d = 0; d < 30; ++d) {
        const std::string sub = folder + "\\d" + std::to_string(d);
        MakeFolder(sub + "\\Local Settings\\Temp");
        for (int f = 0; f < 8; ++f) MakeFile(sub + "\\f" + std::to_string(f));
      }
    }
    MakeFile(canary + "\\canary-only");
    MakeFolder(canary + "\\d1\\canary-only\\Local Settings\\Temp");
    const auto canaryBefore = FilesBelow(files, canary);
    const std::size_t before = FilesBelow(files, walked).size();
    bool done = false;
    host.onStatus = [&](const std::string& text) {
      if (done || text.find(walk.when) == std::string::npos) return;
      done = true;
      const std::wstring from = UnixPath(swapped);
      RunUnix(L"/bin/sh -c " + Quoted(L"mv " + Quoted(from) + L" " + Quoted(from + L"-renamed") + L" && ln -s " +
                                      Quoted(UnixPath(canary)) + L" " + Quoted(from)));
      const auto linked = [&] { return (GetFileAttributesW(win32::ExtendedPath(swapped).c_str()) & 0x400) != 0; };
      for (int waited = 0; !(Exists(swapped + "-renamed") && linked()) && waited < 5000; waited += 10) Sleep(10);
    };
    tally = {};

    walk.run(walked);

    host.onStatus = nullptr;
    EXPECT_TRUE(done);
    EXPECT_EQ(FilesBelow(files, canary), canaryBefore);
    // What is left of the walked folder, wherever it now lies (a renamed folder inside it stays inside).
    const std::size_t after =
        FilesBelow(files,
                   swapped.size() > walked.size() ? walked : swapped + "-renamed" + walked.substr(swapped.size()))
            .size();
    if (walk.deletes) {
      EXPECT_GE(tally.filesDeleted, before - after);
      EXPECT_LE(tally.filesDeleted, before - after + walk.inFlight) << "counted as deleted: only what went";
      EXPECT_LE(after, tally.left.size() * 8) << "what stays, stays for a reason";
    } else {
      EXPECT_EQ(after, before);
    }
  }
}

TEST_F(Win32CleaningTest, PathServicesAnswerForRealPaths) {
  MakeFolder(root + "\\Some Folder\\Inner");
  EXPECT_EQ(LongPath(files, root + "\\SOME FOLDER\\inner\\"), LongPath(files, root) + "\\Some Folder\\Inner");
  EXPECT_TRUE(FolderExists(files, root + "\\Some Folder"));
  EXPECT_FALSE(FolderExists(files, root + "\\Missing"));
  EXPECT_FALSE(files.Attributes(root + "\\\\Some Folder")) << "a doubled backslash names nothing";
  EXPECT_TRUE(PathExists(files, root + "\\Some Folder\\Inner"));
  const auto drives = files.LogicalDrives();
  ASSERT_FALSE(drives.empty());
  EXPECT_NE(std::find(drives.begin(), drives.end(), "C:\\"), drives.end());
  EXPECT_EQ(files.DriveType("C:\\"), platform::kDriveFixed);
  EXPECT_TRUE(FolderExists(files, files.TempPath()));
}

TEST(ExtendedPath, GivesTheLongFormOfAbsolutePaths) {
  EXPECT_EQ(win32::ExtendedPath("C:\\a\\b."), L"\\\\?\\C:\\a\\b.");
  EXPECT_EQ(win32::ExtendedPath("C:/a/./c/../b"), L"\\\\?\\C:\\a\\b");
  EXPECT_EQ(win32::ExtendedPath("\\\\server\\share\\x"), L"\\\\?\\UNC\\server\\share\\x");
  EXPECT_EQ(win32::ExtendedPath("\\\\?\\C:\\x"), L"\\\\?\\C:\\x");
}

}  // namespace
}  // namespace vantrelle::testing
