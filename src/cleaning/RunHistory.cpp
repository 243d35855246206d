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

std::string Figures(const Locale& locale, const Tally& tally) {
  return Text(locale, TextId::HistoryFigures,
              {Counted(locale, tally.filesDeleted, TextId::FileCountOne, TextId::FileCountMany),
               Counted(locale, tally.foldersRemoved, TextId::FolderCountOne, TextId::FolderCountMany),
               ByteSizeText(locale, tally.bytesFreed), GroupedNumber(locale, tally.left.size())});
}

std::string LocationLine(const Locale& locale, const LocationResult& result, const Choices& choices) {
  std::string line = "  " + LocationName(locale, result.location, choices, result.moreId) + ": ";
  if (result.location == Location::More && result.outcome == Outcome::Skipped) {
    // the folder is listed as left
    return line + FurtherOutcomeText(locale, result.outcome, result.moreId, {}, SkippedFor(result.tally));
  }
  if (IsFurther(result.location) && result.outcome != Outcome::Emptied) {
    line += FurtherOutcomeText(locale, result.outcome, result.moreId, result.failure);
  } else if (result.byWindowsCleanup) {
    return line + ByWindowsCleanupText(locale, result.tally.bytesFreed, true);
  } else {
    switch (result.outcome) {
      case Outcome::Emptied:
        if (result.location == Location::Downloads) {
          return line + Text(locale, TextId::HistoryMovedAndLeft,
                             {MovedToRecycleBin(locale, result.tally.filesMoved, result.tally.bytesMoved),
                              GroupedNumber(locale, result.tally.left.size())});
        }
        return line + Figures(locale, result.tally);
      case Outcome::NotFound: line += Text(locale, TextId::NoTempFolderFound); break;
      case Outcome::Failed: line += Text(locale, TextId::HistoryFailedMessageShown); break;
      case Outcome::Refused: line += RefusalText(locale, result.location); break;
      case Outcome::Stopped: line += Text(locale, TextId::OutcomeStoppedByClosing); break;
      case Outcome::Skipped:
      case Outcome::NotDetected:
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

std::string HistoryStamp(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return text;
}

std::string HistoryPath(const platform::Platform& platform) {
  const auto local = platform.shell->KnownFolderPath(platform::KnownFolder::LocalAppData);
  if (!local || local->empty()) return {};
  return *local + (local->back() == '\\' ? "" : "\\") + "Vantrelle\\history.log";
}

std::string HistoryBlock(const Locale& locale, const RunResult& result, std::size_t limit) {
  return HistoryBlock(locale, locale.DisplayLanguage(), result, limit);
}

std::string HistoryBlock(const Locale& formats, Language language, const RunResult& result, std::size_t limit) {
  const LocaleInLanguage locale(formats, language);
  const Choices& choices = result.choices;
  // The English text starts with kBlockStart, which AppendToHistory looks for.
  const std::string stamp = HistoryStamp(result.started);
  const std::string trigger = TriggerName(locale, choices.trigger);
  std::string block =
      choices.keepRecentHours > 0
          ? Text(locale, choices.keepRecentHours == 1 ? TextId::HistoryRunKeepingOne : TextId::HistoryRunKeepingMany,
                 {stamp, trigger, std::to_string(choices.keepRecentHours)})
          : Text(locale, TextId::HistoryRun, {stamp, trigger});
  block += kNewLine;
  bool anyChosen = false;
  for (const auto& location : result.locations) {
    if (location.outcome == Outcome::NotChosen) continue;
    anyChosen = true;
    block.append(LocationLine(locale, location, choices)).append(kNewLine);
  }
  if (!anyChosen) block.append("  ").append(Text(locale, TextId::HistoryNoLocationChosen)).append(kNewLine);

  std::uint64_t written = 0;
  const std::uint64_t left = result.EntriesLeft();
  if (left > 0) block.append("  ").append(Text(locale, TextId::HistoryLeft)).append(kNewLine);
  for (const auto& location : result.locations) {
    for (const auto& entry : location.tally.left) {
      std::string line = "    " + entry.path + " (" + ReasonText(locale, entry.reason) + ")";
      line += kNewLine;
      if (written == kLeftEntriesPerRun || block.size() + line.size() + kMoreLineRoom + kNewLine.size() > limit) break;
      block += line;
      ++written;
    }
  }
  if (written < left) {
    block.append("    ")
        .append(Text(locale, TextId::HistoryMore, {GroupedNumber(locale, left - written)}))
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
