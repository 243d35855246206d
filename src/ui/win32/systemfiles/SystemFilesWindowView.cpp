#include "ui/win32/systemfiles/SystemFilesWindowView.h"

#include <string>

#include "base/Texts.h"
#include "platform/win32/Unicode.h"
#include "ui/win32/common/AccessibleName.h"
#include "ui/win32/common/DialogTemplate.h"

namespace vantrelle::win32 {

namespace {

// In dialog units.
constexpr short kWidth = 300;
constexpr short kInner = kWidth - 14;
constexpr short kHeight = 300;

std::wstring Caption(const Locale& locale, TextId id) { return Widen(Text(locale, id)); }

// Lines broken as an edit box wants them.
std::wstring EditLines(const std::string& text) {
  std::wstring lines;
  for (wchar_t c : Widen(text)) {
    if (c == L'\r') continue;
    if (c == L'\n') lines += L'\r';
    lines += c;
  }
  return lines;
}

}  // namespace

void SystemFilesWindowView::Run() {
  const INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&common);
  const Locale& locale = choice_.TextLocale();
  DialogTemplate dialog = ShellDialog(DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, kWidth, kHeight,
                                      Caption(locale, TextId::SystemFilesTitle));
  dialog.Add(L"STATIC", Caption(locale, TextId::SystemFilesNote), SS_LEFT | SS_NOPREFIX, 7, 7, kInner, 18, 0);
  dialog.Add(WC_LISTVIEWW, L"",
             LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_BORDER | WS_TABSTOP, 7, 28, kInner,
             120, kListId);
  dialog.Add(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 7, 152, kInner, 30, kDescriptionId);
  dialog.Add(L"STATIC", L"", SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, 7, 186, kInner, 9, kStatusId);
  dialog.Add(L"EDIT", L"", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 7, 198,
             kInner, 76, kReportId);
  dialog.Add(L"BUTTON", Caption(locale, TextId::SystemFilesCleanNow), BS_DEFPUSHBUTTON | WS_TABSTOP, kWidth - 154,
             kHeight - 21, 70, 14, kCleanNowId);
  dialog.Add(L"BUTTON", Caption(locale, TextId::MoreClose), BS_PUSHBUTTON | WS_TABSTOP, kWidth - 77, kHeight - 21, 70,
             14, IDCANCEL);
  DialogBoxIndirectParamW(instance_, dialog.Get(), nullptr, &DialogProc, reinterpret_cast<LPARAM>(this));
  choice_.Close();
}

INT_PTR CALLBACK SystemFilesWindowView::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    reinterpret_cast<SystemFilesWindowView*>(lParam)->Fill(dialog);
    SetFocus(GetDlgItem(dialog, kListId));
    return FALSE;  // the focus is set
  }
  auto* view = reinterpret_cast<SystemFilesWindowView*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!view) return FALSE;
  SystemFilesChoice& choice = view->choice_;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
        // A run or walk under way stops at its next yield; the window goes once it has returned.
        choice.Close();
        if (!choice.Running()) EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      if (LOWORD(wParam) == kCleanNowId) {
        view->CleanNow(dialog);
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
    case kScannedMessage:
      for (std::size_t row : choice.TakeScanned()) view->ShowRow(dialog, row);
      return TRUE;
    case WM_TIMER:
      if (wParam != kPilesTimer) break;
      view->ShowMeasuredPiles(dialog);
      return TRUE;
  }
  return FALSE;
}

