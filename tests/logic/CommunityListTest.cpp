// The community's list read from small files of the tests' own: every key's forms in one table, the
// shapes of a file (byte-order mark, line ends, numbering, duplicates, a very large entry), and the
// refusal table as a table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "community/Forms.h"
#include "community/List.h"
#include "community/Refusals.h"

namespace vantrelle::testing {
namespace {

using community::Reason;

// A file of one entry whose one usable rule keeps it offered, with `lines` after it.
community::List OneEntry(const std::string& lines) {
  return community::ReadList("[Entry *]\nFileKey99=%LocalAppData%\\Base|*.tmp\n" + lines + "\n");
}

struct KeyCase {
  const char* line;
  Reason reason;  // None: read and used
};

// clang-format off
constexpr KeyCase kKeyCases[] = {
    {"FileKey1=%LocalAppData%\\Foo|*.log", Reason::None},
    {"filekey2=%appdata%\\Foo\\*\\Cache|a.txt;b?.dat|RECURSE", Reason::None},
    {"FileKey3=%LocalAppData%\\Foo|*|REMOVESELF", Reason::None},
    {"FileKey4=%LocalAppData%\\Foo\\|*|RECURSE|REMOVESELF", Reason::None},
    {"FileKey5=%LocalAppData%\\Chat\\%UserName%\\history|*", Reason::None},
    {"FileKey7=%LocalAppData%\\Dropbox\\", Reason::NoPipe},
    {"FileKey1=%LocalAppData%\\Foo|*|DEEP", Reason::UnknownFlag},
    {"FileKey1=%Bogus%\\Foo|*", Reason::UnknownVariable},
    {"FileKey1=%LocalAppData%\\%Bogus%|*", Reason::UnknownVariable},
    {"FileKey1=%LocalAppData%\\Foo|", Reason::NoPattern},
    {"FileKey1=%LocalAppData%\\Foo|;;", Reason::NoPattern},
    {"FileKey1=C:\\Foo|*", Reason::UnsafeForm},
    {"FileKey1=Foo|*", Reason::UnsafeForm},
    {"FileKey1=\\\\server\\share\\Foo|*", Reason::UnsafeForm},
    {"FileKey1=\\\\?\\C:\\Foo|*", Reason::UnsafeForm},
    {"FileKey1=\\\\.\\PhysicalDrive0|*", Reason::UnsafeForm},
    {"FileKey1=%LocalAppData%Foo|*", Reason::UnsafeForm},
    {"FileKey1=%LocalAppData%\\Foo\\..\\..\\Documents|*", Reason::UnsafeForm},
    {"FileKey1=%LocalAppData%\\.\\Foo|*", Reason::UnsafeForm},
    {"FileKey1=%LocalAppData%\\Foo\\\\Bar|*", Reason::UnsafeForm},
    {"FileKey1=%LocalAppData%\\Foo/../Bar|*", Reason::UnsafeForm},
    {"FileKey1=%LocalAppData%\\Foo|..\\*.log", Reason::UnsafeForm},
    {"FileKey1=%LocalAppData%\\Foo|sub/*.log", Reason::UnsafeForm},
    {"FileKey1=%LocalAppData%\\Foo|file.txt:stream", Reason::UnsafeForm},
    {"FileKey1=%ProgramFiles%\\Foo|*.log", Reason::OutsideProfile},
    {"FileKey1=%LocalAppData%|*|RECURSE", Reason::TooBroad},
    {"FileKey1=%UserProfile%\\Documents\\Foo|*.log", Reason::PersonsOwnFiles},
    {"FileKey1=%UserProfile%\\*|*.log|RECURSE", Reason::CouldReachAnyFolder},
    {"FileKey=%LocalAppData%\\Foo|*", Reason::UnknownKey},
    {"FileKeyX=%LocalAppData%\\Foo|*", Reason::UnknownKey},
    {"FileKey99=%LocalAppData%\\Other|*", Reason::SecondKey},
    {"Detect=HKCU\\Software\\Foo", Reason::None},
    {"Detect2=HKEY_LOCAL_MACHINE\\Software\\Foo", Reason::None},
    {"Detect3=HKU\\.DEFAULT\\Software\\Foo", Reason::UnknownValue},
    {"DetectFile=%ProgramFiles%\\Foo*", Reason::None},
    {"DetectFile1=%WinDir%|SIGVERIF.TXT", Reason::UnsafeForm},
    {"DetectOS=6.1|", Reason::None},
    {"DetectOS=|10.0", Reason::None},
    {"DetectOS=|", Reason::UnknownValue},
    {"DetectOS=six|", Reason::UnknownValue},
    {"SpecialDetect=DET_CHROME", Reason::None},
    {"SpecialDetect=DET_SAFARI", Reason::UnknownValue},
    {"LangSecRef=3021", Reason::None},
    {"LangSecRef=Apps", Reason::UnknownValue},
    {"Section=Games", Reason::None},
    {"Default=True", Reason::None},
    {"Warning=This deletes your saved sessions.", Reason::None},
    {"RegKey1=HKCU\\Software\\Foo|Recent", Reason::None},
    {"ExcludeKey1=FILE|%AppData%\\App\\|important.db", Reason::None},
    {"ExcludeKey2=PATH|%AppData%\\App\\*\\|*.cfg", Reason::None},
    {"ExcludeKey3=REG|HKCU\\Software\\App\\Keep", Reason::None},
    {"Colour=blue", Reason::UnknownKey},
};
// clang-format on

TEST(CommunityList, EachKeyIsReadOrRefusedWithItsReasonAndTheRestOfTheEntryStays) {
  for (const KeyCase& c : kKeyCases) {
    SCOPED_TRACE(c.line);
    const community::List list = OneEntry(c.line);
    ASSERT_EQ(list.Entries().size(), 1u);
    const community::Entry& entry = list.Entries()[0];
    EXPECT_TRUE(entry.Offered());
    const auto refused = list.Refused(entry);
    if (c.reason == Reason::None) {
      EXPECT_TRUE(refused.empty()) << (refused.empty() ? "" : std::string(refused[0].key));
    } else {
      ASSERT_EQ(refused.size(), 1u);
      EXPECT_EQ(refused[0].reason, c.reason);
      EXPECT_EQ(refused[0].line, 3u);
    }
  }
}

TEST(CommunityList, KeysBecomeTheEntrysRulesDetectionAndTexts) {
  const community::List list = community::ReadList(
      "; Version: 260730\n; Made up for this test\n\n"
      "[Foo Player *]\n"
      "LangSecRef=3023\n"
      "Detect=HKLM\\Software\\Foo\n"
      "DetectFile1=%AppData%\\Foo\n"
      "DetectFile3=%ProgramFiles%\\Foo*\n"
      "DetectOS=6.1|10.0\n"
      "SpecialDetect=DET_MOZILLA\n"
      "Warning=Deletes the playlist history.\n"
      "FileKey1=%AppData%\\Foo\\Logs|*.log;*.txt\n"
      "FileKey4=%AppData%\\Foo\\Cache|*|REMOVESELF\n"
      "FileKey2=%AppData%\\Foo\\Profiles\\*|thumbs.db|RECURSE\n"
      "ExcludeKey1=PATH|%AppData%\\Foo\\Cache\\Keep\\|*\n"
      "RegKey1=HKCU\\Software\\Foo\\Recent\n");
  EXPECT_EQ(list.Version(), "260730");
  ASSERT_EQ(list.Entries().size(), 1u);
  const community::Entry& entry = list.Entries()[0];
  EXPECT_EQ(entry.name, "Foo Player");
  EXPECT_EQ(entry.langSecRef, 3023u);
  EXPECT_EQ(entry.warning, "Deletes the playlist history.");
  EXPECT_TRUE(entry.hasRegistryKeys);
  EXPECT_TRUE(entry.hasOs);
  EXPECT_EQ(entry.osLeast, (community::OsVersion{6, 1}));
  EXPECT_EQ(entry.osMost, (community::OsVersion{10, 0}));
  EXPECT_EQ(entry.browsers, 1u << static_cast<unsigned>(community::Browser::Mozilla));
  ASSERT_EQ(list.RegistryDetects(entry).size(), 1u);
  EXPECT_EQ(list.RegistryDetects(entry)[0].root, community::RegistryRoot::LocalMachine);
  EXPECT_EQ(list.RegistryDetects(entry)[0].subKey, "Software\\Foo");
  ASSERT_EQ(list.FileDetects(entry).size(), 2u);
  EXPECT_EQ(list.FileDetects(entry)[1].start, community::Variable::ProgramFiles);
  EXPECT_EQ(list.FileDetects(entry)[1].below, "Foo*");
  const auto rules = list.FileRules(entry);
  ASSERT_EQ(rules.size(), 3u);  // numbered with gaps, kept in the file's order
  EXPECT_EQ(rules[0].key, "FileKey1");
  EXPECT_EQ(rules[0].folder.below, "Foo\\Logs");
  EXPECT_EQ(rules[0].patterns, "*.log;*.txt");
  EXPECT_FALSE(rules[0].recurse);
  EXPECT_TRUE(rules[1].removeSelf && rules[1].recurse);
  EXPECT_TRUE(rules[2].recurse && !rules[2].removeSelf);
  ASSERT_EQ(list.Exclusions(entry).size(), 1u);
  EXPECT_TRUE(list.Exclusions(entry)[0].recurse);  // PATH: the folder and below
  EXPECT_EQ(list.Exclusions(entry)[0].folder.below, "Foo\\Cache\\Keep");
  EXPECT_EQ(list.Find("foo player"), &entry);
}

// What the file's shape must not change: a byte-order mark, CRLF, blanks around keys, comments.
TEST(CommunityList, ByteOrderMarkAndLineEndsDoNotChangeWhatIsRead) {
  const std::string lf = "; Version: 1\n[A *]\nFileKey1=%LocalAppData%\\A|*.log\n\n[B *]\nFileKey1=%AppData%\\B|*\n";
  std::string crlf;
  for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  for (const std::string& text : {lf, "\xEF\xBB\xBF" + crlf, "\xEF\xBB\xBF" + lf, crlf}) {
    const community::List list = community::ReadList(text);
    ASSERT_EQ(list.Entries().size(), 2u);
    EXPECT_EQ(list.Version(), "1");
    EXPECT_EQ(list.Entries()[0].name, "A");
    EXPECT_EQ(list.FileRules(list.Entries()[1])[0].patterns, "*");
    EXPECT_TRUE(list.Problems().empty());
  }
}

// A broken line costs that line, a broken header its entry, a doubled name the later entry.
TEST(CommunityList, ProblemsCostTheSmallestPartAndAreListedByLine) {
  const std::string tooLong = "FileKey2=%LocalAppData%\\" + std::string(40000, 'x') + "|*";
  const community::List list = community::ReadList(
      "stray line\n"                                    // 1
      "[Kept *]\n"                                      // 2
      "FileKey1=%LocalAppData%\\Kept|*.log\n"           // 3
      "FileKey2=%LocalAppData%\\Bad\xC3\x28|*\n"        // 4
      + tooLong + "\n" +                                // 5
      "no equals sign\n"                                // 6
      "[Broken *\n"                                     // 7
      "FileKey1=%LocalAppData%\\Broken|*|REMOVESELF\n"  // 8: must not join "Kept"
      "[Registry only *]\n"                             // 9
      "RegKey1=HKCU\\Software\\X\n"                     // 10
      "[kept *]\n"                                      // 11
      "FileKey1=%LocalAppData%\\Second|*\n"             // 12
      "[Careful *]\n"                                   // 13
      "FileKey1=%LocalAppData%\\Careful|*|RECURSE\n"    // 14
      "ExcludeKey1=FILE|%LocalAppData%\\Careful\n");    // 15
  ASSERT_EQ(list.Entries().size(), 4u);
  const community::Entry& kept = list.Entries()[0];
  EXPECT_EQ(list.FileRules(kept).size(), 1u);
  EXPECT_EQ(list.Find("KEPT"), &kept);
  struct Expected {
    std::uint32_t line;
    Reason reason;
  };
  const std::vector<Expected> expected = {{1, Reason::OutsideEntry}, {4, Reason::NotUtf8},
                                          {5, Reason::LineTooLong},  {6, Reason::NotALine},
                                          {7, Reason::NotALine},     {9, Reason::NoUsableFileRule},
                                          {11, Reason::SecondEntry}, {13, Reason::NoUsableFileRule}};
  ASSERT_EQ(list.Problems().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(list.Problems()[i].line, expected[i].line) << i;
    EXPECT_EQ(list.Problems()[i].reason, expected[i].reason) << i;
  }
  // The exclusion that cannot be read takes the rule it might have narrowed with it.
  const community::Entry& careful = list.Entries()[3];
  ASSERT_EQ(list.Refused(careful).size(), 2u);
  EXPECT_EQ(list.Refused(careful)[0].reason, Reason::NoPipe);
  EXPECT_EQ(list.Refused(careful)[1].reason, Reason::ExclusionNotUnderstood);
  EXPECT_EQ(list.OfferedCount(), 1u);
}

// The largest entry of the community's file holds about 43,500 characters in some 600 keys.
TEST(CommunityList, AnEntryOfSeveralHundredKeysIsReadWhole) {
  std::string text = "[Large *]\nLangSecRef=3021\n";
  for (int i = 1; i <= 600; ++i) {
    text += "FileKey" + std::to_string(i) + "=%LocalAppData%\\Vendor\\Product " + std::to_string(i) +
            "\\Cache\\*|*.tmp;*.log|RECURSE\n";
  }
  ASSERT_GT(text.size(), 43'500u);
  const community::List list = community::ReadList(text);
  ASSERT_EQ(list.Entries().size(), 1u);
  EXPECT_EQ(list.FileRules(list.Entries()[0]).size(), 600u);
  EXPECT_EQ(list.FileRules(list.Entries()[0])[599].key, "FileKey600");
}

struct RefusalCase {
  const char* rule;  // a FileKey's value
  const char* concrete;
  Reason reason;
};

// clang-format off
constexpr RefusalCase kRefusalCases[] = {
    {"%LocalAppData%\\Foo\\Cache|*|REMOVESELF", "", Reason::None},
    {"%UserProfile%\\.gradle\\caches|*|RECURSE", "", Reason::None},
    {"%UserProfile%|*.log", "", Reason::None},
    {"%Temp%|*", "", Reason::None},
    {"%LocalAppData%\\Foo\\*\\Cache|*|RECURSE", "", Reason::None},
    {"%SystemDrive%|*.log", "", Reason::TooBroad},
    {"%UserProfile%|*|RECURSE", "", Reason::TooBroad},
    {"%AppData%|*|REMOVESELF", "", Reason::TooBroad},
    {"%LocalLowAppData%|*.log|RECURSE", "", Reason::TooBroad},
    {"%WinDir%|*|RECURSE", "", Reason::TooBroad},
    {"%ProgramData%|*.tmp|REMOVESELF", "", Reason::TooBroad},
    {"%UserProfile%|*.*", "", Reason::TooBroad},
    {"%LocalAppData%|a.log;*", "", Reason::TooBroad},
    {"%WinDir%\\Temp|*.log", "", Reason::OutsideProfile},
    {"%ProgramFiles%\\Foo\\Logs|*", "", Reason::OutsideProfile},
    {"%CommonProgramFiles%\\Foo|*", "", Reason::OutsideProfile},
    {"%ProgramData%\\Foo|*.log", "", Reason::OutsideProfile},
    {"%CommonAppData%\\Foo|*.log", "", Reason::OutsideProfile},
    {"%SystemDrive%\\Foo|*.log", "", Reason::OutsideProfile},
    {"%Public%\\Documents\\Foo|*", "", Reason::OutsideProfile},
    {"%UserProfile%\\*|*.log|RECURSE", "", Reason::CouldReachAnyFolder},
    {"%LocalAppData%\\F*|*|REMOVESELF", "", Reason::CouldReachAnyFolder},
    {"%LocalAppData%\\*.*|*|RECURSE", "", Reason::CouldReachAnyFolder},
    {"%AppData%\\Discord*\\*Cache|*|REMOVESELF", "", Reason::None},
    {"%Temp%\\*|*|REMOVESELF", "", Reason::CouldReachAnyFolder},
    {"%UserProfile%\\Desktop|*.lnk", "", Reason::PersonsOwnFiles},
    {"%UserProfile%\\downloads\\Foo|*.part", "", Reason::PersonsOwnFiles},
    {"%UserProfile%\\D*|*.tmp", "", Reason::PersonsOwnFiles},
    {"%UserProfile%\\*|*.tmp", "", Reason::PersonsOwnFiles},
    {"%UserProfile%\\OneDrive - Contoso\\Foo|*", "", Reason::PersonsOwnFiles},
    {"%UserProfile%\\Saved Games\\Foo|*.log", "", Reason::PersonsOwnFiles},
    {"%Documents%\\My Games\\Foo|*.log", "", Reason::PersonsOwnFiles},
    {"%Video%\\Foo|*.tmp", "", Reason::PersonsOwnFiles},
    // on a computer whose Documents lie in D:\Ann and whose Desktop is a folder below the Foo cache
    {"%LocalAppData%\\Foo\\*|*", "D:\\Ann\\Letters", Reason::PersonsOwnFiles},
    {"%LocalAppData%\\Foo\\*|*", "D:\\Ann", Reason::PersonsOwnFiles},
    {"%LocalAppData%\\Foo|*|RECURSE", "C:\\Users\\ann\\AppData\\Local\\Foo", Reason::PersonsOwnFiles},
    {"%LocalAppData%\\Foo|*", "C:\\Users\\ann\\AppData\\Local\\Foo", Reason::None},
    {"%LocalAppData%\\Foo\\*|*", "D:\\Annex", Reason::None},
    {"%LocalAppData%\\Foo\\*|*", "D:\\", Reason::TooBroad},
};
// clang-format on

TEST(CommunityRefusals, TheTableRefusesWhatNoEntryMayReachWithTheFirstReasonThatApplies) {
  const std::vector<std::string> own = {"D:\\Ann", "C:\\Users\\ann\\AppData\\Local\\Foo\\Desktop\\"};
  for (const RefusalCase& c : kRefusalCases) {
    SCOPED_TRACE(c.rule);
    community::FileRule rule;
    ASSERT_EQ(community::ReadFileRule(c.rule, rule), Reason::None);
    EXPECT_EQ(community::Refusal(rule, c.concrete, {own}), c.reason);
  }
}

TEST(CommunityForms, NamesMatchPatternsAsTheSystemMatchesThem) {
  struct Match {
    const char* name;
    const char* patterns;
    bool matches;
  };
  constexpr Match kMatches[] = {
      {"README", "*.*", true},
      {"a.b.c", "*.*", true},
      {"Setup.LOG", "*.log", true},
      {"setup.log.1", "*.log", false},
      {"setup.log.1", "*.log*", true},
      {"foo", "foo.*", true},
      {"www.office[1].xml", "www.office[1].xml", true},
      {"x.log", "*.log.*", true},
      {"ab", "a?", true},
      {"a", "a?", false},
      {"b.txt", "a.txt;;b.txt", true},
      {"c.txt", "a.txt;b.txt", false},
  };
  for (const Match& m : kMatches) {
    EXPECT_EQ(community::NameMatchesAny(m.name, m.patterns), m.matches) << m.name << " " << m.patterns;
  }
}

}  // namespace
}  // namespace vantrelle::testing
