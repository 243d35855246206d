#pragma once
// The "More locations..." dialog: a real modal dialog with a checked list (Space ticks, the arrows
// move, Tab, Enter and Esc as in any dialog) and the chosen item's description under it. Each tick
// goes to the model at once; the view holds no behaviour of its own.
#include <windows.h>
#include <commctrl.h>

#include "window/MoreLocationsChoice.h"

namespace vantrelle::win32 {

class MoreLocationsDialogView : public MoreLocationsDialog {
 public:
  static constexpr int kListId = 101;
  static constexpr int kDescriptionId = 102;
  static constexpr int kNoteId = 103;

  explicit MoreLocationsDialogView(HINSTANCE instance) : instance_(instance) {}
  void ShowModal(platform::WindowHandle owner, MoreLocationsChoice& choice) override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  void Fill(HWND dialog);
  void ItemChanged(HWND dialog, const NMLISTVIEW& change);
  void ShowDescription(HWND dialog, int index);

  HINSTANCE instance_;
  MoreLocationsChoice* choice_ = nullptr;
  bool filling_ = false;  // ticks set while filling or undoing are not the person's
};

}  // namespace vantrelle::win32
