#pragma once
// The words the preview's list and the history's summary show, from the table of texts in the
// person's display language.
#include <cstdint>
#include <string>
#include <string_view>

#include "cleaning/PreviewRows.h"

namespace vantrelle {
class Locale;
}

namespace vantrelle::cleaning {

enum class PreviewColumn { Location, Name, Folder, Size, Changed, WhatHappens };
inline constexpr PreviewColumn kPreviewColumns[] = {PreviewColumn::Location, PreviewColumn::Name,
                                                    PreviewColumn::Folder,   PreviewColumn::Size,
                                                    PreviewColumn::Changed,  PreviewColumn::WhatHappens};

// What happens to a row's entry: "deleted", "stays: in use", "skipped: Chrome is running", "1.50 MB to
// be freed by Windows' cleanup".
std::string FateText(const Locale& locale, const PreviewRow& row);
// A column's header: "Location", ..., "What happens".
std::string PreviewColumnName(const Locale& locale, PreviewColumn column);

// "2 lines of the log could not be read"; "" for none.
std::string UnreadLinesText(const Locale& locale, std::uint64_t lines);
// "Freed in the last 90 days: 1.50 GB; the largest run: 300 MB on 2026-12-01 10:00:00"; when no run
// freed anything: "Nothing was freed in the last 90 days".
std::string FreedSummaryText(const Locale& locale, int days, std::uint64_t bytes, std::uint64_t largestBytes,
                             std::string_view largestStamp);

}  // namespace vantrelle::cleaning
