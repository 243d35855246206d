#pragma once
// The community's entries as the "Community cleaners" window shows them: every entry of the list
// offered on this computer, sorted by category and name, filtered by what the person types, each
// tick stored at once as "Community.<entry name>" (an entry with a warning asks first), what each
// deletes in words, and the sizes measured row by row in the background (CommunitySizes). The view
// draws them and calls in; it holds no behaviour of its own. Threads: everything here belongs to the
// window's thread; only the measuring thread calls `wake`.
#include <cstddef>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/Locale.h"
#include "base/Strings.h"
#include "community/ListFile.h"
#include "community/Places.h"
#include "platform/Platform.h"
#include "settings/CommunitySource.h"
#include "window/community/CommunitySizes.h"
#include "window/community/ListDownloadThread.h"

namespace vantrelle {

struct CommunityRow {
  const community::Entry* entry = nullptr;  // in the list the choice holds
  std::string name;                         // stored as "Community.<name>"
  std::string category;
  std::string found;  // "measuring…", "1.50 MB found", "nothing found"; "…; set by policy" when locked
  bool chosen = false;
  bool locked = false;  // a policy forces it
};

class CommunityChoice {
 public:
  explicit CommunityChoice(const platform::Platform& platform);
  ~CommunityChoice();

  const std::vector<CommunityRow>& Rows() const { return rows_; }
  // The rows whose name or category holds the search text (ignoring case), in order.
  const std::vector<std::size_t>& Shown() const { return shown_; }
  void Search(std::string_view text);
  // "212 of 4,067 found on this computer, 3 chosen; list version 260730", or how to get a list.
  std::string CountsLine() const;
  // What the row's entry deletes, in words and whole paths.
  std::string Details(std::size_t row) const;
  std::size_t ChosenCount() const;

  // Asked before an entry with a warning is ticked: true goes on. Without it, nothing is asked.
  std::function<bool(const std::string& title, const std::string& question)> Confirm;
  // Ticks or unticks a row and stores it at once. A tick the person does not confirm is not made; a
  // locked row or a store that refuses leaves it as it was and says why ("" otherwise).
  std::string Set(std::size_t row, bool chosen);

  // Measures the rows in the background; `wake` is called from the measuring thread after each, and
  // the window then calls TakeMeasured on its own.
  void StartSizes(std::function<void()> wake);
  // Ends the measuring before returning (at the walk's next entry).
  void StopSizes() { sizes_.reset(); }
  // The rows measured since the last call, now up to date.
  std::vector<std::size_t> TakeMeasured();

  // Why the list may not be downloaded here ("" when it may), and whether it may.
  std::string SourceLine() const;
  bool CanDownload() const;
  bool WeeklyCheck() const { return source_.weeklyCheck; }
  // Stores "Check for a new list every week" at once; why not when the store refuses ("" otherwise).
  std::string SetWeeklyCheck(bool on);

  // Fetches the current list in the background from the address the settings name now; `wake` is
  // called from the download's thread as it goes, and the window then calls TakeDownload.
  void StartDownload(std::function<void()> wake);
  void StopDownload();
  bool Downloading() const { return download_ != nullptr; }
  // The status line's text: the progress, then how it ended, once. A list put in place is shown at
  // once, with the chosen entries it lacks said.
  std::string TakeDownload();

  // Shows `file`'s list instead (after a download); the search and the ticks stored stay.
  void Reload(community::ListFile file);
  const std::shared_ptr<const community::List>& List() const { return file_.list; }
  const Locale& TextLocale() const { return *platform_.locale; }

 private:
  void FillRows();
  std::string FoundText(const std::string& found, bool locked) const;

  const platform::Platform& platform_;
  settings::CommunitySource source_;
  community::ListFile file_;
  community::Places places_;
  std::set<std::string, LessNoCase> forced_;  // entry names a policy forces
  std::vector<CommunityRow> rows_;
  std::vector<std::size_t> shown_;
  std::string search_;
  std::unique_ptr<CommunitySizes> sizes_;
  std::unique_ptr<ListDownloadThread> download_;
};

}  // namespace vantrelle
