#pragma once
// The "Community cleaners" window: a modal dialog over "More locations..." with the counts line, a
// search box that filters as the person types, an owner-data list of the entries offered on this
// computer (ticked with Space or a click on the box), what the selected entry deletes, and getting
// the current list (with its progress, a stop, and the weekly check). Each tick goes to the model at once; sizes arrive
// from the model's measuring as they are found. Threads: all of it runs on the thread that shows the dialog; the
// measuring thread only posts kMeasuredMessage, the download's thread kDownloadMessage. The view holds no behaviour of
// its own.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "window/community/CommunityChoice.h"

namespace vantrelle::win32 {

class CommunityWindowView {
 public:
  static constexpr int kCountsId = 101;
  static constexpr int kSearchLabelId = 102;
  static constexpr int kSearchId = 103;
  static constexpr int kListId = 104;
  static constexpr int kDetailsId = 105;
  static constexpr int kWeeklyId = 106;
  static constexpr int kStatusId = 107;
  static constexpr int kGetId = 108;
  static constexpr int kStopId = 109;
  static constexpr UINT kMeasuredMessage = WM_APP + 1;
  static constexpr UINT kDownloadMessage = WM_APP + 2;
  // Starts measuring once the window has painted, so the first walk does not slow its first paint.
  static constexpr UINT_PTR kStartSizesTimer = 1;

  explicit CommunityWindowView(HINSTANCE instance) : instance_(instance) {}
  void ShowModal(HWND owner, CommunityChoice& choice);

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  void Fill(HWND dialog);
  bool Command(HWND dialog, int id, int code);
  void ShowDownload(HWND dialog);
  void ShowDownloadButtons(HWND dialog);
  void SayNotSaved(HWND dialog, const std::string& refused);
  void ShowRows(HWND dialog);
  void ShowMeasured(HWND dialog);
  void ShowDetails(HWND dialog);
  void GiveItem(NMLVDISPINFOW& info);
  void Toggle(HWND dialog, int item);
  bool Notify(HWND dialog, const NMHDR& header);
  // The model's row an item of the list shows, or -1.
  int RowOf(int item) const;

  HINSTANCE instance_;
  CommunityChoice* choice_ = nullptr;
  std::wstring itemText_;  // the text last given to the list, alive until it asks again
};

}  // namespace vantrelle::win32
