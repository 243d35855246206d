#pragma once
// The "History" window: a modeless dialog with the chart of the space freed a day (drawn with GDI at
// the window's DPI, in three system colours with a legend), its words under it, the runs as a list,
// newest first, and "Open the log". The view holds no behaviour of its own: HistoryWindow has it.
#include <windows.h>

#include <memory>
#include <string>

#include "base/Locale.h"
#include "base/Texts.h"
#include "ui/win32/common/ModelessDialog.h"
#include "window/history/HistoryWindow.h"

namespace vantrelle::win32 {

class HistoryDialog : public HistoryWindowView, public ModelessDialog {
 public:
  static constexpr int kChartId = 301;
  static constexpr int kChartTextId = 302;
  static constexpr int kUnreadId = 303;
  static constexpr int kListId = 304;
  static constexpr int kOpenLogId = 305;

  HistoryDialog(HINSTANCE instance, const Locale& locale) : ModelessDialog(instance), locale_(locale) {}
  ~HistoryDialog() override;

  void Show(platform::WindowHandle owner, std::unique_ptr<HistoryWindow> window) override;

 private:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Created() override;
  void Fill();
  void Layout() override;
  void DrawChart(const DRAWITEMSTRUCT& item) const;
  std::wstring Text(TextId id) const;

  const Locale& locale_;
  std::unique_ptr<HistoryWindow> model_;
};

}  // namespace vantrelle::win32
