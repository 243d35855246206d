#pragma once
// The run's report in words: the window's last-run line, the tray balloon, and the texts the history
// and the preview share. Plain functions of the report and the person's regional settings, in the
// locale's display language (the history file passes a LocaleInLanguage for English).
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Texts.h"
#include "cleaning/DeletionRun.h"

namespace vantrelle::cleaning {

// "Windows Temp", ..., "Own folder (C:\Work)"; a further location by its catalogue name ("Chrome
// cache"), given its id; a community entry by its name.
std::string LocationName(const Locale& locale, Location location, const Choices& choices, std::string_view moreId = {});
// "1 file", "2 files", with the locale's grouping: `one` for exactly one, else `many`.
std::string Counted(const Locale& locale, std::uint64_t count, TextId one, TextId many);
// What a further location's line says when it was not emptied: "nothing found", "skipped, Chrome is
// running" (or, `skippedFor` StateUnreadable, "skipped, Windows Update's state could not be read"),
// "skipped, not found on this computer", "failed" (with its reason when known: "failed: ..."); ""
// when it was emptied or not chosen.
std::string FurtherOutcomeText(const Locale& locale, Outcome outcome, std::string_view moreId,
                               std::string_view failure = {}, LeftReason skippedFor = LeftReason::ProgramRunning);
// Why a skipped further location was left whole: the reason its folder was listed as left with.
LeftReason SkippedFor(const Tally& tally);
// "1.50 MB freed by Windows' cleanup", or for a preview "1.50 MB to be freed by Windows' cleanup".
std::string ByWindowsCleanupText(const Locale& locale, std::uint64_t bytes, bool freed);
// "in use", "access denied", "kept as recent", "a link left alone".
std::string ReasonText(const Locale& locale, LeftReason reason);
// "Now", "Schedule", "Command line".
std::string TriggerName(const Locale& locale, Trigger trigger);
// The text that names a trigger; the history file always uses its English form.
TextId TriggerTextId(Trigger trigger);
// Why a chosen folder was not emptied or walked: it is not one the program may touch.
std::string RefusalText(const Locale& locale, Location location);

// "12 files moved to the Recycle Bin, 1.50 MB".
std::string MovedToRecycleBin(const Locale& locale, std::uint64_t files, std::uint64_t bytes);
// "1.50 MB freed, 3 left".
std::string FreedAndLeft(const Locale& locale, const RunResult& result);
// "Last run: 12/7/2026 10:00:00 AM: 1,234 files deleted, 1.50 MB freed, 3 left", and " (history not
// saved)" when the history could not be written.
std::string LastRunLine(const Locale& locale, const RunResult& result, bool historySaved);

}  // namespace vantrelle::cleaning
