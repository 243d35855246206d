#pragma once
// The "More locations..." dialog: a real modal dialog with three lists (the further locations and
// Windows' cleanups ticked with Space, the machine's choices read-only), the focused row's description
// under them, the button that starts the machine's "System files" window, and the one that opens the community
// cleaners. Each tick goes to the
// model at once; the sizes of Windows' cleanups arrive from the model's scan as they are measured.
// Threads: all of it runs on the thread that shows the dialog; the scan's thread only posts
// kScannedMessage. The view holds no behaviour of its own.
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "window/morelocations/MoreLocationsChoice.h"

namespace vantrelle::win32 {

class MoreLocationsDialogView : public MoreLocationsDialog {
 public:
  static constexpr int kListId = 101;
  static constexpr int kDescriptionId = 102;
  static constexpr int kNoteId = 103;
  static constexpr int kWindowsListId = 104;
  static constexpr int kSystemListId = 105;
  static constexpr int kCleanSystemId = 106;
  static constexpr int kCommunityId = 107;
  static constexpr UINT kScannedMessage = WM_APP + 1;
  // Starts the scan once the dialog has painted: a timer comes after the paint, so the first handler
  // host does not start while the dialog first draws its lists.
  static constexpr UINT_PTR kStartScanTimer = 1;

  // `cleanSystemFiles` starts the machine's window, with the dialog as the consent prompt's owner;
  // `openCommunity` shows the community cleaners over the dialog (without it, there is no button).
  MoreLocationsDialogView(HINSTANCE instance, std::function<void(HWND)> cleanSystemFiles,
                          std::function<void(HWND)> openCommunity = {})
      : instance_(instance), cleanSystemFiles_(std::move(cleanSystemFiles)), openCommunity_(std::move(openCommunity)) {}
  void ShowModal(platform::WindowHandle owner, MoreLocationsChoice& choice) override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  void Fill(HWND dialog);
  void FillWindowsCleanups(HWND dialog);
  void FillSystemFiles(HWND dialog);
  void ShowScanned(HWND dialog);
  void ItemChanged(HWND dialog, const NMLISTVIEW& change);
  void ShowDescription(HWND dialog, int listId, int item);
  // Sets the tick as the model holds it, and says why when that is not the person's.
  void TickChanged(HWND dialog, HWND list, int item, bool ticked, bool holds, const std::string& refused);

  HINSTANCE instance_;
  std::function<void(HWND)> cleanSystemFiles_;
  std::function<void(HWND)> openCommunity_;
  MoreLocationsChoice* choice_ = nullptr;
  bool filling_ = false;  // ticks set while filling or undoing are not the person's
};

}  // namespace vantrelle::win32
