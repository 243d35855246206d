#include <gtest/gtest.h>

#include "CleaningFixture.h"
#include "cleaning/modCleanUp.h"
#include "cleaning/modDeleteTempFiles.h"

namespace vantrelle::testing {
namespace {

using modCleanUp::EmptyFolder;
namespace attribute = platform::attribute;

class EmptyFolderTest : public CleaningTest {
 protected:
  EmptyFolderTest() {
    fake.files.AddFolder("C:\\Work");
    fake.files.AddFolder("C:\\Outside");
    fake.files.AddFile("C:\\Outside\\precious.doc");
  }
};

TEST_F(EmptyFolderTest, DeletesEveryKindOfEntryInReverseListingOrderAndKeepsTheFolder) {
  fake.files.AddFile("C:\\Work\\plain.txt");
  fake.files.AddFile("C:\\Work\\readonly.txt", attribute::kReadOnly);
  fake.files.AddFile("C:\\Work\\hidden.txt", attribute::kHidden | attribute::kSystem);
  fake.files.AddFolder("C:\\Work\\sub", attribute::kDirectory | attribute::kReadOnly | attribute::kHidden);
  fake.files.AddFile("C:\\Work\\sub\\a.tmp");
  fake.files.AddFile("C:\\Work\\sub\\b.tmp", attribute::kReadOnly);

  EmptyFolder(form, "C:\\Work");

  EXPECT_TRUE(fake.files.Exists("C:\\Work"));
  EXPECT_TRUE(fake.files.ChildNames("C:\\Work").empty());
  EXPECT_EQ(fake.files.deleted,
            (std::vector<std::string>{"C:\\Work\\sub\\b.tmp", "C:\\Work\\sub\\a.tmp", "C:\\Work\\sub",
                                      "C:\\Work\\hidden.txt", "C:\\Work\\readonly.txt", "C:\\Work\\plain.txt"}));
  EXPECT_TRUE(fake.files.Exists("C:\\Outside\\precious.doc"));
}

TEST_F(EmptyFolderTest, WritesSearchingThenDeletingTextsAndYieldsAtEachEntry) {
  fake.files.AddFile("C:\\Work\\a.txt");
  fake.files.AddFile("C:\\Work\\b.txt");
  fake.events.onDoEvents = [&] { fake.clock.tickMs += 20; };  // slow entries: every yield point is taken

  EmptyFolder(form, "  C:\\Work\\  ");  // blanks and a trailing backslash make no difference

  EXPECT_EQ(status.texts, (std::vector<std::string>{
                              "Searching for files (Windows Temp)...C:\\Work\\a.txt",
                              "Searching for files (Windows Temp)...C:\\Work\\b.txt",
                              "Deleting for files (Windows Temp)...C:\\Work\\b.txt",
                              "Deleting for files (Windows Temp)...C:\\Work\\a.txt",
                          }));
  EXPECT_EQ(fake.events.calls, 2 * 2 + 2);
}

TEST_F(EmptyFolderTest, YieldsAtAHumanRateWhenEntriesGoFast) {
  for (int i = 0; i < 100; ++i) fake.files.AddFile("C:\\Work\\f" + std::to_string(i));
  status.millisecondsPerText = 1;

  EmptyFolder(form, "C:\\Work");

  EXPECT_EQ(status.texts.size(), 200u);  // every entry is still shown
  // 200 ms of work: one yield at the start and one every 15 ms after it.
  EXPECT_GE(fake.events.calls, 13);
  EXPECT_LE(fake.events.calls, 15);
}

TEST_F(EmptyFolderTest, EmptyMissingOrFileTargetsChangeNothing) {
  for (const char* path : {"C:\\Work", "C:\\Missing", "C:\\Outside\\precious.doc"}) {
    EmptyFolder(form, path);
  }
  EXPECT_TRUE(status.texts.empty());
  EXPECT_TRUE(fake.files.deleted.empty());
  EXPECT_TRUE(fake.files.Exists("C:\\Work"));
}

TEST_F(EmptyFolderTest, LockedOrRefusedEntriesStayWithTheFoldersHoldingThemAndTheRestGoes) {
  fake.files.AddFile("C:\\Work\\one\\two\\locked.dat");
  fake.files.AddFile("C:\\Work\\one\\two\\free.dat");
  fake.files.AddFile("C:\\Work\\one\\free.dat");
  fake.files.AddFile("C:\\Work\\denied.dat", attribute::kHidden);
  fake.files.AddFile("C:\\Work\\other\\x.dat");
  fake.files.Lock("C:\\Work\\one\\two\\locked.dat");
  fake.files.MakeUndeletable("C:\\Work\\denied.dat");

  EmptyFolder(form, "C:\\Work");

  EXPECT_EQ(fake.files.ChildNames("C:\\Work"), (std::vector<std::string>{"one", "denied.dat"}));
  EXPECT_EQ(fake.files.ChildNames("C:\\Work\\one"), (std::vector<std::string>{"two"}));
  EXPECT_EQ(fake.files.ChildNames("C:\\Work\\one\\two"), (std::vector<std::string>{"locked.dat"}));
  // Attributes were cleared before the refused deletion, the folders on the way too.
  EXPECT_EQ(fake.files.AttributesOf("C:\\Work\\denied.dat"), 0u);
  EXPECT_EQ(fake.files.AttributesOf("C:\\Work\\one"), attribute::kDirectory);
}

TEST_F(EmptyFolderTest, ALinkIsRemovedAsItselfAndItsTargetIsNeverEntered) {
  fake.files.AddFile("C:\\Work\\file.txt");
  fake.files.AddLink("C:\\Work\\to-outside", "C:\\Outside");
  fake.files.AddLink("C:\\Work\\sub\\back-up", "C:\\Work");  // a loop for a naive walker

  EmptyFolder(form, "C:\\Work");

  EXPECT_TRUE(fake.files.ChildNames("C:\\Work").empty());
  EXPECT_EQ(fake.files.ChildNames("C:\\Outside"), (std::vector<std::string>{"precious.doc"}));
  for (const auto& text : status.texts) EXPECT_EQ(text.find("precious"), std::string::npos) << text;
}

TEST_F(EmptyFolderTest, ALinkThePlatformOpensAsItsTargetIsLeftAlone) {
  fake.files.openFollowsLinks = true;  // as Wine opens Unix symbolic links
  fake.files.AddFolder("C:\\Outside\\empty");
  fake.files.AddLink("C:\\Work\\to-outside", "C:\\Outside");
  fake.files.AddLink("C:\\Work\\to-empty", "C:\\Outside\\empty");
  fake.files.AddFile("C:\\Work\\file.txt");

  EmptyFolder(form, "C:\\Work");

  EXPECT_EQ(fake.files.ChildNames("C:\\Work"), (std::vector<std::string>{"to-outside", "to-empty"}));
  EXPECT_EQ(fake.files.ChildNames("C:\\Outside"), (std::vector<std::string>{"precious.doc", "empty"}));
}

TEST_F(EmptyFolderTest, AFolderThatIsALinkIsNotEmptied) {
  fake.files.AddLink("C:\\Work\\Temp", "C:\\Outside");
  for (bool follows : {false, true}) {
    fake.files.openFollowsLinks = follows;
    EmptyFolder(form, "C:\\Work\\Temp");
    EXPECT_FALSE(modDeleteTempFiles::EmptyTempFolder(form, "C:\\Work\\Temp", false));
    EXPECT_TRUE(fake.files.Exists("C:\\Outside\\precious.doc"));
  }
}

TEST_F(EmptyFolderTest, AFolderSwappedForALinkAfterListingIsNotFollowed) {
  fake.files.AddFile("C:\\Work\\sub\\a.txt");
  // While the run yields after listing, someone replaces "sub" with a link to a folder outside.
  fake.events.onDoEvents = [&] {
    if (status.texts.empty() || status.texts.back() != "Deleting for files (Windows Temp)...C:\\Work\\sub") return;
    fake.files.Remove("C:\\Work\\sub");
    fake.files.AddLink("C:\\Work\\sub", "C:\\Outside");
    fake.events.onDoEvents = nullptr;
  };

  EmptyFolder(form, "C:\\Work");

  EXPECT_EQ(fake.files.ChildNames("C:\\Outside"), (std::vector<std::string>{"precious.doc"}));
}

TEST_F(EmptyFolderTest, AVeryDeepTreeIsEmptiedWithoutExhaustingTheStack) {
  std::string path = "C:\\Work";
  constexpr int kDepth = 5000;
  for (int i = 0; i < kDepth; ++i) path += "\\d";
  fake.files.AddFile(path + "\\leaf.txt");

  EmptyFolder(form, "C:\\Work");

  EXPECT_TRUE(fake.files.ChildNames("C:\\Work").empty());
  EXPECT_EQ(fake.files.deleted.size(), static_cast<std::size_t>(kDepth + 1));
}

}  // namespace
}  // namespace vantrelle::testing
