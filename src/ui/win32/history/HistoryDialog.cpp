#include "ui/win32/history/HistoryDialog.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "platform/win32/Unicode.h"
#include "ui/win32/common/AccessibleName.h"

namespace vantrelle::win32 {

namespace {

// In dialog units: fits 1024x768 at 100 % and 1280x1024 at 150 %.
constexpr short kWidth = 420;
constexpr short kHeight = 290;
constexpr short kColumnWidths[] = {90, 70, 56, 60, 56, 50};

// The kinds of run in the chart's order, each in a colour of the system's.
constexpr cleaning::RunKind kKinds[] = {cleaning::RunKind::Scheduled, cleaning::RunKind::LowSpace,
                                        cleaning::RunKind::Manual};
constexpr int kKindColours[] = {COLOR_HIGHLIGHT, COLOR_WINDOWTEXT, COLOR_GRAYTEXT};

class Brush {
 public:
  explicit Brush(int colour) : brush_(CreateSolidBrush(GetSysColor(colour))) {}
  Brush(const Brush&) = delete;
  Brush& operator=(const Brush&) = delete;
  ~Brush() { DeleteObject(brush_); }
  HBRUSH Get() const { return brush_; }

 private:
  HBRUSH brush_;
};

void FillWith(HDC dc, const RECT& rect, int colour) {
  const Brush brush(colour);
  FillRect(dc, &rect, brush.Get());
}

}  // namespace

HistoryDialog::~HistoryDialog() { Close(); }

std::wstring HistoryDialog::Text(TextId id) const { return Widen(vantrelle::Text(locale_, id)); }

void HistoryDialog::Show(platform::WindowHandle owner, std::unique_ptr<HistoryWindow> window) {
  model_ = std::move(window);
  if (Handle()) {  // the open window shows the log as it is now
    Fill();
    OpenToFront();
    return;
  }
  const INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&common);
  DialogTemplate dialog(
      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_CENTER, kWidth, kHeight,
      Text(TextId::HistoryWindowTitle), 8, L"MS Shell Dlg");
  dialog.Add(L"STATIC", L"", SS_OWNERDRAW, 0, 0, 1, 1, kChartId);
  dialog.Add(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 0, 0, 1, 1, kChartTextId);
  dialog.Add(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 0, 0, 1, 1, kUnreadId);
  dialog.Add(WC_LISTVIEWW, L"",
             LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_BORDER | WS_TABSTOP, 0, 0, 1, 1,
             kListId);
  dialog.Add(L"BUTTON", Text(TextId::HistoryWindowOpenLog), BS_PUSHBUTTON | WS_TABSTOP, 0, 0, 1, 1, kOpenLogId);
  dialog.Add(L"BUTTON", Text(TextId::HistoryWindowClose), BS_PUSHBUTTON | WS_TABSTOP, 0, 0, 1, 1, IDCANCEL);
  if (!Create(dialog, reinterpret_cast<HWND>(owner), {kWidth * 3 / 4, kHeight * 3 / 4})) model_.reset();
}

void HistoryDialog::Created() {
  HWND list = GetDlgItem(Handle(), kListId);
  GiveAccessibleName(list, Text(TextId::HistoryWindowRunsName));
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  std::vector<Column> columns;
  for (std::size_t i = 0; i < std::size(kHistoryColumns); ++i) {
    columns.push_back({Widen(model_->ColumnName(kHistoryColumns[i])), kColumnWidths[i], i >= 2});  // figures right
  }
  AddColumns(list, columns);
  Fill();
  Layout();
  SetFocus(list);
}

void HistoryDialog::Fill() {
  const std::wstring chartText = Widen(model_->ChartText());
  HWND chart = GetDlgItem(Handle(), kChartId);
  GiveAccessibleName(chart, chartText);
  InvalidateRect(chart, nullptr, TRUE);
  SetDlgItemTextW(Handle(), kChartTextId, chartText.c_str());
  SetDlgItemTextW(Handle(), kUnreadId, Widen(model_->UnreadText()).c_str());
  ListView_SetItemCountEx(GetDlgItem(Handle(), kListId), static_cast<int>(model_->RunCount()), 0);
}

// The chart takes what the list leaves above it; the list at least a third of the height.
void HistoryDialog::Layout() {
  const SIZE units = ClientUnits();
  const int inner = units.cx - 2 * kMargin;
  const int buttonsTop = units.cy - kMargin - kRowHeight;
  const int available = buttonsTop - kGap - kMargin;
  const int chartHeight = std::max(available * 45 / 100, 40);
  const int textTop = kMargin + chartHeight + kGap;
  const int listTop = textTop + 16 + 8 + kGap;
  Place(kChartId, kMargin, kMargin, inner, chartHeight);
  Place(kChartTextId, kMargin, textTop, inner, 16);
  Place(kUnreadId, kMargin, textTop + 16, inner, 8);
  Place(kListId, kMargin, listTop, inner, std::max(buttonsTop - kGap - listTop, 20));
  Place(kOpenLogId, kMargin, buttonsTop, kButtonWidth, kRowHeight);
  Place(IDCANCEL, units.cx - kMargin - kButtonWidth, buttonsTop, kButtonWidth, kRowHeight);
  InvalidateRect(Handle(), nullptr, TRUE);
}

