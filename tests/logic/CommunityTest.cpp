// The community's list on a planted profile of the fakes: where its variables lead, which entries
// are found on this computer, and what /community says.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <set>
#include <thread>

#include "CleaningTest.h"
#include "cleaning/Preview.h"
#include "cleaning/RunHistory.h"
#include "commandline/Commands.h"
#include "commandline/ExitCode.h"
#include "community/Detection.h"
#include "community/ListFile.h"
#include "settings/CommunityChoices.h"
#include "settings/CommunitySource.h"
#include "settings/PolicyTable.h"
#include "settings/SavedChoices.h"
#include "window/community/CommunityChoice.h"

namespace vantrelle::testing {
namespace {

using platform::KnownFolder;

constexpr const char* kLocal = "C:\\Users\\bob\\AppData\\Local";
constexpr const char* kRoaming = "C:\\Users\\bob\\AppData\\Roaming";
constexpr const char* kBeside = "C:\\Program Files\\Vantrelle\\winapp2.ini";
constexpr const char* kPersons = "C:\\Users\\bob\\AppData\\Local\\Vantrelle\\winapp2.ini";

class Community : public CleaningTest {
 protected:
  Community() {
    fakes.shell.knownFolders = {{KnownFolder::LocalAppData, kLocal},
                                {KnownFolder::RoamingAppData, kRoaming},
                                {KnownFolder::Profile, "C:\\Users\\bob"},
                                {KnownFolder::Desktop, "C:\\Users\\bob\\Desktop"},
                                {KnownFolder::Documents, "D:\\Bob's papers"},
                                {KnownFolder::ProgramFiles, "C:\\Program Files"},
                                {KnownFolder::ProgramFilesX86, "C:\\Program Files (x86)"},
                                {KnownFolder::ProgramData, "C:\\ProgramData"},
                                {KnownFolder::Windows, "C:\\Windows"}};
    for (const char* folder : {kLocal, kRoaming, "C:\\Program Files", "C:\\Program Files (x86)", "C:\\ProgramData"}) {
      fakes.files.AddFolder(folder);
    }
  }

