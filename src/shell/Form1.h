#pragma once
// The main window's logic: every control, the schedule fields and the handlers, on the platform
// services it is given. Handlers live in the folder of the subsystem that owns them.

#include <cstdint>
#include <optional>
#include <string>

#include "desktop/cSysTray.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "shell/Controls.h"

namespace vantrelle {

// Window caption, tray tooltip, balloon title and, for one word, the application title.
inline constexpr char kProductName[] = "Vantrelle";

enum class WindowState { Normal, Minimized };
enum class MousePointer { Default, Custom };

// The view of the window itself (caption, visibility, state, pointer, colours).
class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  // Form1's window-level fields changed: put them on the screen.
  virtual void WindowChanged() = 0;
  // Bring the window to the front with the input focus.
  virtual void Activate() = 0;
};

class Form1 {
 private:
  platform::Platform& platform_;  // first: the tray control is built from it

 public:
  explicit Form1(platform::Platform& platform);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  platform::Platform& Platform() const { return platform_; }

  // A modal OK-only box without icon, titled with the application title.
  void MsgBox(const std::string& text) const;
  std::string ApplicationTitle = kProductName;

  // --- window ---
  std::string Caption = "Form1";
  WindowState State = WindowState::Normal;
  bool WindowVisible = false;
  // The real window once the view has created it; 0 while there is none (no active form).
  platform::WindowHandle hWnd = 0;
  MousePointer Pointer = MousePointer::Default;
  // The hand pointer file beside the program, when start-up found one.
  std::string CustomPointerFile;
  // The window and its option buttons, tick boxes, frames and labels take the system's
  // button-face colour instead of white.
  bool ButtonFaceBackground = false;
  // Start-up found another copy running, or the window has closed: the program ends.
  bool EndRequested = false;
  void SetWindowObserver(WindowObserver* observer) { windowObserver_ = observer; }
  // Tells the view that the window-level fields above changed.
  void WindowChanged();

  // --- controls, in the order of the design ---
  Frame Frame4{"Frame4", "Switch Schedule"};
  OptionGroup ScheduleOptions;
  OptionButton Option1{"Option1", " Weekly:", ScheduleOptions};
  ListBox cboWeekly{"cboWeekly", {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}};
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
  cSysTray cSysTray1{platform_};

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

  // --- start-up, tray and closing (src/shell) ---
  void Form_Load();
  void Form_Resize();
  void Form_QueryUnload();
  void cSysTray1_MouseUp(std::int16_t Button, std::int32_t Id);
  // The mouse moved over the window's own background.
  void Form_MouseMove();
  // The mouse moved over a push button or the Windows Temp box.
  void ShowHandPointer();
  bool FileIsPresent(const std::string& path) const;
  std::string GetSpecialFolderPath(int folderId) const;
  void ApplySkin();
  void OpenHomePageAtRandom();
  void SetApplicationTitle();

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
  WindowObserver* windowObserver_ = nullptr;
};

}  // namespace vantrelle
