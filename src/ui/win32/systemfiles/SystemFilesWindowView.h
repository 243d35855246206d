#pragma once
// The "System files" window of the copy an administrator started: a dialog with the machine's
// choices as a checked list (sizes filled in as they are measured), the focused row's description,
// the status line, "Clean now" and the run's report. Each tick goes to the model at once. Threads:
// all of it runs on the thread that shows the window; the handlers' scan only posts kScannedMessage,
// and the piles' walk is asked for its sizes on kPilesTimer.
#include <windows.h>
#include <commctrl.h>

#include "window/systemfiles/SystemFilesChoice.h"

namespace vantrelle::win32 {

class SystemFilesWindowView {
 public:
  static constexpr int kListId = 201;
  static constexpr int kDescriptionId = 202;
  static constexpr int kStatusId = 203;
  static constexpr int kReportId = 204;
  static constexpr int kCleanNowId = 205;
  static constexpr UINT kScannedMessage = WM_APP + 2;
  static constexpr UINT_PTR kPilesTimer = 1;  // asks for the piles' sizes while they are walked

  SystemFilesWindowView(HINSTANCE instance, SystemFilesChoice& choice) : instance_(instance), choice_(choice) {}
  // Shows the window until the person closes it.
  void Run();

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  void Fill(HWND dialog);
  void ShowRow(HWND dialog, std::size_t row);
  void ShowMeasuredPiles(HWND dialog);
  void ItemChanged(HWND dialog, const NMLISTVIEW& change);
  void CleanNow(HWND dialog);

  HINSTANCE instance_;
  SystemFilesChoice& choice_;
  bool filling_ = false;  // ticks set while filling or undoing are not the person's
};

}  // namespace vantrelle::win32
