#include "ui/win32/preview/PreviewDialog.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <iterator>

#include "platform/win32/ComApartment.h"
#include "platform/win32/Unicode.h"
#include "ui/win32/common/AccessibleName.h"
#include "ui/win32/common/DialogTemplate.h"

namespace vantrelle::win32 {

namespace {

using cleaning::PreviewColumn;

// In dialog units: fits 1024x768 at 100 % and 1280x1024 at 150 % with room for longer languages.
constexpr short kWidth = 470;
constexpr short kHeight = 270;
constexpr short kSummaryHeight = 40;
constexpr short kLabelWidth = 70;
constexpr short kFilterWidth = 160;
constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 100;
// Setting a list's count redraws its scroll bars there and then, which under Wine takes a good part of
// the 50 ms a window may keep a person waiting: while rows arrive below a full page, once a second.
constexpr ULONGLONG kCountEveryMs = 1000;
// Widths of the columns, in dialog units.
constexpr short kColumnWidths[] = {60, 80, 90, 40, 80, 90};

// The moment in the person's local time, in their short date and time forms.
std::string LocalStamp(platform::FileTime time) {
  FILETIME file{static_cast<DWORD>(time & 0xFFFFFFFF), static_cast<DWORD>(time >> 32)};
  SYSTEMTIME utc{}, local{};
  if (!FileTimeToSystemTime(&file, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) return {};
  wchar_t date[80] = {}, clock[80] = {};
  GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, 80, nullptr);
  GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &local, nullptr, clock, 80);
  return Narrow(std::wstring(date) + L" " + clock);
}

}  // namespace

PreviewDialog::~PreviewDialog() { Close(); }

std::wstring PreviewDialog::Text(TextId id) const { return Widen(vantrelle::Text(locale_, id)); }

PreviewWalkThread::ThreadEntry PreviewDialog::WalkThreadEntry() const {
  return [] { return std::static_pointer_cast<void>(std::make_shared<ComApartment>()); };
}

void PreviewDialog::Show(platform::WindowHandle owner, std::unique_ptr<PreviewWindow> window) {
  if (Handle()) return;
  const INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common);
  model_ = std::move(window);
  model_->changedText = LocalStamp;
  DialogTemplate dialog(
      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_CENTER, kWidth, kHeight,
      Text(TextId::PreviewWindowTitle), 8, L"MS Shell Dlg");
  // In reading order, which is the tab order; each label directly before the box it names.
  dialog.Add(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 0, 0, 1, 1, kSummaryId);
  dialog.Add(L"STATIC", Text(TextId::PreviewWindowFilter), SS_LEFT, 0, 0, 1, 1, kFilterLabelId);
  dialog.Add(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 0, 1, 100, kFilterId);
  dialog.Add(WC_LISTVIEWW, L"", LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 0, 0, 1, 1,
             kListId);
  dialog.Add(L"STATIC", L"", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, 0, 0, 1, 1, kProgressId);
  dialog.Add(L"BUTTON", Text(TextId::PreviewWindowStop), BS_PUSHBUTTON | WS_TABSTOP, 0, 0, 1, 1, kStopId);
  dialog.Add(L"BUTTON", Text(TextId::PreviewWindowSave), BS_PUSHBUTTON | WS_TABSTOP, 0, 0, 1, 1, kSaveId);
  dialog.Add(L"BUTTON", Text(TextId::PreviewWindowClose), BS_PUSHBUTTON | WS_TABSTOP, 0, 0, 1, 1, IDCANCEL);
  if (!Create(dialog, reinterpret_cast<HWND>(owner), {kWidth * 3 / 4, kHeight * 3 / 4}))
    model_.reset();  // ends the walk
}

