#pragma once
// The history of runs: one block of text per run, appended to a file that keeps to a fixed size by
// dropping its oldest runs whole.
#include <cstddef>
#include <string>
#include <string_view>

#include "base/Texts.h"
#include "cleaning/DeletionRun.h"

namespace vantrelle::cleaning {

inline constexpr std::size_t kHistoryLimit = 1024 * 1024;
inline constexpr std::size_t kLeftEntriesPerRun = 200;

// "2026-12-08 10:15:00": a fixed form, whatever the person's regional settings, so that the file
// reads the same anywhere.
std::string HistoryStamp(const LocalTime& moment);

// "Vantrelle\history.log" in the local application data folder; "" when that folder is unknown.
std::string HistoryPath(const platform::Platform& platform);

// One run: its start, what started it, a line per chosen location with its figures, then the entries
// left with their reasons, at most kLeftEntriesPerRun of them and never more than `limit` bytes in all.
// The words are in `language` (the file is always written in English, so that it reads and parses the
// same whatever the person's language); numbers in the locale's formats.
std::string HistoryBlock(const Locale& locale, Language language, const RunResult& result,
                         std::size_t limit = kHistoryLimit);
// The same in the locale's display language, for the screen.
std::string HistoryBlock(const Locale& locale, const RunResult& result, std::size_t limit = kHistoryLimit);

// `history` with `block` added at its end, its oldest runs dropped whole until it fits in `limit`.
std::string AppendToHistory(std::string_view history, std::string_view block, std::size_t limit = kHistoryLimit);

// Adds a run's block to the history file. False when that could not be done; it never fails the caller.
bool SaveToHistory(const platform::Platform& platform, std::string_view block);

}  // namespace vantrelle::cleaning
