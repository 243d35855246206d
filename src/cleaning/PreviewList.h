#pragma once
// The preview's rows as a person and a script read them: sorted by a column, filtered by location,
// copied as tab-separated lines and saved as CSV. Plain logic: the window only calls it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cleaning/PreviewAndHistoryTexts.h"
#include "cleaning/PreviewRows.h"

namespace vantrelle {
class Locale;
}

namespace vantrelle::cleaning {

// How the Changed column reads: the window gives the person's local time; by default the moment in
// UTC as "2026-12-08 10:15:00", and "" for an unknown time.
using ChangedText = std::function<std::string(platform::FileTime)>;
std::string UtcStamp(platform::FileTime time);

// A line per row for scripts: location, path, size in bytes, what happens, separated by tabs.
std::string ScriptLines(const Locale& locale, const PreviewRowTable& rows);

// Which rows show, and in which order. Holds row numbers of a table it does not own; after rows were
// added to the table, Update takes them in. Used on one thread.
class PreviewListOrder {
 public:
  // Largest first, every location shown.
  PreviewListOrder() = default;

  // Takes in the rows added since the last call, keeping the order and the filter. The first shown
  // position that changed (rows from there on moved down); Count() when none did.
  std::size_t Update(const PreviewRowTable& rows);
  // A click on a column's header: the same column again turns its direction; another column starts
  // with the largest or newest first for Size and Changed, else from A.
  void SortBy(const PreviewRowTable& rows, PreviewColumn column);
  PreviewColumn SortColumn() const { return column_; }
  bool Descending() const { return descending_; }
  // Only the rows of one location (a name among the table's Locations()); "" shows every location.
  void FilterByLocation(const PreviewRowTable& rows, std::string_view location);

  std::size_t Count() const { return shown_.size(); }
  // The table's number of the row shown at `position`.
  std::size_t RowAt(std::size_t position) const { return shown_.at(position); }

  // The rows at these shown positions as tab-separated lines with the columns' values (sizes in bytes),
  // for the clipboard.
  std::string CopiedText(const Locale& locale, const PreviewRowTable& rows, std::span<const std::size_t> positions,
                         const ChangedText& changed = UtcStamp) const;
  // Every row of the table, the filter set aside, in this order: UTF-8 with a byte-order mark, a
  // header row, sizes in bytes, fields quoted where they must be, CRLF lines.
  std::string Csv(const Locale& locale, const PreviewRowTable& rows, const ChangedText& changed = UtcStamp) const;

 private:
  bool Before(const PreviewRowTable& rows, std::uint32_t a, std::uint32_t b) const;
  void Sort(const PreviewRowTable& rows, std::vector<std::uint32_t>& order) const;
  bool Shows(const PreviewRowTable& rows, std::size_t row) const;
  void Refilter(const PreviewRowTable& rows);

  PreviewColumn column_ = PreviewColumn::Size;
  bool descending_ = true;
  std::string location_;
  std::size_t taken_ = 0;             // rows of the table taken in so far
  std::vector<std::uint32_t> shown_;  // the rows shown, in order
};

}  // namespace vantrelle::cleaning
