#include "ui/win32/community/CommunityWindowView.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "base/Texts.h"
#include "platform/win32/Unicode.h"
#include "ui/win32/common/AccessibleName.h"
#include "ui/win32/common/DialogTemplate.h"

namespace vantrelle::win32 {

namespace {

// In dialog units.
constexpr short kWidth = 320;
constexpr short kInner = kWidth - 14;
constexpr short kHeight = 304;
constexpr short kButtonHeight = 14;
constexpr short kLabelWidth = 44;

constexpr DWORD kListStyle =
    LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_BORDER | WS_TABSTOP;

int SelectedItem(HWND list) { return ListView_GetNextItem(list, -1, LVNI_SELECTED); }

std::wstring WindowText(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

void AddColumn(HWND list, int index, const std::wstring& caption, int width) {
  std::wstring text = caption;
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = text.data();
  column.cx = width;
  ListView_InsertColumn(list, index, &column);
}

}  // namespace

void CommunityWindowView::ShowModal(HWND owner, CommunityChoice& choice) {
  const INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&common);
  const Locale& locale = choice.TextLocale();
  const auto text = [&](TextId id) { return Widen(Text(locale, id)); };
  DialogTemplate dialog = ShellDialog(DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, kWidth, kHeight,
                                      text(TextId::CommunityWindowTitle));
  dialog.Add(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 7, 7, kInner, 18, kCountsId);  // two lines: German is longer
  dialog.Add(L"STATIC", text(TextId::CommunityWindowSearch), SS_LEFT, 7, 30, kLabelWidth, 9, kSearchLabelId);
  dialog.Add(L"EDIT", L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7 + kLabelWidth, 28, kInner - kLabelWidth, 12,
             kSearchId);
  dialog.Add(WC_LISTVIEWW, L"", kListStyle, 7, 45, kInner, 118, kListId);
  // The label comes directly before the text it names, which a screen reader then reads with it.
  dialog.Add(L"STATIC", text(TextId::CommunityWindowDetails), SS_LEFT | SS_NOPREFIX, 7, 167, kInner, 9, 0);
  dialog.Add(L"EDIT", L"", ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 7, 177, kInner, 66,
             kDetailsId);
  dialog.Add(L"BUTTON", text(TextId::CommunityWindowWeekly), BS_AUTOCHECKBOX | WS_TABSTOP, 7, 247, kInner, 10,
             kWeeklyId);
  dialog.Add(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 7, 259, kInner, 18, kStatusId);
  dialog.Add(L"BUTTON", text(TextId::CommunityWindowGet), BS_PUSHBUTTON | WS_TABSTOP, 7, kHeight - 21, 110,
             kButtonHeight, kGetId);
  dialog.Add(L"BUTTON", text(TextId::CommunityWindowStop), BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 121, kHeight - 21,
             60, kButtonHeight, kStopId);
  dialog.Add(L"BUTTON", text(TextId::MoreClose), BS_DEFPUSHBUTTON | WS_TABSTOP, kWidth - 77, kHeight - 21, 70,
             kButtonHeight, IDOK);
  choice_ = &choice;
  DialogBoxIndirectParamW(instance_, dialog.Get(), owner, &DialogProc, reinterpret_cast<LPARAM>(this));
  choice.StopSizes();
  choice.StopDownload();  // closing the window is the person's stop
  choice_ = nullptr;
}

INT_PTR CALLBACK CommunityWindowView::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* view = reinterpret_cast<CommunityWindowView*>(lParam);
    view->Fill(dialog);
    SetFocus(GetDlgItem(dialog, kSearchId));
    return FALSE;  // the focus is set
  }
  auto* view = reinterpret_cast<CommunityWindowView*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!view || !view->choice_) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      if (view->Command(dialog, LOWORD(wParam), HIWORD(wParam))) return TRUE;
      break;
    case WM_NOTIFY:
      if (view->Notify(dialog, *reinterpret_cast<const NMHDR*>(lParam))) return TRUE;
      break;
    case kMeasuredMessage: view->ShowMeasured(dialog); return TRUE;
    case kDownloadMessage: view->ShowDownload(dialog); return TRUE;
    case WM_TIMER:
      if (wParam != kStartSizesTimer) break;
      KillTimer(dialog, kStartSizesTimer);
      view->choice_->StartSizes([dialog] { PostMessageW(dialog, kMeasuredMessage, 0, 0); });
      return TRUE;
    case WM_DESTROY: view->choice_->StopSizes(); break;
  }
  return FALSE;
}

