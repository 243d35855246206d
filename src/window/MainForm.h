#pragma once
// The main window's logic: its controls, the handlers that wire them to the components (the cleaning
// run, the countdown, the tray icon, start with Windows), on the platform services it is given.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/Texts.h"
#include "desktop/TrayIcon.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "schedule/Countdown.h"
#include "window/AddedOptionsPanel.h"
#include "window/Controls.h"
#include "window/ErrorReportBox.h"
#include "window/community/WeeklyListCheck.h"
#include "window/history/HistoryWindow.h"
#include "window/LocationsPanel.h"
#include "window/morelocations/MoreLocationsChoice.h"
#include "window/preview/PreviewWindow.h"
#include "window/SchedulePanel.h"
#include "window/StartUpPanel.h"
#include "window/StatusPanel.h"

namespace vantrelle::cleaning {
struct Choices;
struct RunResult;
enum class Trigger;
}  // namespace vantrelle::cleaning
namespace vantrelle::settings {
struct Key;
class EffectiveSettings;
}  // namespace vantrelle::settings

namespace vantrelle {

// Window caption, tray tooltip, balloon title and, for one word, the application title.
inline constexpr char kProductName[] = "Vantrelle";

enum class WindowState { Normal, Minimized };
enum class MousePointer { Default, Custom };

// The view of the window itself (caption, visibility, state, pointer, colours).
class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  // MainForm's window-level fields changed: put them on the screen.
  virtual void WindowChanged() = 0;
  // Bring the window to the front with the input focus.
  virtual void Activate() = 0;
  // Load a cursor file as the window's own pointer; false when it is no cursor that can be loaded.
  virtual bool LoadPointer(const std::string& file) = 0;
};

// The window owns its panels, each owning its controls: a test reaches a control through its panel,
// as `form.schedulePanel.hoursBox`.
class MainForm : private AddedOptionsHost, private ScheduleHost {
 private:
  platform::Platform& platform_;  // first of the members: the components are built from it
  schedule::Countdown countdown_;  // built before the schedule's panel, which times it

 public:
  explicit MainForm(platform::Platform& platform);
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  platform::Platform& Platform() const { return platform_; }

  // A modal OK-only box without icon, titled with the application title.
  void MsgBox(const std::string& text) const;
  std::string applicationTitle = kProductName;

  // --- the window itself, as the view shows it ---
  std::string caption = "Form1";
  WindowState windowState = WindowState::Normal;
  bool windowVisible = false;
  // The real window once the view has created it; 0 while there is none.
  platform::WindowHandle windowHandle = 0;
  MousePointer pointer = MousePointer::Default;
  // The hand pointer file beside the program, when start-up found and loaded one.
  std::string customPointerFile;
  // The window and its option buttons, tick boxes, frames and labels take the system's
  // button-face colour instead of white.
  bool buttonFaceBackground = false;
  // Start-up found another copy running, or the window has closed: the program ends.
  bool endRequested = false;
  // Start-up is restoring the controls from the settings store.
  bool isLoading = false;
  // The window was minimised to the tray and has not been brought back.
  bool hiddenInTray = false;
  // The panels, each with its controls; declared after the fields above, which they hold references to.
  StatusPanel statusPanel;
  SchedulePanel schedulePanel;
  StartUpPanel startUpPanel;
  LocationsPanel locationsPanel;
  AddedOptionsPanel optionsPanel;
  // Every control of every panel.
  std::vector<Control*> Controls();
  void SetWindowObserver(WindowObserver* observer) { windowObserver_ = observer; }
  // The view's "More locations..." dialog; without one the button does nothing.
  void SetMoreLocationsDialog(MoreLocationsDialog* dialog) { moreDialog_ = dialog; }
  // The view's "Preview" window; without one the preview's figures show in a box.
  void SetPreviewWindowView(PreviewWindowView* view) { previewView_ = view; }
  // The view's "History" window; without one the button opens the log as it is.
  void SetHistoryWindowView(HistoryWindowView* view) { historyView_ = view; }
  // Tells the view that the window-level fields above changed.
  void WindowChanged();

  desktop::TrayIcon trayIcon{platform_};

  // The settings store with the policies over it (the one the platform's settings point to), or
  // nothing: then no control is ever locked.
  void SetPolicies(settings::EffectiveSettings* policies) { policies_ = policies; }
  // The Policies keys changed (or a run is about to start): read them again, show the controls whose
  // effective value changed, and lock those policy forces.
  void PoliciesChanged();

