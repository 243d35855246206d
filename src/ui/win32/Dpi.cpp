#include "ui/win32/Dpi.h"

namespace vantrelle::win32 {

UINT WindowDpi(HWND window) {
  const UINT dpi = window ? GetDpiForWindow(window) : 0;
  return dpi ? dpi : kDefaultDpi;
}

int TwipsToPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), layout::kTwipsPerInch); }

namespace {

// A far edge half a pixel out rounds in, so a control designed a few twips into its neighbour never
// shows over it at scales where half pixels occur (150 %).
int FarEdgeToPixels(int twips, UINT dpi) {
  const long long scaled = static_cast<long long>(twips) * dpi;
  return static_cast<int>((scaled + layout::kTwipsPerInch / 2 - 1) / layout::kTwipsPerInch);
}

}  // namespace

RECT TwipsToPixels(const layout::Rect& twips, UINT dpi) {
  return RECT{TwipsToPixels(twips.left, dpi), TwipsToPixels(twips.top, dpi), FarEdgeToPixels(twips.Right(), dpi),
              FarEdgeToPixels(twips.Bottom(), dpi)};
}

int FontHeight(int hundredthsOfPoint, UINT dpi) { return -MulDiv(hundredthsOfPoint, static_cast<int>(dpi), 7200); }

SIZE OuterSize(SIZE client, DWORD style, DWORD exStyle, UINT dpi) {
  RECT rect{0, 0, client.cx, client.cy};
  if (!AdjustWindowRectExForDpi(&rect, style, FALSE, exStyle, dpi)) AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

int SystemMetric(int index, UINT dpi) {
  const int value = GetSystemMetricsForDpi(index, dpi);
  return value ? value : GetSystemMetrics(index);
}

}  // namespace vantrelle::win32
