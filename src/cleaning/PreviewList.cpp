#include "cleaning/PreviewList.h"

#include <algorithm>

#include "base/Calendar.h"
#include "cleaning/PreviewAndHistoryTexts.h"
#include "cleaning/RunHistory.h"

namespace vantrelle::cleaning {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kCsvLineEnd = "\r\n";

// Names compared as a person reads them: letters of A to Z in either case alike.
int CompareNoCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(lower(a[i]));
    const auto y = static_cast<unsigned char>(lower(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

template <class T>
int Compare(const T& a, const T& b) {
  return a < b ? -1 : b < a ? 1 : 0;
}

int CompareBy(PreviewColumn column, const PreviewRow& a, const PreviewRow& b) {
  switch (column) {
    case PreviewColumn::Location: return CompareNoCase(a.location, b.location);
    case PreviewColumn::Name: return CompareNoCase(a.name, b.name);
    case PreviewColumn::Folder: return CompareNoCase(a.folder, b.folder);
    case PreviewColumn::Size: return Compare(a.size, b.size);
    case PreviewColumn::Changed: return Compare(a.changed, b.changed);
    case PreviewColumn::WhatHappens: {
      const int fate = Compare(a.fate, b.fate);
      return fate != 0 ? fate : CompareNoCase(a.program, b.program);
    }
  }
  return 0;
}

// The columns' values of a row, sizes in bytes.
std::vector<std::string> Fields(const Locale& locale, const PreviewRow& row, const ChangedText& changed) {
  return {std::string(row.location), std::string(row.name), std::string(row.folder),
          std::to_string(row.size),  changed(row.changed),  FateText(locale, row)};
}

// A field as a spreadsheet reads it back: quoted, with its quotes doubled, when it holds a separator,
// a quote, a line break, or blanks at either end. Any program can name a file in a temp folder, and a
// spreadsheet runs a cell that starts with = + - @ (or a tab or CR before one) as a formula: such a
// field gets a leading apostrophe, which makes the cell text.
std::string CsvField(std::string_view value) {
  const bool formula = !value.empty() && std::string_view("=+-@\t\r").find(value.front()) != std::string_view::npos;
  std::string guarded(formula ? "'" : "");
  guarded += value;
  const std::string_view field = guarded;
  const bool quoted = field.find_first_of(",\";\r\n") != std::string_view::npos ||
                      (!field.empty() && (field.front() == ' ' || field.back() == ' '));
  if (!quoted) return std::string(field);
  std::string text = "\"";
  for (char c : field) {
    if (c == '"') text += '"';
    text += c;
  }
  return text + "\"";
}

std::string Joined(const std::vector<std::string>& fields, std::string_view separator) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i) line += separator;
    line += fields[i];
  }
  return line;
}

}  // namespace

std::string UtcStamp(platform::FileTime time) {
  if (time <= 0) return {};
  constexpr std::int64_t kSeconds1601To1970 = 11644473600;
  return HistoryStamp(calendar::FromSeconds(time / platform::kFileTimePerSecond - kSeconds1601To1970));
}

std::string ScriptLines(const Locale& locale, const PreviewRowTable& rows) {
  std::string text;
  for (std::size_t i = 0; i < rows.Size(); ++i) {
    const PreviewRow row = rows.Row(i);
    text.append(row.location).append("\t").append(rows.Path(i)).append("\t").append(std::to_string(row.size));
    text.append("\t").append(FateText(locale, row)).append("\n");
  }
  return text;
}

bool PreviewListOrder::Before(const PreviewRowTable& rows, std::uint32_t a, std::uint32_t b) const {
  const int by = CompareBy(column_, rows.Row(a), rows.Row(b));
  return descending_ ? by > 0 : by < 0;
}

void PreviewListOrder::Sort(const PreviewRowTable& rows, std::vector<std::uint32_t>& order) const {
  std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return Before(rows, a, b); });
}

bool PreviewListOrder::Shows(const PreviewRowTable& rows, std::size_t row) const {
  return location_.empty() || rows.Row(row).location == location_;
}

std::size_t PreviewListOrder::Update(const PreviewRowTable& rows) {
  std::vector<std::uint32_t> added;
  for (; taken_ < rows.Size(); ++taken_) {
    if (Shows(rows, taken_)) added.push_back(static_cast<std::uint32_t>(taken_));
  }
  if (added.empty()) return shown_.size();
  Sort(rows, added);
  const auto before = [&](std::uint32_t a, std::uint32_t b) { return Before(rows, a, b); };
  // The rows already shown before the first one added stay where they are (a merge keeps equal rows
  // in the order they came).
  const auto firstChanged = std::upper_bound(shown_.begin(), shown_.end(), added.front(), before) - shown_.begin();
  const auto middle = static_cast<std::ptrdiff_t>(shown_.size());
  shown_.insert(shown_.end(), added.begin(), added.end());
  std::inplace_merge(shown_.begin(), shown_.begin() + middle, shown_.end(), before);
  return static_cast<std::size_t>(firstChanged);
}

void PreviewListOrder::SortBy(const PreviewRowTable& rows, PreviewColumn column) {
  if (column == column_) {
    descending_ = !descending_;
  } else {
    column_ = column;
    descending_ = column == PreviewColumn::Size || column == PreviewColumn::Changed;
  }
  Refilter(rows);
}

void PreviewListOrder::FilterByLocation(const PreviewRowTable& rows, std::string_view location) {
  location_ = location;
  Refilter(rows);
}

void PreviewListOrder::Refilter(const PreviewRowTable& rows) {
  shown_.clear();
  taken_ = 0;
  Update(rows);
}

std::string PreviewListOrder::CopiedText(const Locale& locale, const PreviewRowTable& rows,
                                         std::span<const std::size_t> positions, const ChangedText& changed) const {
  std::string text;
  for (std::size_t position : positions) {
    text += Joined(Fields(locale, rows.Row(RowAt(position)), changed), "\t") + "\r\n";
  }
  return text;
}

std::string PreviewListOrder::Csv(const Locale& locale, const PreviewRowTable& rows, const ChangedText& changed) const {
  std::string text(kByteOrderMark);
  std::vector<std::string> header;
  for (PreviewColumn column : kPreviewColumns) header.push_back(CsvField(PreviewColumnName(locale, column)));
  text += Joined(header, ",");
  text += kCsvLineEnd;
  std::vector<std::uint32_t> every(rows.Size());
  for (std::size_t i = 0; i < every.size(); ++i) every[i] = static_cast<std::uint32_t>(i);
  Sort(rows, every);
  for (std::uint32_t row : every) {
    std::vector<std::string> fields = Fields(locale, rows.Row(row), changed);
    for (auto& field : fields) field = CsvField(field);
    text += Joined(fields, ",");
    text += kCsvLineEnd;
  }
  return text;
}

}  // namespace vantrelle::cleaning
