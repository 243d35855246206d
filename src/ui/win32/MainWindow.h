#pragma once
// The real main window: one real control per layout entry, kept in step with MainForm's controls.
// It holds no behaviour: a person's action becomes the model call a test would make, and the
// window's own events (minimise, close) go to the WindowEvents the program gives it.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/ScopedHandle.h"
#include "ui/win32/ControlView.h"
#include "window/MainForm.h"

namespace vantrelle::win32 {

class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  // The window was minimised, restored or sized; MainForm::windowState already tells which.
  virtual void Resized() = 0;
  // The person (or the system) asks the window to close.
  virtual void CloseRequested() = 0;
};

class MainWindow : public ControlObserver {
 public:
  static constexpr wchar_t kClassName[] = L"Vantrelle.Form1";
  static constexpr UINT_PTR kCountdownTimerId = 1;
  static constexpr UINT_PTR kCaptionTimerId = 2;
  static constexpr UINT_PTR kLowSpaceTimerId = 3;
  // Posted from a thread working for the window (MainForm::StartBackgroundWork): look what it did.
  static constexpr UINT kBackgroundMessage = WM_APP + 8;
  // Captions (above all the status line) are repainted at most this often; the model stays exact.
  static constexpr std::uint64_t kCaptionPaceMs = 50;

  // `iconId` names the program's icon resource in `instance` (0 for none).
  MainWindow(MainForm& form, WindowEvents& events, HINSTANCE instance, int iconId);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow() override;

  // Creates the window and its controls, hidden, and tells MainForm its handle. False on failure.
  bool Create();
  void Destroy();
  // Puts MainForm's caption, visibility, state, background colour and pointer on the screen.
  void ShowForm();
  // Keyboard navigation (Tab, Shift+Tab) for a message of the loop; true when it was used.
  bool Navigate(MSG& message);
  // The pointer shown while MainForm asks for its own; false when the file holds no cursor.
  bool LoadHandCursor(const std::string& file);

  HWND Handle() const { return window_.Get(); }
  const ControlView* View(std::string_view name) const;
  UINT Dpi() const { return dpi_; }

  // The window procedure's work, callable from a test.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void ControlChanged(Control& control) override;
  void FocusRequested(Control& control) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  ControlView* ViewOf(const Control& control) const;
  ControlView* ViewById(int id) const;
  ControlView* ViewByWindow(HWND control) const;
  void CreateControls();
  HFONT FontOf(const ControlView& view) const;
  // A text of the table in the person's display language.
  Language DisplayLanguage() const;
  std::string TextOf(TextId id) const;
  void MakeFonts();
  // The outer size that gives the layout's client area at that DPI.
  static SIZE OuterSize(UINT dpi);
  void FitWindow();
  void ApplyDpi(UINT dpi);
  // Every control at the place the layout gives it with the room its caption now needs (new fonts
  // after a change of DPI).
  void Arrange(bool newFonts);
  // Where each control goes with the room its caption needs (indexed like the layout's entries).
  std::vector<layout::Rect> Places() const;
  static std::size_t IndexOf(const ControlView& view);
  void LoadIcons();
  void PaceCaption(ControlView& view);
  void ShowPendingCaptions();
  // A model timer as the window's real timer: running at its interval while enabled.
  struct TimerShown {
    bool running = false;
    std::int32_t interval = 0;
  };
  void ShowTimer(const Timer& timer, UINT_PTR id, TimerShown& shown);
  void ShowTimers();
  // The managed tip over a locked control, held by the window itself: a disabled control gets no mouse.
  void ShowManagedTip(const ControlView& view, bool placeChanged);
  void OnSize(WPARAM kind);
  void OnActivate(WPARAM state);
  // The background from the system's colours; again when they change (high contrast, a theme).
  void ApplyBackground();
  void SystemColoursChanged(UINT message, WPARAM wParam, LPARAM lParam);
  // The arrow keys move between the option buttons of a group and choose the one they reach, as in
  // any dialog; true when the key was such a move.
  bool MoveInOptionGroup(const MSG& message);
  bool PressFocusedButton(const MSG& message);
  bool ShowPointer();
  // Runs a model call; a failure the model does not handle itself is shown, not let loose in the
  // window procedure.
  template <class Call>
  void Safely(Call&& call);

  MainForm& form_;
  WindowEvents& events_;
  HINSTANCE instance_;
  int iconId_;
  WindowHandle window_;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::vector<std::unique_ptr<ControlView>> views_;
  FontHandle windowFont_;
  FontHandle buttonFont_;
  MemoryDc measuring_;  // where captions are measured, without asking a control for its DC
  BrushHandle background_;
  COLORREF backColour_ = CLR_INVALID;  // the system colour the brush was made of
  CursorHandle handCursor_;
  IconHandle bigIcon_;
  IconHandle smallIcon_;
  HWND lastFocus_ = nullptr;
  HWND tooltip_ = nullptr;  // made when first needed, destroyed with the window, its owner
  std::set<const ControlView*> tipped_;
  std::wstring managedTip_;
  std::wstring shownCaption_;  // the title bar's text
  std::uint64_t lastCaptionPaint_ = 0;
  bool captionTimerSet_ = false;
  TimerShown countdownTimerShown_;
  TimerShown lowSpaceTimerShown_;
};

}  // namespace vantrelle::win32
