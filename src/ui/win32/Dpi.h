#pragma once
// Twips and points to pixels at a window's DPI, so the layout keeps its proportions on every monitor.
#include <windows.h>

#include "window/Layout.h"

namespace vantrelle::win32 {

inline constexpr UINT kDefaultDpi = USER_DEFAULT_SCREEN_DPI;

UINT WindowDpi(HWND window);
int TwipsToPixels(int twips, UINT dpi);
// Edges are converted, not sizes, so neighbours that touch in twips still touch in pixels.
RECT TwipsToPixels(const layout::Rect& twips, UINT dpi);
// The LOGFONT height (negative: character height) of a font of that size.
int FontHeight(int hundredthsOfPoint, UINT dpi);
// The outer window size that gives a client area of that many pixels.
SIZE OuterSize(SIZE client, DWORD style, DWORD exStyle, UINT dpi);
int SystemMetric(int index, UINT dpi);

}  // namespace vantrelle::win32
