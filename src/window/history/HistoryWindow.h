#pragma once
// The "History" window's logic: the runs of history.log as a chart of the space freed a day over the
// last 90 days and as a list, newest first, with the lines that could not be read counted, and
// "Open the log". The view (ui/win32) draws and shows it; it holds no behaviour of its own.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cleaning/HistoryReading.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

namespace vantrelle {

enum class HistoryColumn { Started, Trigger, FilesDeleted, SpaceFreed, EntriesLeft, Failures };
inline constexpr HistoryColumn kHistoryColumns[] = {HistoryColumn::Started,      HistoryColumn::Trigger,
                                                    HistoryColumn::FilesDeleted, HistoryColumn::SpaceFreed,
                                                    HistoryColumn::EntriesLeft,  HistoryColumn::Failures};

class HistoryWindow {
 public:
  static constexpr int kDays = 90;

  // Reads the log once, now.
  explicit HistoryWindow(const platform::Platform& platform);

  // The chart: one entry a day, the oldest first, and the largest day's total (at least 1).
  const std::vector<cleaning::DayFreed>& Days() const { return days_; }
  std::uint64_t LargestDay() const { return largestDay_; }
  // The chart's words, also its accessible name: the total freed in the period and the largest run.
  const std::string& ChartText() const { return chartText_; }
  // "2 lines of the log could not be read", or "".
  std::string UnreadText() const;
  std::string LegendText(cleaning::RunKind kind) const;
  std::string ColumnName(HistoryColumn column) const;
  // The axis: a size in the locale's form.
  std::string SizeText(std::uint64_t bytes) const;

  // The runs, newest first.
  std::size_t RunCount() const { return read_.runs.size(); }
  std::string CellText(std::size_t position, HistoryColumn column) const;

  // Opens history.log as the History button did; "" on success, else what the person is told.
  std::string OpenLog() const;

 private:
  const platform::Platform& platform_;
  std::string path_;
  cleaning::ReadHistory read_;
  std::vector<cleaning::DayFreed> days_;
  std::uint64_t largestDay_ = 1;
  std::string chartText_;
};

// The window on the screen: one at a time, beside the main window.
class HistoryWindowView {
 public:
  virtual ~HistoryWindowView() = default;
  // Shows `window`, or brings the open one to the front with the log read again.
  virtual void Show(platform::WindowHandle owner, std::unique_ptr<HistoryWindow> window) = 0;
};

}  // namespace vantrelle