  std::set<std::string> Found(const std::string& text) {
    const community::List list = community::ReadList(text);
    const community::Places places = community::FindPlaces(fakes.platform);
    community::Detector detector(fakes.platform, places);
    std::set<std::string> found;
    for (const community::Entry& entry : list.Entries()) {
      if (detector.Detected(list, entry)) found.emplace(entry.name);
    }
    return found;
  }
};

TEST_F(Community, AnEntryIsFoundByAnyOfItsKeysThroughTheKnownFoldersAndNeverThroughALink) {
  fakes.registry.AddKey(platform::RegistryRoot::CurrentUser, "Software\\Person");
  fakes.registry.AddKey(platform::RegistryRoot::LocalMachine, "Software\\WOW6432Node\\Old Vendor");
  fakes.registry.AddKey(platform::RegistryRoot::LocalMachine, "Software\\Classes\\.foo");
  fakes.files.AddFile(std::string(kRoaming) + "\\Plain\\plain.exe");
  fakes.files.AddFolder(std::string(kLocal) + "\\BraveSoftware\\Brave-Browser");
  fakes.files.AddFolder("C:\\Program Files (x86)\\Old App");
  fakes.files.AddFolder(std::string(kLocal) + "\\Packages\\SpotifyAB.Music_zpdnekdrzrea0\\LocalState");
  fakes.files.AddFolder("C:\\Elsewhere\\inner");
  fakes.files.AddFile("C:\\Elsewhere\\inner\\x.dat");
  fakes.files.AddLink(std::string(kLocal) + "\\Linked", "C:\\Elsewhere");
  fakes.files.AddFolder(std::string(kLocal) + "\\Chat\\bob");
  fakes.files.AddFolder(std::string(kLocal) + "\\Google\\Chrome\\User Data");
  fakes.machine.version = platform::WindowsVersion{10, 0};
  EXPECT_EQ(
      Found("[Person *]\nDetect=HKCU\\Software\\Person\n"
            "[Machine 32-bit *]\nDetect1=HKCU\\Software\\Absent\nDetect2=HKLM\\Software\\Old Vendor\n"
            "[Classes *]\nDetect=HKCR\\.foo\n"
            "[Absent *]\nDetect=HKCU\\Software\\Absent\nDetectFile=%AppData%\\Absent\n"
            "[Plain file *]\nDetectFile=%AppData%\\Plain\\PLAIN.EXE\n"
            "[Pattern *]\nDetectFile=%LocalAppData%\\Brave*\n"
            "[Program Files 32-bit *]\nDetectFile=%ProgramFiles%\\Old App\n"
            "[Pattern below *]\nDetectFile=%LocalAppData%\\Packages\\*Spotify*\\LocalState\n"
            "[Through a link *]\nDetectFile=%LocalAppData%\\Linked\\*\\x.dat\n"
            "[User name *]\nDetectFile=%LocalAppData%\\Chat\\%UserName%\n"
            "[Browser *]\nSpecialDetect=DET_CHROME\n"
            "[Other browser *]\nSpecialDetect=DET_OPERA\n"
            "[Unknown folder *]\nDetectFile=%LocalLowAppData%\\Anything\n"
            "[Older Windows *]\nDetectOS=|6.3\n"
            "[Newer Windows *]\nDetectOS=10.0|\n"
            "[Older Windows, program there *]\nDetectOS=5.1|6.1\nDetect=HKCU\\Software\\Person\n"
            "[Nothing to detect by *]\nFileKey1=%LocalAppData%\\X|*\n"),
      (std::set<std::string>{"Person", "Machine 32-bit", "Classes", "Plain file", "Pattern", "Program Files 32-bit",
                             "Pattern below", "User name", "Browser", "Newer Windows", "Nothing to detect by"}));
}

TEST_F(Community, TheListBesideTheProgramComesFirstAndWithoutOneThereIsNone) {
  EXPECT_EQ(community::LoadList(fakes.platform, {}).path, "");
  const auto community = commandline::Execute(commandline::Command::Community, fakes.platform, "1.2.3");
  EXPECT_EQ(community.exitCode, commandline::ExitCode::Failed);
  EXPECT_EQ(community.output, "No community cleaning list was found: put winapp2.ini beside the program (" +
                                  std::string(kBeside) + ") or in " + kPersons + ".\n");
  fakes.textFiles.files[ToLower(kPersons)] = "[Person's *]\nFileKey1=%LocalAppData%\\P|*\n";
  EXPECT_EQ(community::LoadList(fakes.platform, {}).list->Entries()[0].name, "Person's");
  fakes.textFiles.files[ToLower(kBeside)] = "[Administrator's *]\nFileKey1=%LocalAppData%\\A|*\n";
  EXPECT_EQ(community::LoadList(fakes.platform, {}).list->Entries()[0].name, "Administrator's");
  fakes.textFiles.unreadable.insert(ToLower(kBeside));
  const auto unreadable = commandline::Execute(commandline::Command::Community, fakes.platform, "1.2.3");
  EXPECT_EQ(unreadable.exitCode, commandline::ExitCode::Failed);
  EXPECT_EQ(unreadable.output, "The community cleaning list could not be read: " + std::string(kBeside) + "\n");
}

// The values as the effective store gives them (a policy's arrive so, PolicyTest), and the copy beside
// the program: what the person may download from where, and the line telling why not.
TEST_F(Community, TheSourceFollowsTheSettingsAndTheCopyBesideTheProgram) {
  using settings::DownloadBar;
  const std::string shared = "\\\\files\\it\\winapp2.ini", mirror = "http://mirror.corp/w.ini",
                    canonical = settings::kCommunityListAddress;
  struct Case {
    const char *cleaners, *download, *file, *address;
    bool beside;
    DownloadBar bar;
    std::string wantFile, wantAddress, line;  // the source's file, address and line
  } cases[] = {
      {"1", "1", "", "", false, DownloadBar::None, "", canonical, ""},
      {"1", "1", "winapp2.ini", mirror.c_str(), false, DownloadBar::None, "", mirror, ""},
      {"1", "1", "", "file://C:/winapp2.ini", false, DownloadBar::None, "", canonical, ""},
      {"0", "1", shared.c_str(), "", true, DownloadBar::Off, shared, canonical,
       "Community cleaners are switched off by your administrator."},
      {"1", "0", shared.c_str(), mirror.c_str(), true, DownloadBar::FileNamed, shared, mirror,
       "The list is chosen by your administrator: " + shared + "."},
      {"1", "0", "", "", true, DownloadBar::BesideProgram, "", canonical,
       "Your administrator's copy beside the program is used; downloading is off."},
      {"1", "0", "", "", false, DownloadBar::Forbidden, "", canonical,
       "Downloading the list is switched off by your administrator."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.cleaners) + c.download + c.file + c.address + (c.beside ? " beside" : ""));
    const std::pair<const settings::Key*, const char*> stored[] = {{&settings::kCommunityCleaners, c.cleaners},
                                                                   {&settings::kCommunityCleanersDownload, c.download},
                                                                   {&settings::kCommunityCleanersFile, c.file},
                                                                   {&settings::kCommunityCleanersAddress, c.address}};
    for (const auto& [key, value] : stored) settings::Save(fakes.settings, *key, value);
    fakes.textFiles.files.clear();
    if (c.beside) fakes.textFiles.files[ToLower(kBeside)] = "";
    const settings::CommunitySource source = settings::ReadCommunitySource(fakes.platform);
    EXPECT_EQ(source.downloadBar, c.bar);
    EXPECT_EQ(source.enabled, c.bar != DownloadBar::Off);
    EXPECT_EQ(source.CanDownload(), c.bar == DownloadBar::None);
    EXPECT_EQ(source.file, c.wantFile);
    EXPECT_EQ(source.address, c.wantAddress);
    EXPECT_EQ(settings::DownloadBarText(fakes.locale, source), c.line);
  }
}

TEST_F(Community, SwitchCommunityTellsTheListItsProblemsAndWhatIsFoundHere) {
  fakes.textFiles.files[ToLower(kPersons)] =
      "; Version: 260730\n"
      "[Foo Player *]\n"
      "LangSecRef=3023\n"
      "DetectFile=%AppData%\\Foo\n"
      "FileKey1=%AppData%\\Foo\\Logs|*.log\n"
      "FileKey2=%WinDir%\\Foo|*.log\n"
      "FileKey3=%AppData%\\Foo\\Cache|*|DEEP\n"
      "RegKey1=HKCU\\Software\\Foo\n"
      "[Bar *]\n"
      "Section=Games\n"
      "FileKey1=%LocalAppData%\\Bar|*.tmp\n"
      "[Absent *]\n"
      "LangSecRef=3024\n"
      "Detect=HKCU\\Software\\Absent\n"
      "FileKey1=%LocalAppData%\\Absent|*.tmp\n"
      "FileKey2=%LocalAppData%\\Absent|*.tmp|RECURSE|DEEP\n"
      "[Registry only *]\n"
      "RegKey1=HKCU\\Software\\Only\n";
  fakes.files.AddFolder(std::string(kRoaming) + "\\Foo");
  const auto report = commandline::Execute(commandline::Command::Community, fakes.platform, "1.2.3");
  EXPECT_EQ(report.exitCode, commandline::ExitCode::Done);
  EXPECT_EQ(report.output, "Community cleaning list: " + std::string(kPersons) +
                               ", version 260730\n"
                               "Entries read: 4; offered: 3\n"
                               "\n"
                               "Entries and lines with a problem:\n"
                               "  line 7: Foo Player: FileKey3=%AppData%\\Foo\\Cache|*|DEEP: not understood: an "
                               "unknown flag\n"
                               "  line 16: Absent: FileKey2=%LocalAppData%\\Absent|*.tmp|RECURSE|DEEP: not "
                               "understood: an unknown flag\n"
                               "  line 17: Registry only: not offered: no file rule that may be used\n"
                               "\n"
                               "Found on this computer:\n"
                               "  Foo Player (Multimedia): partly refused; registry parts not cleaned\n"
                               "    FileKey2=%WinDir%\\Foo|*.log: outside your profile: needs the machine's rights\n"
                               "    FileKey3=%AppData%\\Foo\\Cache|*|DEEP: not understood: an unknown flag\n"
                               "  Bar (Games): offered\n");
}

// A profile with what the entries below reach, what they must leave, links out of it and a held file.
class CommunityRun : public Community {
 protected:
  static constexpr const char* kList =
      "[Cache App *]\n"
      "DetectFile=%LocalAppData%\\CacheApp\n"
      "FileKey1=%LocalAppData%\\CacheApp\\*\\Cache|*|REMOVESELF\n"
      "ExcludeKey1=PATH|%LocalAppData%\\CacheApp\\p2\\Cache\\Keep\\|*.db\n"
      "[Log App *]\n"
      "DetectFile=%AppData%\\LogApp\n"
      "FileKey1=%AppData%\\LogApp|*.log\n"
      "ExcludeKey1=FILE|%AppData%\\LogApp\\|keep.log\n"
      "[Deep App *]\n"
      "FileKey1=%LocalAppData%\\Deep|*.tmp|RECURSE\n"
      "FileKey2=%LocalAppData%\\Deep\\Gone|*|REMOVESELF\n"
      "[Absent App *]\n"
      "Detect=HKCU\\Software\\Absent\n"
      "FileKey1=%LocalAppData%\\Absent|*\n"
      "[Shared *]\n"
      "FileKey1=%LocalAppData%\\Shared\\*|*.log\n";