void SystemFilesWindowView::Fill(HWND dialog) {
  const Locale& locale = choice_.TextLocale();
  HWND list = GetDlgItem(dialog, kListId);
  GiveAccessibleName(list, Caption(locale, TextId::SystemFilesTitle));
  GiveAccessibleName(GetDlgItem(dialog, kReportId), Caption(locale, TextId::SystemFilesCleanNow));
  ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  AddTwoColumns(list, Caption(locale, TextId::SystemFilesColumnFile), Caption(locale, TextId::MoreColumnFound));
  filling_ = true;
  for (std::size_t row = 0; row < choice_.Rows().size(); ++row) {
    std::wstring name = Widen(choice_.Rows()[row].name);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(row);
    item.lParam = static_cast<LPARAM>(row);
    item.pszText = name.data();
    ListView_InsertItem(list, &item);
    ShowRow(dialog, row);
  }
  ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  filling_ = false;
  if (!choice_.Rows().empty()) SetDlgItemTextW(dialog, kDescriptionId, Widen(choice_.Rows()[0].description).c_str());
  choice_.OnStatus = [dialog](const std::string& status) { SetDlgItemTextW(dialog, kStatusId, Widen(status).c_str()); };
  choice_.StartScan([dialog] { PostMessageW(dialog, kScannedMessage, 0, 0); });
  choice_.StartMeasuringPiles();
  for (std::size_t row = 0; row < choice_.Rows().size(); ++row) ShowRow(dialog, row);
  SetTimer(dialog, kPilesTimer, 100, nullptr);
}

void SystemFilesWindowView::ShowMeasuredPiles(HWND dialog) {
  for (std::size_t row : choice_.TakeMeasuredPiles()) ShowRow(dialog, row);
  if (!choice_.MeasuringPiles()) KillTimer(dialog, kPilesTimer);
}

void SystemFilesWindowView::ShowRow(HWND dialog, std::size_t row) {
  HWND list = GetDlgItem(dialog, kListId);
  LVFINDINFOW find{};
  find.flags = LVFI_PARAM;
  find.lParam = static_cast<LPARAM>(row);
  const int item = ListView_FindItem(list, -1, &find);
  if (item < 0) return;
  const SystemFileRow& shown = choice_.Rows()[row];
  if (!shown.shown) {
    ListView_DeleteItem(list, item);
    return;
  }
  const Locale& locale = choice_.TextLocale();
  std::wstring name = Widen(shown.name);
  std::wstring found = Widen(shown.locked ? Text(locale, TextId::SystemFilesLocked, {shown.found}) : shown.found);
  const bool filling = filling_;
  filling_ = true;
  ListView_SetItemText(list, item, 0, name.data());
  ListView_SetItemText(list, item, 1, found.data());
  ListView_SetCheckState(list, item, shown.chosen);
  filling_ = filling;
}

void SystemFilesWindowView::ItemChanged(HWND dialog, const NMLISTVIEW& change) {
  if (filling_ || change.iItem < 0 || (change.uChanged & LVIF_STATE) == 0) return;
  HWND list = change.hdr.hwndFrom;
  const auto row = static_cast<std::size_t>(change.lParam);
  if (row >= choice_.Rows().size()) return;
  if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED)) {
    SetDlgItemTextW(dialog, kDescriptionId, Widen(choice_.Rows()[row].description).c_str());
  }
  if (((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) == 0) return;
  choice_.Confirm = [dialog](const std::string& title, const std::string& question) {
    return MessageBoxW(dialog, Widen(question).c_str(), Widen(title).c_str(), MB_YESNO | MB_ICONWARNING) == IDYES;
  };
  const std::string refused = choice_.Set(row, ListTicked(list, change.iItem));
  ShowRow(dialog, row);
  if (!refused.empty()) {
    const Locale& locale = choice_.TextLocale();
    MessageBoxW(dialog, Widen(Text(locale, TextId::MoreNotSaved, {refused})).c_str(),
                Caption(locale, TextId::SystemFilesTitle).c_str(), MB_OK | MB_ICONWARNING);
  }
}

void SystemFilesWindowView::CleanNow(HWND dialog) {
  if (choice_.Running()) return;
  EnableWindow(GetDlgItem(dialog, kCleanNowId), FALSE);
  const std::string report = choice_.CleanNow();
  if (!IsWindow(dialog)) return;
  SetDlgItemTextW(dialog, kReportId, EditLines(report).c_str());
  // The piles whose walk the run cut short read "not looked at yet".
  for (std::size_t row = 0; row < choice_.Rows().size(); ++row) ShowRow(dialog, row);
  EnableWindow(GetDlgItem(dialog, kCleanNowId), TRUE);
  // Closed during the run: the window goes now that the run has returned.
  if (choice_.Closing()) EndDialog(dialog, IDCANCEL);
}

}  // namespace vantrelle::win32
