#pragma once
// The "Preview" window's logic: the walk on its own thread, the rows it found so far in the order and
// filter the person chose, the progress and summary lines, and what Copy, Save and Stop do. The view
// (ui/win32) shows it and forwards clicks; it holds no behaviour of its own.
//
// Threads: every member function runs on the window's thread; the walk's thread is PreviewWalkThread's.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cleaning/Preview.h"
#include "cleaning/PreviewList.h"
#include "platform/Shell.h"
#include "window/preview/PreviewWalkThread.h"

namespace vantrelle {

class PreviewWindow {
 public:
  // Starts the walk at once. `ended` runs on the window's thread once the walk has ended, whether it
  // ran to its end, was stopped, or the window closed (then from the destructor).
  PreviewWindow(const platform::Platform& platform, const cleaning::Choices& choices,
                std::function<void(const cleaning::PreviewResult&)> ended,
                PreviewWalkThread::ThreadEntry threadEntry = {});
  PreviewWindow(const PreviewWindow&) = delete;
  PreviewWindow& operator=(const PreviewWindow&) = delete;
  // Stops the walk and waits for it (it leaves off at its next entry).
  ~PreviewWindow();

  // Takes in the rows found since the last call; true when the list or the lines changed.
  bool Poll();
  // The first shown position the last Poll changed (rows from there on moved down); Count() when none.
  std::size_t ChangedFrom() const { return changedFrom_; }
  bool Walking() const { return !result_; }
  void Stop();

  // The lines above the list: one per location with its count and size (and, once done, the total).
  std::string SummaryText() const;
  // "Looking at <location>: N files, <size>" while walking; what became of the walk after.
  std::string ProgressText() const;

  // The list as shown.
  std::size_t Count() const { return order_.Count(); }
  std::string CellText(std::size_t position, cleaning::PreviewColumn column) const;
  // The entry's full path; "" for a row that names no file (a Windows cleanup's figure).
  std::string PathAt(std::size_t position) const;
  void SortBy(cleaning::PreviewColumn column) { order_.SortBy(rows_, column); }
  cleaning::PreviewColumn SortColumn() const { return order_.SortColumn(); }
  bool Descending() const { return order_.Descending(); }
  // The filter's choices: "" (every location) first, then each location met so far.
  std::vector<std::string> FilterChoices() const;
  void FilterByLocation(const std::string& location) { order_.FilterByLocation(rows_, location); }

  // The rows at these shown positions as tab-separated lines, for the clipboard.
  std::string CopiedText(std::span<const std::size_t> positions) const;
  // Writes every row as CSV to `path`; "" on success, else what the person is told.
  std::string SaveList(const std::string& path) const;

  // How the Changed column reads (the view gives the person's local time).
  cleaning::ChangedText changedText = cleaning::UtcStamp;

 private:
  struct LocationFigures {
    std::string name;
    std::uint64_t files = 0;
    std::uint64_t bytes = 0;
  };
  void Count(std::size_t fromRow);
  void Ended();

  const platform::Platform& platform_;
  std::function<void(const cleaning::PreviewResult&)> ended_;
  cleaning::PreviewRowTable rows_;
  cleaning::PreviewListOrder order_;
  std::vector<LocationFigures> figures_;  // by the table's location index
  std::optional<cleaning::PreviewResult> result_;
  bool stopped_ = false;
  std::size_t changedFrom_ = 0;
  std::unique_ptr<PreviewWalkThread> walk_;  // last: its thread ends before the rest goes
};

// The window on the screen: one at a time, beside the main window, which stays usable.
class PreviewWindowView {
 public:
  virtual ~PreviewWindowView() = default;
  // Brings the open preview window to the front; false when none is open.
  virtual bool BringToFront() = 0;
  // Shows `window` until the person closes it; the view owns it meanwhile.
  virtual void Show(platform::WindowHandle owner, std::unique_ptr<PreviewWindow> window) = 0;
  // What the walking thread enters first.
  virtual PreviewWalkThread::ThreadEntry WalkThreadEntry() const { return {}; }
};

}  // namespace vantrelle
