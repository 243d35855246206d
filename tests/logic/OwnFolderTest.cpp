#include <gtest/gtest.h>

#include <string>

#include "LogicTest.h"
#include "base/RuntimeError.h"

namespace vantrelle::testing {
namespace {

using OwnFolder = LogicTest;

TEST_F(OwnFolder, TheChosenFolderGoesIntoTheBoxWithOneTrailingBackslash) {
  struct Case {
    const char* chosen;
    const char* text;
  };
  static constexpr Case kCases[] = {
      {"C:\\", "C:\\"},
      {"D:\\Work\\Scratch", "D:\\Work\\Scratch\\"},
      {"C:", "C:\\"},  // a drive without its backslash gets one
      {"\\\\server\\share\\tmp", "\\\\server\\share\\tmp\\"},
      {"C:\\Ünïcode földer", "C:\\Ünïcode földer\\"},
  };
  for (const Case& c : kCases) {
    fakes.shell.browseAnswer = c.chosen;
    form.locationsPanel.browseButton.Click();
    EXPECT_EQ(form.locationsPanel.ownFolderPathBox.Text(), c.text);
    EXPECT_EQ(Stored("Text1"), c.text);  // through the box's own change handling
    EXPECT_EQ(Stored("LastFolderDot"), c.chosen);
  }
}

TEST_F(OwnFolder, TheNextBrowseOpensWhereTheLastOneEnded) {
  form.windowHandle = 0x1234;
  form.locationsPanel.browseButton.Click();  // nothing stored yet, and the dialog is cancelled
  fakes.shell.browseAnswer = "D:\\Data";
  form.locationsPanel.browseButton.Click();
  form.locationsPanel.browseButton.Click();
  ASSERT_EQ(fakes.shell.browseCalls.size(), 3u);
  EXPECT_EQ(fakes.shell.browseCalls[0].startFolder, "");
  EXPECT_EQ(fakes.shell.browseCalls[1].startFolder, "");
  EXPECT_EQ(fakes.shell.browseCalls[2].startFolder, "D:\\Data");
  EXPECT_EQ(fakes.shell.browseCalls[2].title, "Please select folder:");
  EXPECT_EQ(fakes.shell.browseCalls[2].owner, 0x1234u);
  EXPECT_EQ(Stored("LastFolder"), "D:\\Data");
}

TEST_F(OwnFolder, CancellingOrAVirtualChoiceChangesNothing) {
  form.locationsPanel.ownFolderPathBox.SetText("E:\\Mine\\");
  const int writes = fakes.settings.writes;
  fakes.shell.browseAnswer.reset();
  form.locationsPanel.browseButton.Click();
  fakes.shell.browseAnswer = "";
  form.locationsPanel.browseButton.Click();
  EXPECT_EQ(form.locationsPanel.ownFolderPathBox.Text(), "E:\\Mine\\");
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

TEST_F(OwnFolder, AFailingDialogIsReportedAndChangesNothing) {
  FailingShell shell;
  fakes.platform.shell = &shell;
  form.locationsPanel.browseButton.Click();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].title, "Application Error");
  EXPECT_NE(fakes.messageBox.shown[0].text.find("Form1.PushButton9_Click"), std::string::npos);
  EXPECT_NE(fakes.messageBox.shown[0].text.find("102"), std::string::npos);
  EXPECT_EQ(form.locationsPanel.ownFolderPathBox.Text(), "");
  EXPECT_EQ(fakes.settings.writes, 0);
  fakes.platform.shell = &fakes.shell;
}

using Help = LogicTest;

TEST_F(Help, NamesTheTemporaryFolder) {
  form.applicationTitle = "Vantrelle";
  fakes.environment.Set("TEMP", "C:\\Users\\ann\\AppData\\Local\\Temp");
  form.statusPanel.helpButton.Click();
  fakes.environment.values.clear();
  form.statusPanel.helpButton.Click();
  ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
  EXPECT_EQ(fakes.messageBox.shown[0].text, "C:\\Users\\ann\\AppData\\Local\\Temp is your temporary folder.");
  EXPECT_EQ(fakes.messageBox.shown[0].title, "Vantrelle");
  EXPECT_EQ(fakes.messageBox.shown[0].icon, platform::MessageIcon::None);
  EXPECT_EQ(fakes.messageBox.shown[1].text, " is your temporary folder.");
}

}  // namespace
}  // namespace vantrelle::testing
