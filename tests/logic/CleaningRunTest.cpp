#include <gtest/gtest.h>

#include "CleaningFixture.h"
#include "cleaning/modDeleteTempFiles.h"
#include "shell/RuntimeError.h"

namespace vantrelle::testing {
namespace {

using modDeleteTempFiles::DeleteTemporaryFiles;

class RunTest : public CleaningTest {
 protected:
  RunTest() {
    fake.shell.specialFolders[8] = "C:\\Users\\bob\\Recent";
    fake.files.AddFolder("C:\\Users\\bob\\Recent");
    fake.files.AddFolder("C:\\Work\\Cache");
    fake.files.tempPath = "C:\\Windows\\TEMP\\";
  }
  void TickAll() {
    for (CheckBox* box : {&form.Check1, &form.Check2, &form.Check4, &form.Check5, &form.Check6, &form.Check7}) {
      box->SetValue(1);
    }
  }
};

TEST_F(RunTest, VisitsTheSixLocationsInItsOwnOrderAndSwitchesTheTimerOffAndOn) {
  TickAll();
  form.Text1.SetText("C:\\Work\\Cache");
  std::vector<bool> timerDuringRun;
  fake.events.onDoEvents = [&] { timerDuringRun.push_back(form.Timer1.Enabled()); };

  DeleteTemporaryFiles(form);

  EXPECT_EQ(StatusTextsStartingWith("Process deleting files..."),
            (std::vector<std::string>{
                "Process deleting files...Windows Temp",
                "Process deleting files...Recycle Bin",
                "Process deleting files...Most Recent",
                "Process deleting files...User Temp (AppData) - C:\\Users\\bob\\AppData\\Roaming\\Temp",
                "Process deleting files...System Temp - C:\\Users\\bob\\AppData\\Local\\Temp",
                "Process deleting files...C:\\Work\\Cache",
            }));
  EXPECT_TRUE(fake.messageBox.shown.empty());
  ASSERT_FALSE(timerDuringRun.empty());
  for (bool enabled : timerDuringRun) EXPECT_FALSE(enabled);
  EXPECT_TRUE(form.Timer1.Enabled());
}

TEST_F(RunTest, WithNothingTickedOnlyTheTimerAndOneYieldHappen) {
  form.Timer1.SetEnabled(false);
  DeleteTemporaryFiles(form);
  EXPECT_TRUE(status.texts.empty());
  EXPECT_TRUE(fake.messageBox.shown.empty());
  EXPECT_EQ(fake.events.calls, 1);
  EXPECT_TRUE(form.Timer1.Enabled());
}

struct FailureCase {
  const char* name;
  CheckBox Form1::*box;
  std::function<void(fake::FakePlatform&, Form1&)> arrange;
  const char* message;
};

TEST_F(RunTest, EachFailingLocationShowsItsOwnMessageAndTheRunGoesOn) {
  const FailureCase cases[] = {
      {"no active form", &Form1::Check5, [](auto&, Form1& f) { f.hWnd = 0; },
       "Error encountered during emptying files in recycle bin."},
      {"no fixed drive", &Form1::Check5,
       [](auto& p, Form1&) {
         p.files.driveTypes = {{"A:\\", 2}};
       },
       "Error encountered during emptying files in recycle bin."},
      {"shortcut left", &Form1::Check6,
       [](auto& p, Form1&) {
         p.files.AddFile("C:\\Users\\bob\\Recent\\a.lnk");
         p.files.Lock("C:\\Users\\bob\\Recent\\a.lnk");
       },
       "Error encountered during emptying files in most recent."},
      {"no user temp", &Form1::Check4,
       [](auto& p, Form1&) { p.files.Remove("C:\\Users\\bob\\AppData\\Roaming\\Temp"); },
       "Error encountered during emptying files in user temp."},
      {"system temp missing", &Form1::Check2, [](auto& p, Form1&) { p.environment.Set("TEMP", "C:\\Nowhere\\Temp"); },
       "Error encountered during emptying files in System temp."},
      {"system temp not temp", &Form1::Check2, [](auto& p, Form1&) { p.environment.Set("TEMP", "C:\\Work\\Cache"); },
       "Error encountered during emptying files in System temp."},
      {"own folder empty", &Form1::Check7, [](auto&, Form1& f) { f.Text1.SetText(""); },
       "Error encountered during emptying files in ."},
      {"own folder root", &Form1::Check7, [](auto&, Form1& f) { f.Text1.SetText("C:\\"); },
       "Error encountered during emptying files in C:\\."},
      {"own folder four", &Form1::Check7,
       [](auto& p, Form1& f) {
         p.files.AddFolder("C:\\a");
         f.Text1.SetText("C:\\a");
       },
       "Error encountered during emptying files in C:\\a."},
      {"own folder missing", &Form1::Check7, [](auto&, Form1& f) { f.Text1.SetText("C:\\Nowhere"); },
       "Error encountered during emptying files in C:\\Nowhere."},
  };
  for (const auto& c : cases) {
    fake::FakePlatform platform;
    platform.files.AddFolder("C:\\Users\\bob\\AppData\\Roaming\\Temp");
    platform.files.AddFolder("C:\\Users\\bob\\Recent");
    platform.files.AddFolder("C:\\Work\\Cache");
    platform.files.AddFile("C:\\Work\\Cache\\keep.txt");
    platform.shell.specialFolders[8] = "C:\\Users\\bob\\Recent";
    platform.environment.Set("APPDATA", "C:\\Users\\bob\\AppData\\Roaming");
    Form1 window(platform.platform);
    window.hWnd = 1;
    (window.*(c.box)).SetValue(1);
    c.arrange(platform, window);

    DeleteTemporaryFiles(window);

    EXPECT_EQ(platform.messageBox.Texts(), std::vector<std::string>{c.message}) << c.name;
    EXPECT_EQ(platform.messageBox.shown.at(0).title, window.ApplicationTitle) << c.name;
    EXPECT_TRUE(platform.files.Exists("C:\\Work\\Cache\\keep.txt")) << c.name;
    EXPECT_TRUE(window.Timer1.Enabled()) << c.name;
  }
}

TEST_F(RunTest, TheOwnFolderIsRefusedWhenItIsOrHoldsASystemOrProfileFolder) {
  fake.shell.specialFolders[0x0005] = "C:\\Users\\bob\\Documents";
  fake.files.AddFolder("C:\\Program Files");
  fake.files.AddFolder("C:\\Users\\alice\\Pictures");
  fake.files.AddFolder("C:\\Users\\bob\\Documents\\Old");
  fake.files.SetShortName("C:\\Program Files", "PROGRA~1");
  fake.files.AddFile("C:\\Users\\bob\\Documents\\Old\\letter.doc");
  fake.files.AddFile("C:\\Users\\alice\\Pictures\\cat.jpg");
  fake.files.AddFile("C:\\Program Files\\app.exe");
  fake.files.AddFile("C:\\Windows\\Temp\\x.tmp");
  form.Check7.SetValue(1);
  for (const char* refused :
       {"C:\\Windows", "C:\\Users", "C:\\Users\\bob", "C:\\Users\\bob\\Documents", "C:\\Users\\alice\\Pictures",
        "C:\\Users\\alice", "C:\\Program Files", "C:\\PROGRA~1", "C:\\Work\\..\\Users\\bob", "Users\\bob"}) {
    fake.messageBox.shown.clear();
    form.Text1.SetText(refused);
    DeleteTemporaryFiles(form);
    EXPECT_EQ(fake.messageBox.Texts(),
              std::vector<std::string>{std::string("Error encountered during emptying files in ") + refused + "."})
        << refused;
  }
  EXPECT_TRUE(fake.files.deleted.empty());

  // A folder inside a protected one is the person's to empty.
  form.Text1.SetText("C:\\Users\\bob\\Documents\\Old\\");
  DeleteTemporaryFiles(form);
  EXPECT_EQ(fake.files.deleted, std::vector<std::string>{"C:\\Users\\bob\\Documents\\Old\\letter.doc"});
}

TEST_F(RunTest, ARunStartedDuringTheRunsYieldIsIgnored) {
  form.Check4.SetValue(1);
  fake.files.AddFile("C:\\Users\\bob\\AppData\\Roaming\\Temp\\a.tmp");
  fake.files.AddFile("C:\\Users\\bob\\AppData\\Roaming\\Temp\\b.tmp");
  int nested = 0;
  fake.events.Queue([&] {
    ++nested;
    DeleteTemporaryFiles(form);  // the delete-now button pressed again
  });

  DeleteTemporaryFiles(form);

  EXPECT_EQ(nested, 1);
  EXPECT_EQ(StatusTextsStartingWith("Process deleting files...").size(), 1u);
  EXPECT_EQ(fake.files.deleted.size(), 2u);
  EXPECT_FALSE(form.DeletionRunActive);
  EXPECT_TRUE(form.Timer1.Enabled());
  DeleteTemporaryFiles(form);  // and a later run starts as usual
  EXPECT_EQ(StatusTextsStartingWith("Process deleting files...").size(), 2u);
}

TEST_F(RunTest, FailingStatementsAreReportedAtTheirOwnLinesAndTheRunGoesOn) {
  form.Check5.SetValue(1);
  form.Check6.SetValue(1);
  form.hWnd = 0;                       // recycle bin fails
  fake.shell.specialFolders.erase(8);  // recent documents fail
  fake.messageBox.onShow = [](const fake::FakeMessageBox::Shown& shown) {
    if (shown.title != "Application Error") throw RuntimeError(5, "Invalid procedure call or argument");
  };

  DeleteTemporaryFiles(form);

  // The message box, called from the run without a guard of its own, fails at the calling line.
  std::vector<std::string> reports;
  for (const auto& shown : fake.messageBox.shown) {
    if (shown.title == "Application Error") reports.push_back(shown.text);
  }
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].rfind("Invalid procedure call or argument\r\nin Vantrelle2021/08/31.modDeleteTempFiles."
                             "DeleteTemporaryFiles at line 116\r\r",
                             0),
            0u);
  EXPECT_NE(reports[1].find("DeleteTemporaryFiles at line 124\r\r"), std::string::npos);
  EXPECT_TRUE(form.Timer1.Enabled());
}

}  // namespace
}  // namespace vantrelle::testing
