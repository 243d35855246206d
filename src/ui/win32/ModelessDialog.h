#pragma once
// A modeless dialog made from an in-memory template, beside its owner: the window procedure's thunk,
// its keys (Tab, Esc, Enter) through IsDialogMessage, and placing controls in dialog units. The
// window's own content comes from the class that derives from it.
#include <windows.h>

#include "ui/win32/DialogTemplate.h"

namespace vantrelle::win32 {

class ModelessDialog {
 public:
  ModelessDialog(const ModelessDialog&) = delete;
  ModelessDialog& operator=(const ModelessDialog&) = delete;

  // Keys of the window when the message is for it or one of its controls.
  bool Navigate(MSG& message);
  // Brings the open window to the front; false when none is open.
  bool OpenToFront();
  HWND Handle() const { return dialog_; }

 protected:
  explicit ModelessDialog(HINSTANCE instance) : instance_(instance) {}
  virtual ~ModelessDialog();

  // Creates and shows the window; false when it could not be made.
  bool Create(const DialogTemplate& dialog, HWND owner);
  void Close();
  // The window was made: its controls exist, nothing is shown yet.
  virtual void Created() = 0;
  // Every message after WM_INITDIALOG; WM_NCDESTROY comes last, with Handle() still set.
  virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  // A rectangle in dialog units, in the window's pixels now.
  RECT Pixels(int x, int y, int width, int height) const;
  void Place(int id, int x, int y, int width, int height) const;
  // The client area's size in dialog units.
  SIZE ClientUnits() const;

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
  HWND dialog_ = nullptr;
};

}  // namespace vantrelle::win32
