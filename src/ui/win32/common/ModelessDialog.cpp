#include "ui/win32/common/ModelessDialog.h"

#include <algorithm>

#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

ModelessDialog::~ModelessDialog() = default;  // the deriving class closes the window while it still exists

bool ModelessDialog::Navigate(MSG& message) {
  if (!dialog_ || (message.hwnd != dialog_ && !IsChild(dialog_, message.hwnd))) return false;
  return IsDialogMessageW(dialog_, &message) != FALSE;
}

UINT ModelessDialog::Dpi() const {
  const UINT dpi = dialog_ ? GetDpiForWindow(dialog_) : 0;
  return dpi ? dpi : USER_DEFAULT_SCREEN_DPI;
}

bool ModelessDialog::OpenToFront() {
  if (!dialog_) return false;
  if (IsIconic(dialog_)) ShowWindow(dialog_, SW_RESTORE);
  SetForegroundWindow(dialog_);
  return true;
}

bool ModelessDialog::Create(const DialogTemplate& dialog, HWND owner, SIZE smallest) {
  smallest_ = smallest;
  if (!CreateDialogIndirectParamW(instance_, dialog.Get(), owner, &DialogProc, reinterpret_cast<LPARAM>(this))) {
    return false;
  }
  ShowWindow(dialog_, SW_SHOW);
  return true;
}

void ModelessDialog::Close() {
  if (dialog_) DestroyWindow(dialog_);
}

INT_PTR CALLBACK ModelessDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* self = reinterpret_cast<ModelessDialog*>(lParam);
    self->dialog_ = dialog;
    self->Created();
    return FALSE;  // the focus is set
  }
  auto* self = reinterpret_cast<ModelessDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!self) return FALSE;
  switch (message) {
    case WM_SIZE: self->Layout(); return TRUE;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(dialog, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      self->Layout();
      return TRUE;
    }
    case WM_GETMINMAXINFO: {
      const RECT smallest = self->Pixels(0, 0, self->smallest_.cx, self->smallest_.cy);
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {smallest.right, smallest.bottom};
      return TRUE;
    }
  }
  const INT_PTR handled = self->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(dialog, DWLP_USER, 0);
    self->dialog_ = nullptr;
  }
  return handled;
}

RECT ModelessDialog::Pixels(int x, int y, int width, int height) const {
  RECT rect{x, y, x + width, y + height};
  MapDialogRect(dialog_, &rect);
  return rect;
}

void ModelessDialog::Place(int id, int x, int y, int width, int height) const {
  const RECT rect = Pixels(x, y, width, height);
  SetWindowPos(GetDlgItem(dialog_, id), nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void ModelessDialog::AddColumns(HWND list, std::span<const Column> columns) const {
  for (std::size_t i = 0; i < columns.size(); ++i) {
    std::wstring name = columns[i].name;
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = columns[i].rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.cx = Pixels(0, 0, columns[i].width, 1).right;
    column.pszText = name.data();
    ListView_InsertColumn(list, static_cast<int>(i), &column);
  }
}

void ModelessDialog::HandCell(LVITEMW& item, std::size_t rows, std::size_t columns,
                              const std::function<std::string(std::size_t row, std::size_t column)>& text) {
  if ((item.mask & LVIF_TEXT) == 0 || item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= rows ||
      item.iSubItem < 0 || static_cast<std::size_t>(item.iSubItem) >= columns) {
    return;
  }
  cell_ = Widen(text(static_cast<std::size_t>(item.iItem), static_cast<std::size_t>(item.iSubItem)));
  lstrcpynW(item.pszText, cell_.c_str(), item.cchTextMax);
}

SIZE ModelessDialog::ClientUnits() const {
  RECT client{};
  GetClientRect(dialog_, &client);
  const RECT unit = Pixels(0, 0, 4, 8);  // pixels of 4 x 8 dialog units
  return {client.right * 4 / std::max<LONG>(unit.right, 1), client.bottom * 8 / std::max<LONG>(unit.bottom, 1)};
}

}  // namespace vantrelle::win32