  CommunityRun() {
    const std::string local = kLocal, roaming = kRoaming;
    // Documents moved below a folder an entry reaches by a pattern: found there, refused there.
    fakes.shell.knownFolders[KnownFolder::Documents] = local + "\\Shared\\Papers";
    for (const std::string& file : {local + "\\CacheApp\\p1\\Cache\\a.bin",
                                    local + "\\CacheApp\\p1\\Cache\\sub\\b.bin",
                                    local + "\\CacheApp\\p1\\settings.json",
                                    local + "\\CacheApp\\p2\\Cache\\c.bin",
                                    local + "\\CacheApp\\p2\\Cache\\Keep\\k.db",
                                    local + "\\CacheApp\\p2\\Cache\\Keep\\k.txt",
                                    local + "\\CacheApp\\p3\\Cache\\held.bin",
                                    roaming + "\\LogApp\\x.log",
                                    roaming + "\\LogApp\\keep.log",
                                    roaming + "\\LogApp\\note.txt",
                                    roaming + "\\LogApp\\old\\y.log",
                                    local + "\\Deep\\a.tmp",
                                    local + "\\Deep\\keep.dat",
                                    local + "\\Deep\\sub\\b.tmp",
                                    local + "\\Deep\\Gone\\g.dat",
                                    local + "\\Deep\\Gone\\inner\\h.dat",
                                    local + "\\Absent\\z.log",
                                    local + "\\Shared\\Papers\\letter.log",
                                    local + "\\Shared\\Other\\other.log",
                                    std::string("C:\\Outside\\Cache\\o.bin"),
                                    std::string("C:\\Outside\\t.tmp")}) {
      fakes.files.AddFile(file);
    }
    fakes.files.AddFolder(local + "\\Deep\\sub\\hidden",
                          platform::attribute::kDirectory | platform::attribute::kHidden);
    fakes.files.AddFile(local + "\\Deep\\sub\\hidden\\c.tmp");
    fakes.files.AddLink(local + "\\CacheApp\\link", "C:\\Outside");
    fakes.files.AddLink(local + "\\Deep\\l.tmp", "C:\\Outside\\t.tmp");
    fakes.files.Lock(local + "\\CacheApp\\p3\\Cache\\held.bin");
    fakes.textFiles.files[ToLower(kPersons)] = kList;
    for (const char* entry : {"Cache App", "Log App", "Deep App", "Absent App", "Shared", "Not in the list"}) {
      settings::kCommunityChoices.Save(fakes.settings, entry, true);
    }
  }

