#pragma once
// A modeless dialog made from an in-memory template, beside its owner: the window procedure's thunk,
// its keys (Tab, Esc, Enter) through IsDialogMessage, and placing controls in dialog units. The
// window's own content comes from the class that derives from it.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <span>
#include <string>

#include "ui/win32/common/DialogTemplate.h"

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
  // The window's DPI now (96 before it exists).
  UINT Dpi() const;

 protected:
  // Spacing in dialog units shared by the windows.
  static constexpr short kMargin = 7;
  static constexpr short kRowHeight = 14;
  static constexpr short kButtonWidth = 76;
  static constexpr short kGap = 4;

  struct Column {
    std::wstring name;
    short width = 0;  // dialog units
    bool rightAligned = false;
  };

  explicit ModelessDialog(HINSTANCE instance) : instance_(instance) {}
  virtual ~ModelessDialog();

  // Creates and shows the window, which may not be made smaller than `smallest` dialog units; false
  // when it could not be made.
  bool Create(const DialogTemplate& dialog, HWND owner, SIZE smallest);
  void Close();
  // The window was made: its controls exist, nothing is shown yet.
  virtual void Created() = 0;
  // Places the controls for the client area's size (after every size or DPI change).
  virtual void Layout() = 0;
  // Every other message after WM_INITDIALOG; WM_NCDESTROY comes last, with Handle() still set.
  virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  void AddColumns(HWND list, std::span<const Column> columns) const;
  // Answers a list view's request for a cell's text from `text(row, column)`, within the bounds.
  void HandCell(LVITEMW& item, std::size_t rows, std::size_t columns,
                const std::function<std::string(std::size_t row, std::size_t column)>& text);

  // A rectangle in dialog units, in the window's pixels now.
  RECT Pixels(int x, int y, int width, int height) const;
  void Place(int id, int x, int y, int width, int height) const;
  // The client area's size in dialog units.
  SIZE ClientUnits() const;

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
  HWND dialog_ = nullptr;
  SIZE smallest_{};
  std::wstring cell_;  // the text last handed to a list view
};

}  // namespace vantrelle::win32
