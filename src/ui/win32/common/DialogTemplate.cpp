#include "ui/win32/common/DialogTemplate.h"

#include <commctrl.h>

namespace vantrelle::win32 {

DialogTemplate::DialogTemplate(DWORD style, short width, short height, const std::wstring& title, WORD pointSize,
                               const wchar_t* font) {
  AddDword(style | DS_SETFONT);
  AddDword(0);
  countAt_ = words_.size();
  words_.push_back(0);
  for (short value : {short{0}, short{0}, width, height}) words_.push_back(static_cast<WORD>(value));
  words_.push_back(0);  // no menu
  words_.push_back(0);  // the standard dialog class
  AddText(title);
  words_.push_back(pointSize);
  AddText(font);
}

void DialogTemplate::Add(const wchar_t* windowClass, const std::wstring& text, DWORD style, short x, short y,
                         short width, short height, WORD id) {
  if (words_.size() % 2) words_.push_back(0);  // each item starts on a DWORD
  AddDword(style | WS_CHILD | WS_VISIBLE);
  AddDword(0);
  for (short value : {x, y, width, height}) words_.push_back(static_cast<WORD>(value));
  words_.push_back(id);
  AddText(windowClass);
  AddText(text);
  words_.push_back(0);  // no creation data
  ++words_[countAt_];
}

void DialogTemplate::AddDword(DWORD value) {
  words_.push_back(LOWORD(value));
  words_.push_back(HIWORD(value));
}

void DialogTemplate::AddText(const std::wstring& text) {
  words_.insert(words_.end(), text.begin(), text.end());
  words_.push_back(0);
}

DialogTemplate ShellDialog(DWORD style, short width, short height, const std::wstring& title) {
  return DialogTemplate(style, width, height, title, 8, L"MS Shell Dlg");
}

bool ListTicked(HWND list, int index) {
  return ((ListView_GetItemState(list, index, LVIS_STATEIMAGEMASK) >> 12) - 1) == 1;
}

void AddTwoColumns(HWND list, std::wstring first, std::wstring second) {
  RECT client{};
  GetClientRect(list, &client);
  const int width = client.right - client.left - GetSystemMetrics(SM_CXVSCROLL);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = width * 3 / 5;
  column.pszText = first.data();
  ListView_InsertColumn(list, 0, &column);
  column.cx = width - column.cx;
  column.pszText = second.data();
  ListView_InsertColumn(list, 1, &column);
}

}  // namespace vantrelle::win32