// Bars stacked by kind, one a day, the axis labelled with the largest day's size; the legend under them.
void HistoryDialog::DrawChart(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  const RECT area = item.rcItem;
  const int scale = static_cast<int>(Dpi());
  const auto px = [scale](int at96) { return MulDiv(at96, scale, 96); };
  FillWith(dc, area, COLOR_WINDOW);
  const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int line = metrics.tmHeight;

  const std::wstring top = Widen(model_->SizeText(model_->LargestDay()));
  SIZE topSize{};
  GetTextExtentPoint32W(dc, top.c_str(), static_cast<int>(top.size()), &topSize);
  RECT plot{area.left + topSize.cx + px(8), area.top + line / 2 + px(2), area.right - px(6),
            area.bottom - line * 2 - px(6)};
  if (plot.right <= plot.left || plot.bottom <= plot.top) return;
  TextOutW(dc, area.left + px(2), plot.top - line / 2, top.c_str(), static_cast<int>(top.size()));
  const std::wstring zero = Widen(model_->SizeText(0));
  TextOutW(dc, area.left + px(2), plot.bottom - line / 2, zero.c_str(), static_cast<int>(zero.size()));

  const auto& days = model_->Days();
  const double dayWidth =
      static_cast<double>(plot.right - plot.left) / static_cast<double>(std::max<std::size_t>(days.size(), 1));
  const double height = plot.bottom - plot.top;
  for (std::size_t d = 0; d < days.size(); ++d) {
    const int left = static_cast<int>(plot.left) + static_cast<int>(dayWidth * static_cast<double>(d)) + 1;
    const int right =
        std::max(static_cast<int>(plot.left) + static_cast<int>(dayWidth * static_cast<double>(d + 1)) - 1, left + 1);
    double below = 0;
    for (std::size_t k = 0; k < std::size(kKinds); ++k) {
      const double bytes = static_cast<double>(days[d].bytes[static_cast<std::size_t>(kKinds[k])]);
      if (bytes == 0) continue;
      const double above = below + bytes * height / static_cast<double>(model_->LargestDay());
      const RECT bar{left, plot.bottom - static_cast<int>(above + 0.5), right,
                     plot.bottom - static_cast<int>(below + 0.5)};
      FillWith(dc, bar, kKindColours[k]);
      below = above;
    }
  }
  const RECT axis{plot.left - px(1), plot.top, plot.left, plot.bottom + px(1)};
  const RECT base{plot.left - px(1), plot.bottom, plot.right, plot.bottom + px(1)};
  FillWith(dc, axis, COLOR_WINDOWTEXT);
  FillWith(dc, base, COLOR_WINDOWTEXT);

  int x = plot.left;
  const int legendTop = area.bottom - line - px(3);
  for (std::size_t k = 0; k < std::size(kKinds); ++k) {
    const RECT swatch{x, legendTop + line / 4, x + line / 2 + px(2), legendTop + line * 3 / 4 + px(1)};
    FillWith(dc, swatch, kKindColours[k]);
    const std::wstring name = Widen(model_->LegendText(kKinds[k]));
    SIZE size{};
    GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &size);
    TextOutW(dc, swatch.right + px(4), legendTop, name.c_str(), static_cast<int>(name.size()));
    x = swatch.right + px(4) + size.cx + px(16);
  }
  SelectObject(dc, oldFont);
}

INT_PTR HistoryDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOLORCHANGE: InvalidateRect(Handle(), nullptr, TRUE); return FALSE;
    case WM_DRAWITEM:
      if (wParam != kChartId) return FALSE;
      DrawChart(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {
        Close();
      } else if (LOWORD(wParam) == kOpenLogId) {
        const std::string refused = model_->OpenLog();
        if (!refused.empty()) {
          MessageBoxW(Handle(), Widen(refused).c_str(), Text(TextId::HistoryWindowTitle).c_str(), MB_OK);
        }
      }
      return TRUE;
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      if (header.idFrom != kListId || header.code != LVN_GETDISPINFOW) return FALSE;
      HandCell(reinterpret_cast<NMLVDISPINFOW*>(lParam)->item, model_->RunCount(), std::size(kHistoryColumns),
               [this](std::size_t row, std::size_t column) { return model_->CellText(row, kHistoryColumns[column]); });
      return TRUE;
    }
    case WM_NCDESTROY: model_.reset(); return FALSE;
  }
  return FALSE;
}

}  // namespace vantrelle::win32