INT_PTR PreviewDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kPollTimer && model_->Poll()) Refresh(false);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDCANCEL: DestroyWindow(Handle()); return TRUE;
        case IDOK:  // Enter: on the list it opens the entry's folder
          if (GetFocus() == list_) OpenFocusedEntry();
          return TRUE;
        case kStopId: model_->Stop(); return TRUE;
        case kSaveId: SaveList(); return TRUE;
        case kFilterId:
          if (HIWORD(wParam) == CBN_SELCHANGE) {
            const auto chosen = SendDlgItemMessageW(Handle(), kFilterId, CB_GETCURSEL, 0, 0);
            if (chosen >= 0 && static_cast<std::size_t>(chosen) < filterChoices_.size()) {
              model_->FilterByLocation(filterChoices_[static_cast<std::size_t>(chosen)]);
              Refresh(true);
            }
          }
          return TRUE;
      }
      break;
    case WM_NOTIFY: return Notified(*reinterpret_cast<const NMHDR*>(lParam)) ? TRUE : FALSE;
    case WM_NCDESTROY:
      list_ = nullptr;
      model_.reset();  // stops the walk and waits for it to leave off
      return FALSE;
  }
  return FALSE;
}

void PreviewDialog::Created() {
  list_ = GetDlgItem(Handle(), kListId);
  GiveAccessibleName(list_, Text(TextId::PreviewWindowListName));
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP);
  std::vector<Column> columns;
  for (std::size_t i = 0; i < std::size(cleaning::kPreviewColumns); ++i) {
    columns.push_back({Widen(cleaning::PreviewColumnName(locale_, cleaning::kPreviewColumns[i])), kColumnWidths[i],
                       cleaning::kPreviewColumns[i] == PreviewColumn::Size});
  }
  AddColumns(list_, columns);
  Layout();
  Refresh(true);
  ShowSortArrow();
  SetTimer(Handle(), kPollTimer, kPollMs, nullptr);
  SetFocus(list_);
}

// Every control from the client area's size: the list takes what the lines and buttons leave.
void PreviewDialog::Layout() {
  if (!list_) return;
  const SIZE units = ClientUnits();
  const int width = units.cx;
  const int height = units.cy;
  const int inner = width - 2 * kMargin;
  const int filterTop = kMargin + kSummaryHeight + kGap;
  const int listTop = filterTop + kRowHeight + kGap;
  const int buttonsTop = height - kMargin - kRowHeight;
  const int progressTop = buttonsTop - kGap - 10;
  Place(kSummaryId, kMargin, kMargin, inner, kSummaryHeight);
  Place(kFilterLabelId, kMargin, filterTop + 3, kLabelWidth, 8);
  Place(kFilterId, kMargin + kLabelWidth + kGap, filterTop, kFilterWidth, 100);
  Place(kListId, kMargin, listTop, inner, std::max(progressTop - kGap - listTop, 20));
  Place(kProgressId, kMargin, progressTop, inner, 8);
  Place(kStopId, kMargin, buttonsTop, kButtonWidth, kRowHeight);
  Place(kSaveId, width - kMargin - 2 * kButtonWidth - kGap, buttonsTop, kButtonWidth, kRowHeight);
  Place(IDCANCEL, width - kMargin - kButtonWidth, buttonsTop, kButtonWidth, kRowHeight);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void PreviewDialog::Refresh(bool wholeList) {
  // Rows past the page's end may wait for their count; what changed on the page is drawn at once.
  const std::size_t pageEnd =
      static_cast<std::size_t>(std::max(ListView_GetTopIndex(list_) + ListView_GetCountPerPage(list_) + 1, 0));
  const auto listed = static_cast<std::size_t>(std::max(ListView_GetItemCount(list_), 0));
  const ULONGLONG now = GetTickCount64();
  if (wholeList || !model_->Walking() || listed < pageEnd || now - countSetAt_ >= kCountEveryMs) {
    ListView_SetItemCountEx(list_, static_cast<int>(model_->Count()), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    countSetAt_ = now;
  }
  if (wholeList || model_->ChangedFrom() < pageEnd) InvalidateRect(list_, nullptr, FALSE);
  SetDlgItemTextW(Handle(), kSummaryId, Widen(model_->SummaryText()).c_str());
  SetDlgItemTextW(Handle(), kProgressId, Widen(model_->ProgressText()).c_str());
  const bool walking = model_->Walking();
  HWND stop = GetDlgItem(Handle(), kStopId);
  if (!walking && GetFocus() == stop) SetFocus(list_);
  EnableWindow(stop, walking);
  FillFilter();
}

// New locations join the filter's choices as the walk meets them; the choice made stays.
void PreviewDialog::FillFilter() {
  std::vector<std::string> choices = model_->FilterChoices();
  if (choices == filterChoices_) return;
  HWND box = GetDlgItem(Handle(), kFilterId);
  const auto chosen = SendMessageW(box, CB_GETCURSEL, 0, 0);
  SendMessageW(box, CB_RESETCONTENT, 0, 0);
  for (const auto& choice : choices) {
    const std::wstring text = choice.empty() ? Text(TextId::PreviewWindowAllLocations) : Widen(choice);
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  SendMessageW(box, CB_SETCURSEL, chosen < 0 ? 0 : chosen, 0);
  filterChoices_ = std::move(choices);
}

void PreviewDialog::ShowSortArrow() {
  HWND header = ListView_GetHeader(list_);
  for (std::size_t i = 0; i < std::size(cleaning::kPreviewColumns); ++i) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(header, static_cast<int>(i), &item);
    item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
    if (cleaning::kPreviewColumns[i] == model_->SortColumn())
      item.fmt |= model_->Descending() ? HDF_SORTDOWN : HDF_SORTUP;
    Header_SetItem(header, static_cast<int>(i), &item);
  }
}

bool PreviewDialog::Notified(const NMHDR& header) {
  if (header.idFrom != kListId) return false;
  switch (header.code) {
    case LVN_GETDISPINFOW:
      HandCell(reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))->item, model_->Count(),
               std::size(cleaning::kPreviewColumns), [this](std::size_t row, std::size_t column) {
                 return model_->CellText(row, cleaning::kPreviewColumns[column]);
               });
      return true;
    case LVN_COLUMNCLICK: {
      const int column = reinterpret_cast<const NMLISTVIEW&>(header).iSubItem;
      if (column < 0 || static_cast<std::size_t>(column) >= std::size(cleaning::kPreviewColumns)) return true;
      model_->SortBy(cleaning::kPreviewColumns[column]);
      ShowSortArrow();
      InvalidateRect(list_, nullptr, FALSE);
      return true;
    }
    case LVN_ITEMACTIVATE: OpenFocusedEntry(); return true;
    case LVN_KEYDOWN:
      if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == 'C' && (GetKeyState(VK_CONTROL) & 0x8000)) {
        CopySelected();
      }
      return true;
  }
  return false;
}

