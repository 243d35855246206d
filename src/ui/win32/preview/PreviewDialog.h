#pragma once
// The "Preview" window: a modeless dialog beside the main window, one at a time. An owner-data list
// view shows the rows the walk has found so far, taken in every tenth of a second on the window's
// thread; the header sorts, the box filters by location, Enter or a double click opens the entry's
// folder with the entry selected, Ctrl+C copies the selected rows, "Save list..." writes them all.
// Closing the window stops the walk. The view holds no behaviour of its own: PreviewWindow has it.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/Locale.h"
#include "base/Texts.h"
#include "ui/win32/common/ModelessDialog.h"
#include "window/preview/PreviewWindow.h"

namespace vantrelle::win32 {

class PreviewDialog : public PreviewWindowView, public ModelessDialog {
 public:
  static constexpr int kSummaryId = 201;
  static constexpr int kFilterLabelId = 202;
  static constexpr int kFilterId = 203;
  static constexpr int kListId = 204;
  static constexpr int kProgressId = 205;
  static constexpr int kStopId = 206;
  static constexpr int kSaveId = 207;

  PreviewDialog(HINSTANCE instance, const Locale& locale) : ModelessDialog(instance), locale_(locale) {}
  ~PreviewDialog() override;

  bool BringToFront() override { return OpenToFront(); }
  void Show(platform::WindowHandle owner, std::unique_ptr<PreviewWindow> window) override;
  PreviewWalkThread::ThreadEntry WalkThreadEntry() const override;

 private:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Created() override;
  void Layout() override;
  // After new rows (or, with `wholeList`, a new order or filter): the list and the lines.
  void Refresh(bool wholeList);
  void FillFilter();
  void ShowSortArrow();
  bool Notified(const NMHDR& header);
  void OpenFocusedEntry();
  void CopySelected();
  void SaveList();
  std::wstring Text(TextId id) const;

  const Locale& locale_;
  HWND list_ = nullptr;
  std::unique_ptr<PreviewWindow> model_;
  std::vector<std::string> filterChoices_;
  ULONGLONG countSetAt_ = 0;  // when the list last took the model's count
};

}  // namespace vantrelle::win32