  // What the preview says goes; its text in `text`.
  std::set<std::string> PreviewGoes(const cleaning::Choices& choices, std::string& text) {
    cleaning::PreviewRowTable rows;
    text = cleaning::PreviewText(fakes.locale, cleaning::Preview(fakes.platform, host, &rows).Walk(choices));
    std::set<std::string> goes;
    for (std::size_t i = 0; i < rows.Size(); ++i) {
      if (cleaning::Goes(rows.Row(i).fate)) goes.insert(rows.Path(i));
    }
    return goes;
  }

  // Runs every chosen entry after its preview: the preview's list and the run agree, and exactly what
  // the rules reach goes.
  void RunsExactlyWhatTheRulesReach(int workers) {
    const std::string local = kLocal, roaming = kRoaming;
    fakes.platform.cleaningWorkers = workers;
    const cleaning::Choices choices = settings::SavedChoices(fakes.platform);
    EXPECT_EQ(choices.community,
              (std::vector<std::string>{"Cache App", "Log App", "Deep App", "Absent App", "Shared"}));
    std::string previewText;
    const std::set<std::string> previewed = PreviewGoes(choices, previewText);
    EXPECT_NE(previewText.find("\nDeep App: 6 files, 0 bytes\nAbsent App: skipped, not found on this computer\n"),
              std::string::npos)
        << previewText;
    const cleaning::RunResult result = Run(choices);
    const std::set<std::string> deleted(fakes.files.deleted.begin(), fakes.files.deleted.end());
    EXPECT_EQ(deleted, (std::set<std::string>{
                           local + "\\CacheApp\\p1\\Cache\\a.bin", local + "\\CacheApp\\p1\\Cache\\sub\\b.bin",
                           local + "\\CacheApp\\p1\\Cache\\sub", local + "\\CacheApp\\p1\\Cache",
                           local + "\\CacheApp\\p2\\Cache\\c.bin", local + "\\CacheApp\\p2\\Cache\\Keep\\k.txt",
                           roaming + "\\LogApp\\x.log", local + "\\Deep\\a.tmp", local + "\\Deep\\sub\\b.tmp",
                           local + "\\Deep\\sub\\hidden\\c.tmp", local + "\\Deep\\l.tmp", local + "\\Deep\\Gone\\g.dat",
                           local + "\\Deep\\Gone\\inner\\h.dat", local + "\\Deep\\Gone\\inner", local + "\\Deep\\Gone",
                           local + "\\Shared\\Other\\other.log"}));
    EXPECT_EQ(previewed, deleted);
    // A folder that stays keeps its attributes; what a link leads to is never reached.
    EXPECT_EQ(fakes.files.AttributesOf(local + "\\Deep\\sub\\hidden") & platform::attribute::kHidden,
              platform::attribute::kHidden);
    EXPECT_TRUE(fakes.files.Exists("C:\\Outside\\Cache\\o.bin") && fakes.files.Exists("C:\\Outside\\t.tmp"));
    std::vector<std::pair<std::string, cleaning::Outcome>> outcomes;
    for (const auto& location : result.locations) {
      if (location.location == cleaning::Location::Community) outcomes.emplace_back(location.moreId, location.outcome);
    }
    using cleaning::Outcome;
    EXPECT_EQ(outcomes, (std::vector<std::pair<std::string, Outcome>>{{"Cache App", Outcome::Emptied},
                                                                      {"Log App", Outcome::Emptied},
                                                                      {"Deep App", Outcome::Emptied},
                                                                      {"Absent App", Outcome::NotDetected},
                                                                      {"Shared", Outcome::Emptied}}));
    EXPECT_EQ(
        result.locations[7].tally.left,
        (std::vector<cleaning::LeftEntry>{{local + "\\CacheApp\\p3\\Cache\\held.bin", cleaning::LeftReason::InUse}}));
    EXPECT_EQ(commandline::ExitCodeOf(result), commandline::ExitCode::EntriesLeft);
    const std::string block = cleaning::HistoryBlock(fakes.locale, result);
    EXPECT_NE(block.find("  Absent App: skipped, not found on this computer\r\n"), std::string::npos) << block;
    EXPECT_NE(block.find("  Deep App: 6 files deleted, 2 folders removed"), std::string::npos) << block;
  }
};

TEST_F(CommunityRun, ExactlyWhatTheRulesReachGoesOnOneThread) { RunsExactlyWhatTheRulesReach(1); }
TEST_F(CommunityRun, ExactlyWhatTheRulesReachGoesOnSeveralThreads) { RunsExactlyWhatTheRulesReach(3); }

TEST_F(CommunityRun, PolicyForcesOrPresetsAnEntryByItsStoredName) {
  settings::kCommunityChoices.Save(fakes.settings, "Shared", false);
  const std::string key(settings::kPolicyKey);
  fakes.registry.SetNumber(platform::RegistryRoot::CurrentUser, key, "Community.Log App", 0);
  fakes.registry.SetNumber(platform::RegistryRoot::LocalMachine, key, "community.shared", 1);
  effective.Refresh();
  EXPECT_EQ(settings::SavedChoices(fakes.platform).community,
            (std::vector<std::string>{"Cache App", "Deep App", "Absent App", "Shared"}));
  const auto report = commandline::Execute(commandline::Command::PolicyReport, fakes.platform, "1.2.3").output;
  EXPECT_NE(report.find("\ncommunity.shared = 1 (machine policy)\nCommunity.Log App = 0 (user policy)\n"),
            std::string::npos)
      << report;
}

// The community cleaners window: what is found here, sorted and searched; each tick stored, a locked one
// refused, a warning asked about; what an entry deletes in whole paths; sizes measured in the background.
TEST_F(CommunityRun, TheWindowListsFindsStoresExplainsAndMeasuresTheEntriesFoundHere) {
  const std::string local = kLocal, roaming = kRoaming;
  fakes.files.SetSize(roaming + "\\LogApp\\x.log", 1536);
  fakes.registry.SetNumber(platform::RegistryRoot::LocalMachine, std::string(settings::kPolicyKey), "Community.Shared",
                           1);
  effective.Refresh();
  CommunityChoice choice(fakes.platform);
  const auto names = [&] {
    std::vector<std::string> shown;
    for (std::size_t row : choice.Shown()) shown.push_back(choice.Rows()[row].name);
    return shown;
  };
  EXPECT_EQ(names(), (std::vector<std::string>{"Cache App", "Deep App", "Log App", "Shared"}));
  EXPECT_EQ(choice.CountsLine(), "4 of 5 found on this computer, 4 chosen; the list has no version");
  for (const auto& [search, expected] : std::vector<std::pair<std::string, std::vector<std::string>>>{
           {" LOG ", {"Log App"}}, {"other", {"Cache App", "Deep App", "Log App", "Shared"}}, {"zz", {}}}) {
    choice.Search(search);
    EXPECT_EQ(names(), expected) << search;
  }
  choice.Search("");

  EXPECT_EQ(choice.Set(2, false), "");
  EXPECT_EQ(Stored("Community.Log App"), "0");
  EXPECT_EQ(choice.CountsLine(), "4 of 5 found on this computer, 3 chosen; the list has no version");
  EXPECT_TRUE(choice.Rows()[3].locked);
  EXPECT_EQ(choice.Set(3, false), "This setting is managed by your organization.");
  EXPECT_TRUE(choice.Rows()[3].chosen);

  EXPECT_EQ(choice.Details(0),
            "Cache App (Other)\nDeletes:\n  \xE2\x80\xA2 all files in " + local +
                "\\CacheApp\\*\\Cache and its sub-folders; the folder itself once emptied\nKeeps:\n  \xE2\x80\xA2 "
                "files matching *.db in " +
                local + "\\CacheApp\\p2\\Cache\\Keep and its sub-folders");

  std::atomic<int> woken{0};
  choice.StartSizes([&] { ++woken; });
  for (int wait = 0; wait < 500 && woken < 4; ++wait) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  choice.TakeMeasured();
  EXPECT_EQ(choice.Rows()[2].found, "1.50 KB found");
  EXPECT_EQ(choice.Rows()[3].found, "nothing found; set by policy");

  // A new list: what is gone goes, the ticks stay by name; a warning asks before the tick.
  fakes.textFiles.files[ToLower(kPersons)] =
      "; Version: 260730\n[Log App *]\nLangSecRef=3021\nFileKey1=%AppData%\\LogApp|*.log;*.txt\n"
      "FileKey2=%Documents%|*.*\nRegKey1=HKCU\\Software\\LogApp\nWarning=Your drafts go too.\n";
  choice.Reload(community::LoadList(fakes.platform, {}));
  EXPECT_EQ(choice.CountsLine(), "1 of 1 found on this computer, 0 chosen; list version 260730");
  EXPECT_EQ(choice.Details(0), "Log App (Applications)\nDeletes:\n  \xE2\x80\xA2 files matching *.log, *.txt in " +
                                   roaming +
                                   "\\LogApp\nNot used:\n  \xE2\x80\xA2 FileKey2=%Documents%|*.*: the person's own "
                                   "files\nIts registry parts are not cleaned.\nWarning: Your drafts go too.");
  std::vector<std::string> asked;
  choice.Confirm = [&](const std::string& title, const std::string& question) {
    asked.push_back(title + " / " + question);
    return asked.size() > 1;
  };
  EXPECT_EQ(choice.Set(0, true), "");
  EXPECT_EQ(Stored("Community.Log App"), "0");
  EXPECT_EQ(choice.Set(0, true), "");
  EXPECT_EQ(Stored("Community.Log App"), "1");
  EXPECT_EQ(asked,
            std::vector<std::string>(2, "Community cleaner: Log App / Your drafts go too.\n\nChoose it all the same?"));
}

// Switched off, nothing of the list is read, told or run, whatever file the administrator names;
// a named file is the only one read, and one that is not there is told as unreadable.
TEST_F(CommunityRun, TheAdministratorsSwitchAndFileDecideWhatIsRead) {
  const std::string key(settings::kPolicyKey);
  constexpr const char* kShared = "\\\\files\\it\\winapp2.ini";
  fakes.textFiles.files[ToLower(kBeside)] = kList;
  fakes.registry.SetNumber(platform::RegistryRoot::LocalMachine, key, "CommunityCleaners", 0);
  fakes.registry.SetTyped(platform::RegistryRoot::CurrentUser, key, "CommunityCleanersFile", platform::kRegistryText,
                          kShared);
  effective.Refresh();
  const cleaning::Choices choices = settings::SavedChoices(fakes.platform);
  EXPECT_TRUE(choices.community.empty() && !choices.communityList && choices.communityListUnreadable.empty());
  Run(choices);
  EXPECT_TRUE(fakes.files.deleted.empty());
  EXPECT_TRUE(host.errors.texts.empty());
  const auto off = commandline::Execute(commandline::Command::Community, fakes.platform, "1.2.3");
  EXPECT_EQ(off.exitCode, commandline::ExitCode::Failed);
  EXPECT_EQ(off.output, "Community cleaners are switched off by your administrator.\n");

  fakes.registry.SetNumber(platform::RegistryRoot::LocalMachine, key, "CommunityCleaners", 1);
  effective.Refresh();
  EXPECT_EQ(settings::SavedChoices(fakes.platform).communityListUnreadable, kShared);
  fakes.textFiles.files[ToLower(kShared)] = "[Log App *]\nFileKey1=%AppData%\\LogApp|*.log\n";
  const community::ListFile file = settings::LoadCommunityList(fakes.platform);
  EXPECT_EQ(file.path, kShared);
  ASSERT_NE(file.list, nullptr);
  EXPECT_EQ(file.list->Entries().size(), 1u);
  EXPECT_EQ(settings::SavedChoices(fakes.platform).community, std::vector<std::string>{"Log App"});
}

// A list that cannot be read is told once, as the run's error report; the run goes on.
TEST_F(CommunityRun, AListThatCannotBeReadIsReportedByTheRunAndNothingOfItRuns) {
  fakes.textFiles.unreadable.insert(ToLower(kPersons));
  cleaning::Choices choices = settings::SavedChoices(fakes.platform);
  EXPECT_TRUE(choices.community.empty());
  EXPECT_EQ(choices.communityListUnreadable, kPersons);
  choices.recycleBin = true;
  const cleaning::RunResult result = Run(choices);
  ASSERT_EQ(host.errors.texts.size(), 1u);
  EXPECT_NE(host.errors.texts[0].find("The community cleaning list could not be read: " + std::string(kPersons)),
            std::string::npos);
  EXPECT_NE(host.errors.texts[0].find("168"), std::string::npos);
  EXPECT_EQ(result.Of(cleaning::Location::RecycleBin).outcome, cleaning::Outcome::Emptied);

  // The window tells it with the first run of its session only.
  settings::Save(fakes.settings, settings::kRecycleBin, "1");
  form.Load();
  form.statusPanel.deleteNowButton.Click();
  form.statusPanel.deleteNowButton.Click();
  const auto texts = fakes.messageBox.Texts();
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                          [](const std::string& text) {
                            return text.find("The community cleaning list could not be read") != std::string::npos;
                          }),
            1);
}

}  // namespace
}  // namespace vantrelle::testing
