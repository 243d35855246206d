#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ErrorReport.h"
#include "base/Guard.h"
#include "platform/fake/FakeLocale.h"
#include "platform/fake/FakeMessageBox.h"
#include "window/ErrorReportBox.h"

namespace vantrelle {
namespace {

TEST(ErrorReport, TextJoinsDescriptionLocationLineAndRequest) {
  EXPECT_EQ(ErrorReportText(location::kStartUp, 158, "Type mismatch"),
            "Type mismatch\r\nin Vantrelle2021/08/31.Form1.Form_Load at line 158\r\r"
            "Please email screenshot of this message to support@vantrelle.com");
}

int Fails() { throw TypeMismatch(); }  // an unguarded routine: its failure travels to the caller

// The window's box shows each report as the person sees it.
TEST(Guard, ReportsEachFailingLineAndResumesWithTheNext) {
  fake::FakeMessageBox box;
  ErrorReportBox reports(box);
  Guard guard(reports, location::kCountdownTick);
  std::vector<int> ran;
  guard.Line(100, [&] { ran.push_back(100); });
  guard.Line(102, [&] {
    Fails();
    ran.push_back(102);
  });
  guard.Line(104, [&] { ran.push_back(104); });
  guard.Line(106, [&] { throw Overflow(); });

  EXPECT_EQ(ran, (std::vector<int>{100, 104}));
  ASSERT_EQ(box.shown.size(), 2u);
  EXPECT_EQ(box.shown[0].title, "Application Error");
  EXPECT_EQ(box.shown[0].icon, platform::MessageIcon::Warning);
  EXPECT_NE(box.shown[0].text.find("Type mismatch\r\nin Vantrelle2021/08/31.Form1.Timer1_Timer at line 102"),
            std::string::npos);
  EXPECT_NE(box.shown[1].text.find("Overflow\r\n"), std::string::npos);
  EXPECT_NE(box.shown[1].text.find("at line 106\r\r"), std::string::npos);
}

TEST(Guard, AFailingConditionResumesInsideTheConditional) {
  fake::FakeMessageBox box;
  ErrorReportBox reports(box);
  Guard guard(reports, location::kStartUp);
  EXPECT_TRUE(guard.Test(154, [&]() -> bool { throw TypeMismatch(); }));
  EXPECT_FALSE(guard.Test(156, [] { return false; }));
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_NE(box.shown[0].text.find("at line 154"), std::string::npos);
}

// For a person whose Windows speaks German the box is German; the location stays as it is.
TEST(Guard, TheWindowsReportSpeaksThePersonsLanguage) {
  fake::FakeMessageBox box;
  fake::FakeLocale locale;
  locale.language = Language::German;
  ErrorReportBox reports(box, &locale);
  Guard(reports, location::kStartUp).Line(158, [] { throw TypeMismatch(); });
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].title, Text(Language::German, TextId::ErrorReportTitle));
  EXPECT_EQ(box.shown[0].text, ErrorReportText(location::kStartUp, 158,
                                               Text(Language::German, TextId::ErrorTypeMismatch), Language::German));
}

}  // namespace
}  // namespace vantrelle
