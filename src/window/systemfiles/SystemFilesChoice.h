#pragma once
// The "System files" window of the copy an administrator started: the machine's piles and the
// machine's Windows cleanups with their sizes, each tick stored at once under the machine's key
// ("<Id>" or "Windows.<key name>"), values machine policy forces shown locked, and "Clean now"
// running the machine's run. Nothing the person can write is read. Threads: everything here belongs
// to the window's thread; only the handlers' scan (HandlerScan, which calls `wake`) and the piles' walk
// (PreviewWalkThread, asked by TakeMeasuredPiles) work on threads of their own.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "window/morelocations/HandlerScan.h"
#include "window/preview/PreviewWalkThread.h"

namespace vantrelle {

struct SystemFileRow {
  std::string valueName;    // "<Id>" or "Windows.<key name>"
  std::string keyName;      // the handler's key name; "" for a pile of the catalogue
  std::string name;         // Windows' display name for a handler
  std::string description;  // then what is lost for good, where something is
  std::string consequence;  // asked about once before it is ticked
  std::string found;        // "measuring…", "1.50 MB found", "nothing found", "failed: …"
  bool chosen = false;
  bool locked = false;  // machine policy holds it
  bool shown = true;    // false once the handler says it has nothing to offer on this drive
};

class SystemFilesChoice {
 public:
  // `platform` is the elevated copy's: its settings are never read.
  explicit SystemFilesChoice(const platform::Platform& platform);
  ~SystemFilesChoice();

  const std::vector<SystemFileRow>& Rows() const { return rows_; }
  const Locale& TextLocale() const { return *platform_.locale; }

  // Asked before a row with a consequence is ticked: true goes on.
  std::function<bool(const std::string& title, const std::string& question)> Confirm;
  // The status line while a run or the piles' measuring works.
  std::function<void(const std::string& status)> OnStatus;

  // Ticks or unticks a row and stores it at once; "" or why it was refused (a locked row, a store
  // that refuses). A tick the person does not confirm is not made.
  std::string Set(std::size_t index, bool chosen);

  // The handlers measured in the background (`wake` called from the scan's thread after each, the
  // window then calls TakeScanned).
  void StartScan(std::function<void()> wake);
  std::vector<std::size_t> TakeScanned();
  // The piles walked one after another on a thread of the walk's own, so that the window paints and
  // answers meanwhile; the window asks TakeMeasuredPiles now and then for the rows whose size arrived,
  // until MeasuringPiles says the last has.
  void StartMeasuringPiles();
  std::vector<std::size_t> TakeMeasuredPiles();
  bool MeasuringPiles() const { return pileWalk_ != nullptr; }

  // Runs the machine's run as `/clean /system` does; the run's report, or why it did not run.
  std::string CleanNow();
  bool Running() const { return running_; }
  bool Closing() const { return closing_; }
  // The window is closing: a run under way stops at its next yield, the piles' walk at its next entry,
  // the scan within 2 seconds.
  void Close();

 private:
  class Host;
  void MeasureNextPile();
  // Ends the piles' walk; the piles not measured yet read "not looked at yet".
  void StopMeasuringPiles();

  const platform::Platform& platform_;
  std::vector<SystemFileRow> rows_;
  std::unique_ptr<HandlerScan> scan_;
  std::size_t nextPile_ = 0;  // the row of the pile being walked, or the first one not walked
  std::unique_ptr<PreviewWalkThread> pileWalk_;
  bool closing_ = false;
  bool running_ = false;
};

}  // namespace vantrelle
