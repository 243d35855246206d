#pragma once
// The run's report in words: the window's last-run line, the tray balloon, and the texts the history
// and the preview share. Plain functions of the report and the person's regional settings.
#include <cstdint>
#include <string>

#include "cleaning/DeletionRun.h"

namespace vantrelle {
class Locale;
}

namespace vantrelle::cleaning {

// "Windows Temp", ..., "Own folder (C:\Work)".
std::string LocationName(Location location, const Choices& choices);
// "in use", "access denied", "kept as recent", "a link left alone".
std::string ReasonText(LeftReason reason);
// "Now", "Schedule", "Command line".
std::string TriggerName(Trigger trigger);
// Why a chosen folder was not emptied or walked: it is not one the program may touch.
std::string RefusalText(Location location);

// "12 files moved to the Recycle Bin, 1.50 MB".
std::string MovedToRecycleBin(const Locale& locale, std::uint64_t files, std::uint64_t bytes);
// "1.50 MB freed, 3 left".
std::string FreedAndLeft(const Locale& locale, const RunResult& result);
// "Last run: 12/7/2026 10:00:00 AM: 1,234 files deleted, 1.50 MB freed, 3 left", and " (history not
// saved)" when the history could not be written.
std::string LastRunLine(const Locale& locale, const RunResult& result, bool historySaved);

}  // namespace vantrelle::cleaning