void CommunityWindowView::Fill(HWND dialog) {
  const Locale& locale = choice_->TextLocale();
  HWND list = GetDlgItem(dialog, kListId);
  // The search box comes before the list: the list needs a name of its own.
  GiveAccessibleName(list, Widen(Text(locale, TextId::CommunityWindowTitle)));
  ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  ListView_SetCallbackMask(list, LVIS_STATEIMAGEMASK);
  RECT area{};
  GetClientRect(list, &area);
  const int width = area.right - area.left - GetSystemMetrics(SM_CXVSCROLL);
  AddColumn(list, 0, Widen(Text(locale, TextId::CommunityWindowColumnEntry)), width * 9 / 20);
  AddColumn(list, 1, Widen(Text(locale, TextId::CommunityWindowColumnCategory)), width * 5 / 20);
  AddColumn(list, 2, Widen(Text(locale, TextId::MoreColumnFound)), width * 6 / 20);
  ShowRows(dialog);
  CheckDlgButton(dialog, kWeeklyId, choice_->WeeklyCheck() ? BST_CHECKED : BST_UNCHECKED);
  ShowDownloadButtons(dialog);
  SetDlgItemTextW(dialog, kStatusId, Widen(choice_->SourceLine()).c_str());
  SetTimer(dialog, kStartSizesTimer, USER_TIMER_MINIMUM, nullptr);
}

bool CommunityWindowView::Command(HWND dialog, int id, int code) {
  if (id == kSearchId && code == EN_CHANGE) {
    choice_->Search(Narrow(WindowText(GetDlgItem(dialog, kSearchId))));
    ShowRows(dialog);
    return true;
  }
  if (id == kWeeklyId && code == BN_CLICKED) {
    const bool on = IsDlgButtonChecked(dialog, kWeeklyId) == BST_CHECKED;
    const std::string refused = choice_->SetWeeklyCheck(on);
    CheckDlgButton(dialog, kWeeklyId, choice_->WeeklyCheck() ? BST_CHECKED : BST_UNCHECKED);
    if (!refused.empty()) SayNotSaved(dialog, refused);
    return true;
  }
  if (id == kGetId && code == BN_CLICKED) {
    choice_->StartDownload([dialog] { PostMessageW(dialog, kDownloadMessage, 0, 0); });
    ShowDownloadButtons(dialog);
    if (choice_->Downloading()) SetFocus(GetDlgItem(dialog, kStopId));
    return true;
  }
  if (id == kStopId && code == BN_CLICKED) {
    choice_->StopDownload();
    return true;
  }
  return false;
}

void CommunityWindowView::ShowDownload(HWND dialog) {
  const bool wasDownloading = choice_->Downloading();
  const std::string said = choice_->TakeDownload();
  if (!said.empty()) SetDlgItemTextW(dialog, kStatusId, Widen(said).c_str());
  if (!wasDownloading || choice_->Downloading()) return;
  const bool stopFocused = GetFocus() == GetDlgItem(dialog, kStopId);
  ShowDownloadButtons(dialog);
  if (stopFocused) SetFocus(GetDlgItem(dialog, kGetId));
  ShowRows(dialog);  // a list put in place shows at once
  SetTimer(dialog, kStartSizesTimer, USER_TIMER_MINIMUM, nullptr);
}

void CommunityWindowView::ShowDownloadButtons(HWND dialog) {
  const bool downloading = choice_->Downloading();
  EnableWindow(GetDlgItem(dialog, kGetId), choice_->CanDownload() && !downloading);
  EnableWindow(GetDlgItem(dialog, kStopId), downloading);
  EnableWindow(GetDlgItem(dialog, kWeeklyId), choice_->CanDownload());
}

void CommunityWindowView::SayNotSaved(HWND dialog, const std::string& refused) {
  const Locale& locale = choice_->TextLocale();
  MessageBoxW(dialog, Widen(Text(locale, TextId::MoreNotSaved, {refused})).c_str(),
              Widen(Text(locale, TextId::CommunityWindowTitle)).c_str(), MB_OK | MB_ICONWARNING);
}

