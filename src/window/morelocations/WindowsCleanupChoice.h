#pragma once
// The "More locations..." dialog's Windows cleanups: every handler the person may choose (not the
// machine's, not those the program does itself), listed at once from the registry and measured row by
// row in the background, each tick stored at once as "Windows.<key name>"; and the machine's own
// choices, shown read-only. Threads: everything here belongs to the dialog's thread; only the scan
// (HandlerScan) works on its own and calls `wake` from there.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Locale.h"
#include "platform/Platform.h"
#include "window/morelocations/HandlerScan.h"

namespace vantrelle {

struct WindowsCleanupRow {
  std::string keyName;      // stored as "Windows.<key name>"
  std::string name;         // Windows' display name, from the key until the handler gives its own
  std::string description;  // Windows' description, then what is lost for good (the consequence)
  std::string consequence;  // asked about once before it is ticked; "" for most
  std::string found;        // "measuring…", "1.50 MB found", "nothing found", "failed: …"
  bool chosen = false;
  bool shown = true;  // false once the handler says it has nothing to offer on this drive
};

// A row of the machine's choices, as the person sees them: what an administrator chose.
struct MachineChoiceRow {
  std::string valueName;  // "<Id>" or "Windows.<key name>"
  std::string name;
  std::string state;  // "chosen for this computer" or "not chosen"
};

// "1.50 MB found", "nothing found", "failed: <why>", or "measuring…" for a scan that was stopped.
std::string HandlerFoundText(const Locale& locale, const platform::CleanupHandlerResult& size);
// The description with what is lost for good on a line of its own.
std::string WithConsequence(std::string description, const std::string& consequence);

// A handler's scan on its row: whether it shows, what it found, and its own texts where it gave any.
template <class Row>
void ApplyScan(const Locale& locale, const platform::CleanupHandlerScan& scan, Row& row) {
  row.shown = scan.offered;
  row.found = HandlerFoundText(locale, scan.size);
  if (!scan.info.displayName.empty()) row.name = scan.info.displayName;
  if (!scan.info.description.empty()) row.description = WithConsequence(scan.info.description, row.consequence);
}

class WindowsCleanupChoice {
 public:
  explicit WindowsCleanupChoice(const platform::Platform& platform);

  const std::vector<WindowsCleanupRow>& Rows() const { return rows_; }
  const std::vector<MachineChoiceRow>& MachineRows() const { return machineRows_; }

  // Asked before a row with a consequence is ticked: true goes on. Without it, nothing is asked.
  std::function<bool(const std::string& title, const std::string& question)> Confirm;
  // Ticks or unticks a row and stores it at once. A tick the person does not confirm is not made; a
  // store that refuses leaves it as it was and says why ("" otherwise).
  std::string Set(std::size_t index, bool chosen);

  // Measures the rows in the background; `wake` is called from the scan's thread after each, and the
  // window then calls TakeScanned on its own. Without the handlers service nothing is measured.
  void StartScan(std::function<void()> wake);
  // Ends the scan (within 2 seconds for the isolated handlers) before returning.
  void StopScan() { scan_.reset(); }
  // The rows the scan has measured since the last call, now up to date.
  std::vector<std::size_t> TakeScanned();

 private:
  const platform::Platform& platform_;
  std::vector<WindowsCleanupRow> rows_;
  std::vector<MachineChoiceRow> machineRows_;
  std::unique_ptr<HandlerScan> scan_;
};

}  // namespace vantrelle
