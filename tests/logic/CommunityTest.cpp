// The community's list on a planted profile of the fakes: where its variables lead, which entries
// are found on this computer, and what /community says.
#include <set>

#include "CleaningTest.h"
#include "commandline/Commands.h"
#include "community/Detection.h"
#include "community/ListFile.h"

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
  EXPECT_EQ(community::LoadList(fakes.platform).path, "");
  const auto community = commandline::Execute(commandline::Command::Community, fakes.platform, "1.2.3");
  EXPECT_EQ(community.exitCode, commandline::ExitCode::Failed);
  EXPECT_EQ(community.output, "No community cleaning list was found: put winapp2.ini beside the program (" +
                                  std::string(kBeside) + ") or in " + kPersons + ".\n");
  fakes.textFiles.files[ToLower(kPersons)] = "[Person's *]\nFileKey1=%LocalAppData%\\P|*\n";
  EXPECT_EQ(community::LoadList(fakes.platform).list->Entries()[0].name, "Person's");
  fakes.textFiles.files[ToLower(kBeside)] = "[Administrator's *]\nFileKey1=%LocalAppData%\\A|*\n";
  EXPECT_EQ(community::LoadList(fakes.platform).list->Entries()[0].name, "Administrator's");
  fakes.textFiles.unreadable.insert(ToLower(kBeside));
  const auto unreadable = commandline::Execute(commandline::Command::Community, fakes.platform, "1.2.3");
  EXPECT_EQ(unreadable.exitCode, commandline::ExitCode::Failed);
  EXPECT_EQ(unreadable.output, "The community cleaning list could not be read: " + std::string(kBeside) + "\n");
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

}  // namespace
}  // namespace vantrelle::testing