void CommunityWindowView::ShowRows(HWND dialog) {
  HWND list = GetDlgItem(dialog, kListId);
  const int count = static_cast<int>(choice_->Shown().size());
  ListView_SetItemCountEx(list, count, 0);
  if (count > 0 && SelectedItem(list) < 0) {
    ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  }
  InvalidateRect(list, nullptr, FALSE);
  SetDlgItemTextW(dialog, kCountsId, Widen(choice_->CountsLine()).c_str());
  ShowDetails(dialog);
}

void CommunityWindowView::ShowMeasured(HWND dialog) {
  // Only the measured rows are drawn again: most are out of sight, and drawing the whole list for each
  // took much of the window's time while measuring.
  HWND list = GetDlgItem(dialog, kListId);
  const auto& shown = choice_->Shown();
  for (const std::size_t row : choice_->TakeMeasured()) {
    const auto item = std::ranges::lower_bound(shown, row);
    if (item == shown.end() || *item != row) continue;
    const int index = static_cast<int>(item - shown.begin());
    ListView_RedrawItems(list, index, index);
  }
}

void CommunityWindowView::ShowDetails(HWND dialog) {
  const int row = RowOf(SelectedItem(GetDlgItem(dialog, kListId)));
  std::wstring details = row < 0 ? L"" : Widen(choice_->Details(static_cast<std::size_t>(row)));
  // A multi-line edit breaks lines at CR LF only.
  std::wstring shown;
  for (const wchar_t c : details) shown += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
  // Each search and each selection asks again, mostly for the entry already shown; an edit takes long
  // to lay out a large entry's text (most of a second for one of 77,000 characters under Wine).
  HWND edit = GetDlgItem(dialog, kDetailsId);
  if (WindowText(edit) != shown) SetWindowTextW(edit, shown.c_str());
}

int CommunityWindowView::RowOf(int item) const {
  const auto& shown = choice_->Shown();
  if (item < 0 || static_cast<std::size_t>(item) >= shown.size()) return -1;
  return static_cast<int>(shown[static_cast<std::size_t>(item)]);
}

void CommunityWindowView::GiveItem(NMLVDISPINFOW& info) {
  const int row = RowOf(info.item.iItem);
  if (row < 0) return;
  const CommunityRow& shown = choice_->Rows()[static_cast<std::size_t>(row)];
  if (info.item.mask & LVIF_TEXT) {
    const std::string& text = info.item.iSubItem == 0   ? shown.name
                              : info.item.iSubItem == 1 ? shown.category
                                                        : shown.found;
    itemText_ = Widen(text);
    lstrcpynW(info.item.pszText, itemText_.c_str(), info.item.cchTextMax);
  }
  if (info.item.mask & LVIF_STATE) {
    info.item.stateMask |= LVIS_STATEIMAGEMASK;
    info.item.state = (info.item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(shown.chosen ? 2 : 1);
  }
}

bool CommunityWindowView::Notify(HWND dialog, const NMHDR& header) {
  if (header.idFrom != kListId) return false;
  switch (header.code) {
    case LVN_GETDISPINFOW: GiveItem(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))); return true;
    case LVN_ITEMCHANGED: ShowDetails(dialog); return true;
    case LVN_KEYDOWN:
      if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_SPACE) {
        Toggle(dialog, SelectedItem(header.hwndFrom));
        return true;
      }
      return false;
    case NM_CLICK:
    case NM_DBLCLK: {
      // An owner-data list does not tick its own boxes: a click on the box is the person's tick.
      LVHITTESTINFO hit{};
      hit.pt = reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction;
      if (ListView_SubItemHitTest(header.hwndFrom, &hit) >= 0 && (hit.flags & LVHT_ONITEMSTATEICON)) {
        Toggle(dialog, hit.iItem);
      }
      return true;
    }
  }
  return false;
}

void CommunityWindowView::Toggle(HWND dialog, int item) {
  const int row = RowOf(item);
  if (row < 0) return;
  HWND list = GetDlgItem(dialog, kListId);
  choice_->Confirm = [dialog](const std::string& title, const std::string& question) {
    return MessageBoxW(dialog, Widen(question).c_str(), Widen(title).c_str(), MB_YESNO | MB_ICONWARNING) == IDYES;
  };
  const auto index = static_cast<std::size_t>(row);
  const std::string refused = choice_->Set(index, !choice_->Rows()[index].chosen);
  ListView_RedrawItems(list, item, item);
  SetDlgItemTextW(dialog, kCountsId, Widen(choice_->CountsLine()).c_str());
  if (!refused.empty()) SayNotSaved(dialog, refused);
}

}  // namespace vantrelle::win32
