#pragma once
// One real control for one layout entry. It copies the model control's state onto the screen and
// turns the control's notifications into the model calls a person's action means.
#include <windows.h>

#include <string>

#include "platform/win32/ScopedHandle.h"
#include "window/Controls.h"
#include "window/Layout.h"

namespace vantrelle::win32 {

// Child-window identifiers: clear of IDOK and IDCANCEL, which dialog navigation sends on Enter/Esc.
inline constexpr int kFirstControlId = 1000;
// The identifier of the named control's window (its place in the layout table), or 0.
int ControlId(std::string_view name);

class ControlView {
 public:
  ControlView(const layout::Entry& entry, Control& model, Language language);

  // The DPI and font the control will have; captions are measured on `measuring`, a DC that
  // outlives the view. Before Create, so the window can arrange the controls before making them.
  void Measure(UINT dpi, HFONT font, HDC measuring);
  // Makes the control at its arranged place (twips in the window), with its font and caption and in
  // its model's state, so that building the window moves and repaints nothing.
  void Create(HWND parent, const layout::Rect& inWindow);
  // Moves and sizes the control for the parent's DPI to its arranged place, with the font for that
  // DPI (nullptr keeps its font).
  void Place(UINT dpi, HFONT font, const layout::Rect& inWindow);
  // Grows with its caption: the pixels that caption needs, 0 for the kinds that never grow.
  int WantedWidth() const;
  bool GrowsWithCaption() const;

  // Model to screen. The caption is kept apart so the window can pace its repaints.
  void ShowState();
  bool CaptionPending() const;
  void ShowCaption();

  // Screen to model, from WM_COMMAND or WM_NOTIFY.
  void Command(UINT code);
  void Notify(const NMHDR& header);

  HWND Handle() const { return window_; }
  const layout::Entry& Entry() const { return entry_; }
  Control& Model() const { return model_; }
  // A person may use it: enabled by the logic and not locked by policy.
  bool Usable() const { return model_.Enabled() && !model_.Locked(); }

 private:
  void ShowTextBox(TextBox& box);
  void ShowTimePicker(const TimePicker& picker);
  void Focus(bool got);

  const layout::Entry& entry_;
  Control& model_;
  char accessKey_;         // the letter marked in the caption in the person's language, or '\0'
  HWND window_ = nullptr;  // destroyed with its parent
  UINT dpi_ = 0;
  HFONT font_ = nullptr;     // owned by the window
  HDC measuring_ = nullptr;  // owned by the window
  std::wstring shownCaption_;
  bool captionShown_ = false;
  int seenSelectRequests_ = 0;
  // True while this view writes to the control, so that the control's notification of that write
  // is not taken for a person's change.
  bool writing_ = false;
};

}  // namespace vantrelle::win32
