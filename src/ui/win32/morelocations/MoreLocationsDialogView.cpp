#include "ui/win32/morelocations/MoreLocationsDialogView.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "base/Texts.h"
#include "platform/win32/Unicode.h"
#include "ui/win32/common/AccessibleName.h"
#include "ui/win32/common/DialogTemplate.h"

namespace vantrelle::win32 {

namespace {

// In dialog units.
constexpr short kWidth = 280;
constexpr short kInner = kWidth - 14;
constexpr short kHeight = 330;  // and a row more for the community cleaners' button
constexpr short kButtonHeight = 14;

constexpr DWORD kListStyle = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_BORDER | WS_TABSTOP;

// The row of the model a list item shows.
std::size_t ModelRow(HWND list, int item) {
  LVITEMW row{};
  row.mask = LVIF_PARAM;
  row.iItem = item;
  ListView_GetItem(list, &row);
  return static_cast<std::size_t>(row.lParam);
}

int ListItem(HWND list, std::size_t modelRow) {
  LVFINDINFOW find{};
  find.flags = LVFI_PARAM;
  find.lParam = static_cast<LPARAM>(modelRow);
  return ListView_FindItem(list, -1, &find);
}

void AddRow(HWND list, std::size_t modelRow, const std::string& name, const std::string& second) {
  std::wstring first = Widen(name), other = Widen(second);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = ListView_GetItemCount(list);
  item.lParam = static_cast<LPARAM>(modelRow);
  item.pszText = first.data();
  const int index = ListView_InsertItem(list, &item);
  ListView_SetItemText(list, index, 1, other.data());
}

int SelectedItem(HWND list) { return ListView_GetNextItem(list, -1, LVNI_SELECTED); }

}  // namespace

void MoreLocationsDialogView::ShowModal(platform::WindowHandle owner, MoreLocationsChoice& choice) {
  const INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&common);
  const Locale& locale = choice.TextLocale();
  const bool community = openCommunity_ && choice.CommunityOffered();
  const short height = static_cast<short>(kHeight + (community ? kButtonHeight + 4 : 0));
  const auto text = [&](TextId id) { return Widen(Text(locale, id)); };
  DialogTemplate dialog = ShellDialog(DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, kWidth, height,
                                      text(TextId::MoreTitle));
  dialog.Add(L"STATIC", text(TextId::MoreNote), SS_LEFT | SS_NOPREFIX, 7, 7, kInner, 28,
             kNoteId);  // three lines: German is longer
  dialog.Add(WC_LISTVIEWW, L"", kListStyle, 7, 38, kInner, 84, kListId);
  // Each label comes directly before its list, which a screen reader then names after it.
  dialog.Add(L"STATIC", text(TextId::MoreWindowsGroup), SS_LEFT | SS_NOPREFIX, 7, 127, kInner, 9, 0);
  dialog.Add(WC_LISTVIEWW, L"", kListStyle, 7, 137, kInner, 72, kWindowsListId);
  dialog.Add(L"STATIC", text(TextId::MoreSystemGroup), SS_LEFT | SS_NOPREFIX, 7, 214, kInner, 9, 0);
  dialog.Add(WC_LISTVIEWW, L"", kListStyle, 7, 224, kInner, 48, kSystemListId);
  dialog.Add(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 7, 276, kInner, 30, kDescriptionId);
  if (community) {
    dialog.Add(L"BUTTON", text(TextId::MoreCommunity), BS_PUSHBUTTON | WS_TABSTOP, 7, height - 39, 150, kButtonHeight,
               kCommunityId);
  }
  dialog.Add(L"BUTTON", text(TextId::MoreCleanSystemFiles), BS_PUSHBUTTON | WS_TABSTOP, 7, height - 21, 150,
             kButtonHeight, kCleanSystemId);
  dialog.Add(L"BUTTON", text(TextId::MoreClose), BS_DEFPUSHBUTTON | WS_TABSTOP, kWidth - 77, height - 21, 70,
             kButtonHeight, IDOK);
  choice_ = &choice;
  DialogBoxIndirectParamW(instance_, dialog.Get(), reinterpret_cast<HWND>(owner), &DialogProc,
                          reinterpret_cast<LPARAM>(this));
  choice.windowsCleanups.StopScan();
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
  if (!view || !view->choice_) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      if (LOWORD(wParam) == kCommunityId && view->openCommunity_) {
        view->openCommunity_(dialog);
        return TRUE;
      }
      if (LOWORD(wParam) == kCleanSystemId && view->cleanSystemFiles_) {
        view->cleanSystemFiles_(dialog);
        return TRUE;
      }
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == LVN_ITEMCHANGED) {
        view->ItemChanged(dialog, *reinterpret_cast<const NMLISTVIEW*>(lParam));
        return TRUE;
      }
      if (header->code == NM_SETFOCUS) {
        view->ShowDescription(dialog, static_cast<int>(header->idFrom), SelectedItem(header->hwndFrom));
        return TRUE;
      }
      break;
    }
    case kScannedMessage: view->ShowScanned(dialog); return TRUE;
    case WM_TIMER:
      if (wParam != kStartScanTimer) break;
      KillTimer(dialog, kStartScanTimer);
      view->choice_->windowsCleanups.StartScan([dialog] { PostMessageW(dialog, kScannedMessage, 0, 0); });
      return TRUE;
    case WM_DESTROY: view->choice_->windowsCleanups.StopScan(); break;
  }
  return FALSE;
}

