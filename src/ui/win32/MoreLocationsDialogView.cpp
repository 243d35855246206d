#include "ui/win32/MoreLocationsDialogView.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/win32/Unicode.h"
#include "ui/win32/AccessibleName.h"
#include "ui/win32/DialogTemplate.h"

namespace vantrelle::win32 {

namespace {

constexpr short kWidth = 280;
constexpr short kHeight = 214;

bool Ticked(HWND list, int index) { return ((ListView_GetItemState(list, index, LVIS_STATEIMAGEMASK) >> 12) - 1) == 1; }

}  // namespace

void MoreLocationsDialogView::ShowModal(platform::WindowHandle owner, MoreLocationsChoice& choice) {
  const INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&common);
  DialogTemplate dialog(DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, kWidth, kHeight,
                        Widen(MoreLocationsChoice::kTitle), 8, L"MS Shell Dlg");
  dialog.Add(L"STATIC", Widen(MoreLocationsChoice::kNote), SS_LEFT | SS_NOPREFIX, 7, 7, kWidth - 14, 20, kNoteId);
  dialog.Add(WC_LISTVIEWW, L"",
             LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_BORDER | WS_TABSTOP, 7, 30,
             kWidth - 14, 130, kListId);
  dialog.Add(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 7, 164, kWidth - 14, 24, kDescriptionId);
  dialog.Add(L"BUTTON", L"Close", BS_DEFPUSHBUTTON | WS_TABSTOP, kWidth - 57, kHeight - 21, 50, 14, IDOK);
  choice_ = &choice;
  DialogBoxIndirectParamW(instance_, dialog.Get(), reinterpret_cast<HWND>(owner), &DialogProc,
                          reinterpret_cast<LPARAM>(this));
  choice_ = nullptr;
}

INT_PTR CALLBACK MoreLocationsDialogView::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* view = reinterpret_cast<MoreLocationsDialogView*>(lParam);
    view->Fill(dialog);
    SetFocus(GetDlgItem(dialog, kListId));
    return FALSE;  // the focus is set
  }
  auto* view = reinterpret_cast<MoreLocationsDialogView*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!view) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == kListId && header->code == LVN_ITEMCHANGED) {
        view->ItemChanged(dialog, *reinterpret_cast<const NMLISTVIEW*>(lParam));
        return TRUE;
      }
      break;
    }
  }
  return FALSE;
}

void MoreLocationsDialogView::Fill(HWND dialog) {
  HWND list = GetDlgItem(dialog, kListId);
  // The note before the list reads as a sentence, not as the list's name.
  GiveAccessibleName(list, Widen(MoreLocationsChoice::kTitle));
  ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  RECT client{};
  GetClientRect(list, &client);
  const int width = client.right - client.left - GetSystemMetrics(SM_CXVSCROLL);
  std::wstring location = L"Location", found = L"Found";
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = width * 3 / 5;
  column.pszText = location.data();
  ListView_InsertColumn(list, 0, &column);
  column.cx = width - column.cx;
  column.pszText = found.data();
  ListView_InsertColumn(list, 1, &column);

  filling_ = true;
  const auto& items = choice_->Items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    std::wstring name = Widen(items[i].name), size = Widen(items[i].found);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = name.data();
    const int index = ListView_InsertItem(list, &item);
    ListView_SetItemText(list, index, 1, size.data());
    ListView_SetCheckState(list, index, items[i].chosen);
  }
  ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  filling_ = false;
  ShowDescription(dialog, 0);
}

void MoreLocationsDialogView::ShowDescription(HWND dialog, int index) {
  const auto& items = choice_->Items();
  if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return;
  SetDlgItemTextW(dialog, kDescriptionId, Widen(items[index].description).c_str());
}

void MoreLocationsDialogView::ItemChanged(HWND dialog, const NMLISTVIEW& change) {
  if (filling_ || change.iItem < 0 || (change.uChanged & LVIF_STATE) == 0) return;
  if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED)) ShowDescription(dialog, change.iItem);
  if (((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) == 0) return;
  HWND list = GetDlgItem(dialog, kListId);
  const bool ticked = Ticked(list, change.iItem);
  const std::string refused = choice_->Set(static_cast<std::size_t>(change.iItem), ticked);
  if (refused.empty()) return;
  filling_ = true;
  ListView_SetCheckState(list, change.iItem, !ticked);
  filling_ = false;
  MessageBoxW(dialog, Widen("The choice could not be saved: " + refused).c_str(),
              Widen(MoreLocationsChoice::kTitle).c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace vantrelle::win32
