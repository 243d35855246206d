#pragma once
// The main window's logic: every control, the schedule fields and the handlers, on the platform
// services it is given. Handlers live in the folder of the subsystem that owns them.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Platform.h"
#include "platform/Shell.h"
#include "shell/Controls.h"

namespace vantrelle {

enum class WindowState { Normal, Minimized };

class Form1 {
 public:
  explicit Form1(platform::Platform& platform);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  platform::Platform& Platform() const { return platform_; }

  // A modal OK-only box without icon, titled with the application title.
  void MsgBox(const std::string& text) const;
  std::string ApplicationTitle = "Vantrelle";

  // --- window ---
  std::string Caption = "Form1";
  WindowState State = WindowState::Normal;
  bool WindowVisible = false;
  // The real window once the view has created it; 0 while there is none (no active form).
  platform::WindowHandle hWnd = 0;

  // --- controls, in the order of the design ---
  Frame Frame4{"Frame4", "Switch Schedule"};
  OptionGroup ScheduleOptions;
  OptionButton Option1{"Option1", " Weekly:", ScheduleOptions};
  ListBox cboWeekly{"cboWeekly",
                    {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}};
  OptionButton Option2{"Option2", "Daily:", ScheduleOptions};
  OptionButton Option3{"Option3", "Switch every:", ScheduleOptions};
  TextBox Text11{"Text11"};
  TextBox Text2{"Text2"};
  TextBox Text3{"Text3"};
  TimePicker dtpWeekly{"dtpWeekly"};
  Label Label5{"Label5", "hour/s"};
  Label Label4{"Label4", "minute/s"};
  Label Label3{"Label3", "day/s"};
  PushButton PushButton1{"PushButton1", "Help"};
  Frame Frame3{"Frame3", "Startup Options"};
  CheckBox Check3{"Check3", "Load this software on Windows startup"};
  CheckBox Check8{"Check8", "Start in system tray"};
  Frame Frame2{"Frame2", "On. Next delete will occur in:"};
  ProgressBar ProgressBar1{"ProgressBar1"};
  Frame Frame1{"Frame1", "Which temporary files would you like to delete?"};
  TextBox Text1{"Text1"};
  CheckBox Check7{"Check7", "Add your own folder to delete:"};
  CheckBox Check2{"Check2", "System Temp"};
  CheckBox Check4{"Check4", "User Temp (AppData)"};
  CheckBox Check1{"Check1", " Windows Temp"};
  CheckBox Check5{"Check5", "Recycle Bin"};
  CheckBox Check6{"Check6", "Recently Used Docs"};
  PushButton PushButton9{"PushButton9", "..."};
  Label Label2{"Label2", "Label1"};
  Label Label1{"Label1", "Label1"};
  Timer Timer1{"Timer1"};
  PushButton PushButton4{"PushButton4", "Turn On"};
  PushButton PushButton2{"PushButton2", "Start Deleting Temporary Files Now (Test)"};

  // --- schedule fields ---
  std::int32_t Duration = 0;
  std::int32_t Elapsed = 0;
  // The clock reading (seconds on the local calendar) the count has advanced to: the count follows
  // the clock, so a sleeping computer or a late tick does not delay a run. Empty before any count.
  std::optional<std::int64_t> CountedUpTo;
  // A number box changed since the interval was last computed.
  bool ScheduleBoxEdited = false;

  // --- start-up state ---
  bool IsLoading = false;
  bool HiddenInTray = false;

  // A deletion run is under way; a second one is refused until it ends.
  bool DeletionRunActive = false;

  // --- schedule panel, countdown and switch (src/schedule) ---
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void cboWeekly_Click();
  void dtpWeekly_Change();
  void dtpWeekly_Click();
  void Text3_Change();
  void Text3_GotFocus();
  void Text3_LostFocus();
  void Text11_Change();
  void Text11_GotFocus();
  void Text11_LostFocus();
  void Text2_Change();
  void Text2_GotFocus();
  void Text2_LostFocus();
  void FindDuration();
  void Timer1_Timer();
  void PushButton4_Click();
  void PushButton2_Click();

  // --- location and start-up options (src/shell) ---
  void Check1_Click();
  void Check2_Click();
  void Check3_Click();
  void Check4_Click();
  void Check5_Click();
  void Check6_Click();
  void Check7_Click();
  void Check8_Click();
  void Text1_Change();

  // --- own folder and help (src/cleaning) ---
  void PushButton9_Click();
  void PushButton1_Click();

 private:
  void WireEvents();
  platform::Platform& platform_;
};

}  // namespace vantrelle