void PreviewDialog::OpenFocusedEntry() {
  const int focused = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
  if (focused < 0 || static_cast<std::size_t>(focused) >= model_->Count()) return;
  const std::string path = model_->PathAt(static_cast<std::size_t>(focused));
  if (path.empty()) return;
  PIDLIST_ABSOLUTE item = ILCreateFromPathW(Widen(path).c_str());
  if (!item) return;
  SHOpenFolderAndSelectItems(item, 0, nullptr, 0);  // the entry's folder, with the entry selected
  ILFree(item);
}

void PreviewDialog::CopySelected() {
  std::vector<std::size_t> positions;
  for (int i = ListView_GetNextItem(list_, -1, LVNI_SELECTED); i >= 0;
       i = ListView_GetNextItem(list_, i, LVNI_SELECTED))
    positions.push_back(static_cast<std::size_t>(i));
  if (positions.empty()) return;
  const std::wstring text = Widen(model_->CopiedText(positions));
  if (!OpenClipboard(Handle())) return;
  EmptyClipboard();
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
    if (void* bytes = GlobalLock(memory)) {
      std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(bytes));
      GlobalUnlock(memory);
      if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);  // the clipboard owns it once set
    } else {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
}

void PreviewDialog::SaveList() {
  std::wstring file(32768, L'\0');
  const std::wstring filter = Text(TextId::PreviewWindowCsvFiles) + std::wstring(L"\0*.csv\0", 8);
  OPENFILENAMEW save{};
  save.lStructSize = sizeof save;
  save.hwndOwner = Handle();
  save.lpstrFilter = filter.c_str();
  save.lpstrFile = file.data();
  save.nMaxFile = static_cast<DWORD>(file.size());
  save.lpstrDefExt = L"csv";
  save.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&save)) return;
  file.resize(wcslen(file.c_str()));
  const std::string refused = model_->SaveList(Narrow(file));
  if (!refused.empty()) {
    MessageBoxW(Handle(), Widen(refused).c_str(), Text(TextId::PreviewWindowTitle).c_str(), MB_OK | MB_ICONWARNING);
  }
}

}  // namespace vantrelle::win32