void MoreLocationsDialogView::Fill(HWND dialog) {
  const Locale& locale = choice_->TextLocale();
  HWND list = GetDlgItem(dialog, kListId);
  // The note before the list reads as a sentence, not as the list's name.
  GiveAccessibleName(list, Widen(Text(locale, TextId::MoreTitle)));
  ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  AddTwoColumns(list, Widen(Text(locale, TextId::MoreColumnLocation)), Widen(Text(locale, TextId::MoreColumnFound)));
  filling_ = true;
  const auto& items = choice_->Items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    AddRow(list, i, items[i].name, items[i].found);
    ListView_SetCheckState(list, static_cast<int>(i), items[i].chosen);
  }
  ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  filling_ = false;
  FillWindowsCleanups(dialog);
  FillSystemFiles(dialog);
  // The machine's window asks for an administrator's consent: the button carries the shield.
  Button_SetElevationRequiredState(GetDlgItem(dialog, kCleanSystemId), TRUE);
  ShowDescription(dialog, kListId, 0);
  SetTimer(dialog, kStartScanTimer, USER_TIMER_MINIMUM, nullptr);
}

void MoreLocationsDialogView::FillWindowsCleanups(HWND dialog) {
  const Locale& locale = choice_->TextLocale();
  HWND list = GetDlgItem(dialog, kWindowsListId);
  ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  AddTwoColumns(list, Widen(Text(locale, TextId::MoreWindowsGroup)), Widen(Text(locale, TextId::MoreColumnFound)));
  filling_ = true;
  const auto& rows = choice_->windowsCleanups.Rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    AddRow(list, i, rows[i].name, rows[i].found);
    ListView_SetCheckState(list, static_cast<int>(i), rows[i].chosen);
  }
  ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  filling_ = false;
}

void MoreLocationsDialogView::FillSystemFiles(HWND dialog) {
  const Locale& locale = choice_->TextLocale();
  HWND list = GetDlgItem(dialog, kSystemListId);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  AddTwoColumns(list, Widen(Text(locale, TextId::MoreSystemGroup)), L"");
  const auto& rows = choice_->windowsCleanups.MachineRows();
  for (std::size_t i = 0; i < rows.size(); ++i) AddRow(list, i, rows[i].name, rows[i].state);
}

void MoreLocationsDialogView::ShowScanned(HWND dialog) {
  HWND list = GetDlgItem(dialog, kWindowsListId);
  const auto& rows = choice_->windowsCleanups.Rows();
  filling_ = true;
  for (std::size_t index : choice_->windowsCleanups.TakeScanned()) {
    const int item = ListItem(list, index);
    if (item < 0) continue;
    if (!rows[index].shown) {
      ListView_DeleteItem(list, item);
      continue;
    }
    std::wstring name = Widen(rows[index].name), found = Widen(rows[index].found);
    ListView_SetItemText(list, item, 0, name.data());
    ListView_SetItemText(list, item, 1, found.data());
  }
  filling_ = false;
  if (GetFocus() == list) ShowDescription(dialog, kWindowsListId, SelectedItem(list));
}

void MoreLocationsDialogView::ShowDescription(HWND dialog, int listId, int item) {
  HWND list = GetDlgItem(dialog, listId);
  if (item < 0 || !list) return;
  const std::size_t row = ModelRow(list, item);
  std::string description;
  if (listId == kListId && row < choice_->Items().size()) description = choice_->Items()[row].description;
  const auto& cleanups = choice_->windowsCleanups.Rows();
  if (listId == kWindowsListId && row < cleanups.size()) description = cleanups[row].description;
  SetDlgItemTextW(dialog, kDescriptionId, Widen(description).c_str());
}

void MoreLocationsDialogView::ItemChanged(HWND dialog, const NMLISTVIEW& change) {
  if (filling_ || change.iItem < 0 || (change.uChanged & LVIF_STATE) == 0) return;
  const int listId = static_cast<int>(change.hdr.idFrom);
  if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED)) {
    ShowDescription(dialog, listId, change.iItem);
  }
  if (((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) == 0) return;
  HWND list = change.hdr.hwndFrom;
  const bool ticked = ListTicked(list, change.iItem);
  const std::size_t row = ModelRow(list, change.iItem);
  if (listId == kListId) {
    const std::string refused = choice_->Set(row, ticked);
    TickChanged(dialog, list, change.iItem, ticked, choice_->Items()[row].chosen, refused);
  } else if (listId == kWindowsListId) {
    auto& cleanups = choice_->windowsCleanups;
    cleanups.Confirm = [dialog](const std::string& title, const std::string& question) {
      return MessageBoxW(dialog, Widen(question).c_str(), Widen(title).c_str(), MB_YESNO | MB_ICONWARNING) == IDYES;
    };
    const std::string refused = cleanups.Set(row, ticked);
    TickChanged(dialog, list, change.iItem, ticked, cleanups.Rows()[row].chosen, refused);
  }
}

void MoreLocationsDialogView::TickChanged(HWND dialog, HWND list, int item, bool ticked, bool holds,
                                          const std::string& refused) {
  if (holds != ticked) {
    filling_ = true;
    ListView_SetCheckState(list, item, holds);
    filling_ = false;
  }
  if (refused.empty()) return;
  const Locale& locale = choice_->TextLocale();
  MessageBoxW(dialog, Widen(Text(locale, TextId::MoreNotSaved, {refused})).c_str(),
              Widen(Text(locale, TextId::MoreTitle)).c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace vantrelle::win32
