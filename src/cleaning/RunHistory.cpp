#include "cleaning/RunHistory.h"

#include <cstdio>

#include "base/SizeText.h"
#include "cleaning/RunReport.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/TextFiles.h"

namespace vantrelle::cleaning {

namespace {

constexpr std::string_view kNewLine = "\r\n";  // every editor on the system shows these as lines
constexpr std::string_view kBlockStart = "Run ";
// Room kept at the end of a block for the line that counts the entries left out.
constexpr std::size_t kMoreLineRoom = 64;

// A fixed form, whatever the person's regional settings, so that the file reads the same anywhere.
std::string Stamp(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return text;
}

std::string Figures(const Locale& locale, const Tally& tally) {
  return Counted(locale, tally.filesDeleted, "file", "files") + " deleted, " +
         Counted(locale, tally.foldersRemoved, "folder", "folders") + " removed, " +
         ByteSizeText(locale, tally.bytesFreed) + " freed, " + GroupedNumber(locale, tally.left.size()) + " left";
}

std::string LocationLine(const Locale& locale, const LocationResult& result, const Choices& choices) {
  std::string line = "  " + LocationName(result.location, choices, result.moreId) + ": ";
  if (result.location == Location::More && result.outcome == Outcome::Skipped) {
    return line + FurtherOutcomeText(result.outcome, result.moreId);  // the folder is listed as left
  }
  if (IsFurther(result.location) && result.outcome != Outcome::Emptied) {
    line += FurtherOutcomeText(result.outcome, result.moreId, result.failure);
  } else if (result.byWindowsCleanup) {
    return line + ByWindowsCleanupText(locale, result.tally.bytesFreed, true);
  } else {
    switch (result.outcome) {
      case Outcome::Emptied:
        if (result.location == Location::Downloads) {
          return line + MovedToRecycleBin(locale, result.tally.filesMoved, result.tally.bytesMoved) + ", " +
                 GroupedNumber(locale, result.tally.left.size()) + " left";
        }
        return line + Figures(locale, result.tally);
      case Outcome::NotFound: line += "no temporary folder found"; break;
      case Outcome::Failed: line += "failed, its message was shown"; break;
      case Outcome::Refused: line += RefusalText(result.location); break;
      case Outcome::Stopped: line += "stopped, the program was closed"; break;
      case Outcome::Skipped:
      case Outcome::NotChosen: break;
    }
  }
  const Tally& tally = result.tally;
  if (tally.filesDeleted || tally.foldersRemoved || tally.bytesFreed || !tally.left.empty()) {
    line += "; " + Figures(locale, tally);
  }
  return line;
}

}  // namespace

std::string HistoryPath(const platform::Platform& platform) {
  const auto local = platform.shell->KnownFolderPath(platform::KnownFolder::LocalAppData);
  if (!local || local->empty()) return {};
  return *local + (local->back() == '\\' ? "" : "\\") + "Vantrelle\\history.log";
}

std::string HistoryBlock(const Locale& locale, const RunResult& result, std::size_t limit) {
  const Choices& choices = result.choices;
  std::string block = std::string(kBlockStart) + Stamp(result.started) + ", started by " + TriggerName(choices.trigger);
  if (choices.keepRecentHours > 0) {
    block += ", keeping files changed in the last " + std::to_string(choices.keepRecentHours) + " hours";
  }
  block += kNewLine;
  bool anyChosen = false;
  for (const auto& location : result.locations) {
    if (location.outcome == Outcome::NotChosen) continue;
    anyChosen = true;
    block.append(LocationLine(locale, location, choices)).append(kNewLine);
  }
  if (!anyChosen) block.append("  no location chosen").append(kNewLine);

  std::uint64_t written = 0;
  const std::uint64_t left = result.EntriesLeft();
  if (left > 0) block.append("  Left:").append(kNewLine);
  for (const auto& location : result.locations) {
    for (const auto& entry : location.tally.left) {
      std::string line = "    " + entry.path + " (" + ReasonText(entry.reason) + ")";
      line += kNewLine;
      if (written == kLeftEntriesPerRun || block.size() + line.size() + kMoreLineRoom + kNewLine.size() > limit) break;
      block += line;
      ++written;
    }
  }
  if (written < left) {
    block.append("    \xE2\x80\xA6 and ")
        .append(GroupedNumber(locale, left - written))
        .append(" more")
        .append(kNewLine);
  }
  return block.append(kNewLine);
}

std::string AppendToHistory(std::string_view history, std::string_view block, std::size_t limit) {
  // A history that does not end its last run cleanly still gets the new one on a line of its own.
  const bool needsBreak = !history.empty() && history.back() != '\n';
  std::size_t from = 0;
  while (history.size() - from + (needsBreak ? kNewLine.size() : 0) + block.size() > limit) {
    // Runs start at the beginning of a line with kBlockStart; drop up to the next one.
    const auto next = history.find(std::string("\n") + std::string(kBlockStart), from);
    if (next == std::string_view::npos) {
      from = history.size();
      break;
    }
    from = next + 1;
  }
  std::string out(history.substr(from));
  if (!out.empty() && out.back() != '\n') out += kNewLine;
  return out.append(block);
}

bool SaveToHistory(const platform::Platform& platform, std::string_view block) {
  try {
    if (!platform.textFiles) return false;
    const std::string path = HistoryPath(platform);
    if (path.empty()) return false;
    // A history that exists but cannot be read is left as it is rather than overwritten.
    const auto history = platform.textFiles->Read(path);
    if (!history) return false;
    return platform.textFiles->Write(path, AppendToHistory(*history, block));
  } catch (...) {
    return false;
  }
}

}  // namespace vantrelle::cleaning
