#include "cleaning/HistoryReading.h"

#include <cctype>

#include "base/Calendar.h"
#include "cleaning/PreviewAndHistoryTexts.h"
#include "cleaning/RunHistory.h"
#include "cleaning/RunReport.h"

namespace vantrelle::cleaning {

namespace {

constexpr std::string_view kRunStart = "Run ";
constexpr std::string_view kStartedBy = ", started by ";
constexpr std::string_view kLocationIndent = "  ";
constexpr std::string_view kLeftIndent = "    ";
constexpr std::size_t kStampLength = 19;  // "2026-12-08 10:15:00"

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A whole number of `digits` digits at `at`; -1 when there is none.
int NumberAt(std::string_view text, std::size_t at, std::size_t digits) {
  if (at + digits > text.size()) return -1;
  int value = 0;
  for (std::size_t i = at; i < at + digits; ++i) {
    if (!IsDigit(text[i])) return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

bool ReadStamp(std::string_view text, LocalTime& moment) {
  if (text.size() < kStampLength || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' ||
      text[16] != ':') {
    return false;
  }
  moment = {NumberAt(text, 0, 4),  NumberAt(text, 5, 2),  NumberAt(text, 8, 2),
            NumberAt(text, 11, 2), NumberAt(text, 14, 2), NumberAt(text, 17, 2)};
  return calendar::IsValidDate(moment.year, moment.month, moment.day) &&
         calendar::IsValidTime(moment.hour, moment.minute, moment.second);
}

bool ReadTrigger(std::string_view text, Trigger& trigger) {
  for (Trigger known : {Trigger::Now, Trigger::Schedule, Trigger::CommandLine, Trigger::LowDiskSpace}) {
    const std::string name = Text(Language::English, TriggerTextId(known));
    if (text.starts_with(name) && (text.size() == name.size() || text.substr(name.size()).starts_with(","))) {
      trigger = known;
      return true;
    }
  }
  return false;
}

// "Run 2026-12-08 10:15:00, started by Now[, keeping ...]".
bool ReadRunLine(std::string_view line, HistoryRun& run) {
  if (!line.starts_with(kRunStart)) return false;
  line.remove_prefix(kRunStart.size());
  if (!ReadStamp(line, run.started)) return false;
  line.remove_prefix(kStampLength);
  if (!line.starts_with(kStartedBy)) return false;
  return ReadTrigger(line.substr(kStartedBy.size()), run.trigger);
}

// The count that ends just before `end`: digits with the locale's grouping between them (whatever it
// was when the line was written). Nothing when no digit is there.
std::optional<std::uint64_t> CountBefore(std::string_view line, std::size_t end) {
  std::size_t begin = end;
  while (begin > 0) {
    const auto c = static_cast<unsigned char>(line[begin - 1]);
    if (!IsDigit(static_cast<char>(c)) && c != ',' && c != '.' && c != '\'' && c != ' ' && c < 0x80) break;
    --begin;
  }
  std::uint64_t value = 0;
  bool any = false;
  for (std::size_t i = begin; i < end; ++i) {
    if (!IsDigit(line[i])) continue;
    if (value > (UINT64_MAX - 9) / 10) return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(line[i] - '0');
    any = true;
  }
  return any ? std::optional(value) : std::nullopt;
}

// The size that ends just before `end`: "123 bytes", or up to three digits with a decimal separator and
// a unit ("1.50 MB", "1,5 GB").
std::optional<std::uint64_t> SizeBefore(std::string_view line, std::size_t end) {
  const std::size_t space = line.rfind(' ', end == 0 ? 0 : end - 1);
  if (space == std::string_view::npos || space == 0) return std::nullopt;
  const std::string_view unit = line.substr(space + 1, end - space - 1);
  std::size_t begin = space;
  while (begin > 0 && line[begin - 1] != ' ') --begin;
  const std::string_view number = line.substr(begin, space - begin);
  if (unit == "bytes" || unit == "byte") {
    for (char c : number) {
      if (!IsDigit(c)) return std::nullopt;
    }
    return CountBefore(line, space);
  }
  static constexpr std::string_view kUnits = "KMGTPE";
  if (unit.size() != 2 || unit[1] != 'B' || kUnits.find(unit[0]) == std::string_view::npos) return std::nullopt;
  const int shift = 10 * (static_cast<int>(kUnits.find(unit[0])) + 1);
  std::uint64_t whole = 0, fraction = 0, scale = 1;
  bool inFraction = false, any = false;
  for (char c : number) {
    if (IsDigit(c)) {
      any = true;
      (inFraction ? fraction : whole) = (inFraction ? fraction : whole) * 10 + static_cast<std::uint64_t>(c - '0');
      if (inFraction) scale *= 10;
    } else if (any) {
      inFraction = true;  // the locale's decimal separator, one byte or more
    }
  }
  if (!any || whole >= 1024 || scale > 1000) return std::nullopt;
  return (whole << shift) + (fraction << shift) / scale;
}

// The outcomes the history writes without figures of their own.
constexpr std::string_view kOutcomeWords[] = {"failed",        "refused", "no temporary folder found", "stopped",
                                              "nothing found", "skipped", "no location chosen"};

// Where a location's figures start: after the first ": " a figure or an outcome follows (a community
// entry's name may hold ": " itself, "Batman: Arkham Asylum"), else after the first ": ".
std::size_t FiguresColon(std::string_view line) {
  const std::size_t first = line.find(": ");
  for (std::size_t colon = first; colon != std::string_view::npos; colon = line.find(": ", colon + 1)) {
    const std::string_view rest = line.substr(colon + 2);
    if (!rest.empty() && IsDigit(rest.front())) return colon;
    for (std::string_view word : kOutcomeWords) {
      if (rest.starts_with(word)) return colon;
    }
  }
  return first;
}

// Adds the figures of a location's line ("  Windows Temp: 3 files deleted, 1 folder removed, 1.50 MB
// freed, 2 left") to the run. False when the line holds no form the history writes.
bool ReadLocationLine(std::string_view line, HistoryRun& run) {
  const std::size_t colon = FiguresColon(line);
  if (colon == std::string_view::npos) return false;
  const std::string_view figures = line.substr(colon + 2);
  bool known = false;
  const auto at = [&](std::string_view word) {
    const std::size_t found = line.find(word, colon);
    return found == std::string_view::npos ? 0 : found;
  };
  for (std::string_view deleted : {" files deleted", " file deleted"}) {
    if (const std::size_t found = at(deleted)) {
      if (auto count = CountBefore(line, found)) run.filesDeleted += *count, known = true;
      break;
    }
  }
  if (const std::size_t found = at(" freed")) {
    if (auto bytes = SizeBefore(line, found)) run.bytesFreed += *bytes, known = true;
  }
  if (line.ends_with(" left")) {
    if (auto count = CountBefore(line, line.size() - 5)) run.entriesLeft += *count, known = true;
  }
  if (figures.starts_with("failed") || figures.starts_with("refused")) {
    ++run.failures;
    known = true;
  }
  for (std::string_view word : kOutcomeWords) {
    if (figures.starts_with(word)) known = true;
  }
  return known || line.find(" moved to the Recycle Bin") != std::string_view::npos;
}

}  // namespace

ReadHistory ReadHistoryText(std::string_view text) {
  ReadHistory read;
  HistoryRun* run = nullptr;
  bool inLeft = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty()) continue;
    HistoryRun next;
    if (ReadRunLine(line, next)) {
      run = &read.runs.emplace_back(next);
      inLeft = false;
      continue;
    }
    bool readable = false;
    if (run && inLeft) {
      readable = line.starts_with(kLeftIndent);
    } else if (run && line == "  Left:") {
      readable = inLeft = true;
    } else if (run && line.starts_with(kLocationIndent) && !line.starts_with(kLeftIndent)) {
      readable = line == "  no location chosen" || ReadLocationLine(line, *run);
    }
    if (!readable) ++read.unreadLines;
  }
  return read;
}

RunKind KindOf(Trigger trigger) {
  switch (trigger) {
    case Trigger::Schedule: return RunKind::Scheduled;
    case Trigger::LowDiskSpace: return RunKind::LowSpace;
    case Trigger::Now:
    case Trigger::CommandLine: break;
  }
  return RunKind::Manual;
}

std::vector<DayFreed> FreedPerDay(const std::vector<HistoryRun>& runs, const LocalTime& today, int days) {
  const std::int64_t last = calendar::DaysFromCivil(today.year, today.month, today.day);
  const std::int64_t first = last - days + 1;
  std::vector<DayFreed> perDay(static_cast<std::size_t>(std::max(days, 0)));
  for (std::size_t i = 0; i < perDay.size(); ++i) {
    perDay[i].day = calendar::FromSeconds((first + static_cast<std::int64_t>(i)) * 86400);
  }
  for (const HistoryRun& run : runs) {
    const std::int64_t day = calendar::DaysFromCivil(run.started.year, run.started.month, run.started.day);
    if (day < first || day > last) continue;
    perDay[static_cast<std::size_t>(day - first)].bytes[static_cast<std::size_t>(KindOf(run.trigger))] +=
        run.bytesFreed;
  }
  return perDay;
}

std::string FreedPerDayText(const Locale& locale, const std::vector<HistoryRun>& runs, const LocalTime& today,
                            int days) {
  const std::int64_t last = calendar::DaysFromCivil(today.year, today.month, today.day);
  std::uint64_t total = 0;
  const HistoryRun* largest = nullptr;
  for (const HistoryRun& run : runs) {
    const std::int64_t day = calendar::DaysFromCivil(run.started.year, run.started.month, run.started.day);
    if (day <= last - days || day > last) continue;
    total += run.bytesFreed;
    if (!largest || run.bytesFreed > largest->bytesFreed) largest = &run;
  }
  return FreedSummaryText(locale, days, total, largest ? largest->bytesFreed : 0,
                          largest ? HistoryStamp(largest->started) : std::string());
}

}  // namespace vantrelle::cleaning