  // The count towards the next scheduled run.
  const schedule::Countdown& Countdown() const { return countdown_; }

  // --- start-up, window events and closing ---
  // Restores every control from the settings store, in a fixed order.
  void Load();
  // The window was minimised, restored or sized: minimised, it goes to the tray.
  void Resized();
  // The window closes, for whatever reason: the schedule stops and the tray icon goes.
  void Close();
  // The mouse moved over the window's own background.
  void MouseOverBackground();
  // The mouse moved over a push button or the Windows Temp box.
  void ShowHandPointer();
  // The shell's special folder as start-up reads it: a 512-character buffer holding the path and a NUL.
  std::string GetSpecialFolderPath(int folderId) const;
  // Opens the maker's home page once in a hundred starts.
  void OpenHomePageAtRandom();

  // --- work in the background, once the window is up ---
  // Starts it (the weekly check of the community's list). `wake` is called on the worker's thread;
  // the view answers it on the window's thread with BackgroundWoke.
  void StartBackgroundWork(std::function<void()> wake);
  void BackgroundWoke();

 private:
  void WireEvents();
  // The person's display language (English on a platform without a locale), and a text in it.
  Language DisplayLanguage() const;
  std::string_view TextOf(TextId id) const;
  // The stored summary of the last run; the stored "never" in the person's language.
  void ShowLastRun(const std::string& stored);
  void TrayIconMouseUp(std::int16_t button, std::int32_t id);

  // Start-up's helpers.
  bool FileIsPresent(const std::string& path) const;
  // The window's own pointer from a cursor file; "Invalid picture" when it cannot be loaded.
  void LoadCustomPointer(const std::string& file);
  void ApplySkin();
  void SetApplicationTitle();

  // The countdown, the switch and the delete-now button.
  void CountdownTicked();
  void ScheduleSwitchClicked();
  void DeleteNowClicked();
  // The locations ticked, the own folder and the age rule, as they stand now.
  cleaning::Choices CurrentChoices(cleaning::Trigger trigger) const;
  // One cleaning run, unless a run or a preview is under way already (a click during their yields).
  void RunDeletion(cleaning::Trigger trigger);

  // What a run did, the age rule, the preview and the history.
  void ReportRun(const cleaning::RunResult& result);
  void PreviewClicked();
  // The preview window's walk ended (or the window closed): runs may start again.
  void PreviewEnded(const cleaning::PreviewResult& result);
  void HistoryClicked();

  // What the panels ask of the window.
  void Tell(const std::string& text) const override { MsgBox(text); }
  bool SwitchedOn() const override { return statusPanel.ScheduleOn(); }
  bool Busy() const override { return deletionRunActive_ || previewActive_; }
  bool Ending() const override { return endRequested; }
  void RunForLowSpace() override;
  // The further locations: the dialog, the line that counts them, what the last preview or run found.
  void MoreClicked();
  void ShowMoreChosen();
  // As stored: the store is where each choice goes the moment it is made.
  std::vector<std::string> ChosenMoreLocations() const;
  void RememberFound(const cleaning::RunResult& result);
  void RememberFound(const cleaning::PreviewResult& result);
  // Policies: the controls each setting shows, and putting its effective value back into them.
  std::vector<std::pair<const settings::Key*, Control*>> ManagedControls();
  void RestoreSetting(const settings::Key& key);
  void RestoreSchedule();
  // Locks the forced controls and shows the managed line while any is.
  void ShowManagedControls();
  // Start-up restores the box without touching the Run entry: a forced choice must hold there too.
  void KeepForcedStartWithWindows();

  WindowObserver* windowObserver_ = nullptr;
  MoreLocationsDialog* moreDialog_ = nullptr;
  PreviewWindowView* previewView_ = nullptr;
  HistoryWindowView* historyView_ = nullptr;
  FoundSizes moreFound_;
  settings::EffectiveSettings* policies_ = nullptr;
  ErrorReportBox errorReport_;
  bool deletionRunActive_ = false;
  bool communityListReported_ = false;  // an unreadable community list was reported this session
  bool previewActive_ = false;
  // Last: its thread ends before anything it was given goes.
  WeeklyListCheck weeklyListCheck_{platform_};

  friend class WindowRunHost;
};

}  // namespace vantrelle
