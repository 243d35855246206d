#include <gtest/gtest.h>

#include <string>

#include "cleaning/AddFolder.h"
#include "logic/FormFixture.h"
#include "platform/fake/FakePlatform.h"
#include "shell/Form1.h"
#include "shell/RuntimeError.h"

namespace vantrelle {
namespace {

using OwnFolder = FormFixture;

TEST_F(OwnFolder, TheChosenFolderGoesIntoTheBoxWithOneTrailingBackslash) {
  struct Case {
    const char* chosen;
    const char* text;
  };
  static constexpr Case kCases[] = {
      {"C:\\", "C:\\"},
      {"D:\\Work\\Scratch", "D:\\Work\\Scratch\\"},
      {"\\\\server\\share\\tmp", "\\\\server\\share\\tmp\\"},
      {"C:\\Ünïcode földer", "C:\\Ünïcode földer\\"},
  };
  for (const Case& c : kCases) {
    fakes.shell.browseAnswer = c.chosen;
    form.PushButton9.Click();
    EXPECT_EQ(form.Text1.Text(), c.text);
    EXPECT_EQ(Stored("Text1"), c.text);  // through the box's own change handling
    EXPECT_EQ(Stored("LastFolderDot"), c.chosen);
  }
}

TEST_F(OwnFolder, TheNextBrowseOpensWhereTheLastOneEnded) {
  form.hWnd = 0x1234;
  form.PushButton9.Click();  // nothing stored yet, and the dialog is cancelled
  fakes.shell.browseAnswer = "D:\\Data";
  form.PushButton9.Click();
  form.PushButton9.Click();
  ASSERT_EQ(fakes.shell.browseCalls.size(), 3u);
  EXPECT_EQ(fakes.shell.browseCalls[0].startFolder, "");
  EXPECT_EQ(fakes.shell.browseCalls[1].startFolder, "");
  EXPECT_EQ(fakes.shell.browseCalls[2].startFolder, "D:\\Data");
  EXPECT_EQ(fakes.shell.browseCalls[2].title, "Please select folder:");
  EXPECT_EQ(fakes.shell.browseCalls[2].owner, 0x1234u);
  EXPECT_EQ(Stored("LastFolder"), "D:\\Data");
}

TEST_F(OwnFolder, CancellingOrAVirtualChoiceChangesNothing) {
  form.Text1.SetText("E:\\Mine\\");
  const int writes = fakes.settings.writes;
  fakes.shell.browseAnswer.reset();
  form.PushButton9.Click();
  fakes.shell.browseAnswer = "";
  form.PushButton9.Click();
  EXPECT_EQ(form.Text1.Text(), "E:\\Mine\\");
  EXPECT_EQ(fakes.settings.writes, writes);
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

// The browse dialog itself fails: reported once with the button's location, nothing changes.
class FailingShell : public fake::FakeShell {
 public:
  std::optional<std::string> BrowseForFolder(platform::WindowHandle, const std::string&, const std::string&) override {
    throw RuntimeError(5, "Invalid procedure call or argument");
  }
};

TEST(OwnFolderFailure, AFailingDialogIsReportedAndChangesNothing) {
  fake::FakePlatform fakes;
  FailingShell shell;
  fakes.platform.shell = &shell;
  Form1 form(fakes.platform);
  form.PushButton9.Click();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].title, "Application Error");
  EXPECT_NE(fakes.messageBox.shown[0].text.find("Form1.PushButton9_Click"), std::string::npos);
  EXPECT_NE(fakes.messageBox.shown[0].text.find("102"), std::string::npos);
  EXPECT_EQ(form.Text1.Text(), "");
  EXPECT_EQ(fakes.settings.writes, 0);
}

TEST(Help, NamesTheTemporaryFolder) {
  fake::FakePlatform fakes;
  Form1 form(fakes.platform);
  form.ApplicationTitle = "Vantrelle";
  fakes.environment.Set("TEMP", "C:\\Users\\ann\\AppData\\Local\\Temp");
  form.PushButton1.Click();
  fakes.environment.values.clear();
  form.PushButton1.Click();
  ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
  EXPECT_EQ(fakes.messageBox.shown[0].text, "C:\\Users\\ann\\AppData\\Local\\Temp is your temporary folder.");
  EXPECT_EQ(fakes.messageBox.shown[0].title, "Vantrelle");
  EXPECT_EQ(fakes.messageBox.shown[0].icon, platform::MessageIcon::None);
  EXPECT_EQ(fakes.messageBox.shown[1].text, " is your temporary folder.");
}

TEST(AddFolderPaths, TrailingBackslashIsAddedOnce) {
  EXPECT_EQ(AddFolder::WithTrailingBackslash(""), "\\");
  EXPECT_EQ(AddFolder::WithTrailingBackslash("C:"), "C:\\");
  EXPECT_EQ(AddFolder::WithTrailingBackslash("C:\\a\\"), "C:\\a\\");
}

}  // namespace
}  // namespace vantrelle
