// The community's list fetched and put in place on the fakes: what replaces the person's copy and
// what leaves it as it was, the download's own thread stopped mid-way, and the weekly check's
// decisions on the fake clock.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "LogicTest.h"
#include "base/Strings.h"
#include "community/ListDownload.h"
#include "community/ListFile.h"
#include "settings/CommunityChoices.h"
#include "settings/CommunitySource.h"
#include "window/community/ListDownloadThread.h"
#include "window/community/WeeklyListCheck.h"

namespace vantrelle::testing {
namespace {

using community::DownloadOutcome;
using platform::KnownFolder;

const std::string kAddress = settings::kCommunityListAddress;

std::string ListText(const std::string& version, std::initializer_list<const char*> names) {
  std::string text = version.empty() ? "; a list\n" : "; Version: " + version + "\n";
  for (const char* name : names) {
    text += std::string("[") + name + " *]\nFileKey1=%LocalAppData%\\" + name + "|*.tmp\n";
  }
  return text;
}

class CommunityDownloadTest : public LogicTest {
 protected:
  CommunityDownloadTest() {
    fakes.shell.knownFolders = {{KnownFolder::LocalAppData, "C:\\Users\\Ann\\AppData\\Local"}};
    path = community::PersonsList(fakes.platform);
    fakes.textFiles.files[ToLower(path)] = kOld;
  }
  std::string OnDisk() { return fakes.textFiles.Read(path).value_or("<unreadable>"); }
  std::shared_ptr<const community::List> Current() { return community::LoadList(fakes.platform, {}).list; }

  // Waits for the check's answer, as the window would when woken.
  std::optional<std::string> Answer(WeeklyListCheck& check) {
    for (int i = 0; i < 5000; ++i) {
      if (auto said = check.Poll()) return said;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return std::nullopt;
  }

  const std::string kOld = ListText("260730", {"Alpha", "Beta", "Delta"});
  std::string path;
};

TEST_F(CommunityDownloadTest, OnlyAWholeValidListReplacesThePersonsCopy) {
  const std::string failed = "The list could not be downloaded: ";
  const std::string stays = ". The one you had stays.";
  struct Case {
    const char* name;
    std::string body;   // served, unless `error` is set
    std::string error;  // the service's failure
    bool refuseWrite;
    std::string message;  // "" when replaced
  };
  const Case cases[] = {
      {"valid", ListText("260801", {"Alpha", "Gamma"}), "", false, ""},
      {"no entries", ListText("260801", {}), "", false, failed + "the file is not a community cleaning list" + stays},
      {"a web page", "<html><body>Not found</body></html>", "", false,
       failed + "the file is not a community cleaning list" + stays},
      {"nothing offered", "[Bad *]\nFileKey1=C:\\Windows|*\n", "", false,
       failed + "the list holds no entry that can be used" + stays},
      {"server error", "", "the server answered 500", false, failed + "the server answered 500" + stays},
      {"system message", "", "The operation timed out.", false, failed + "The operation timed out" + stays},
      {"too large", std::string(community::kLargestList + 1, ';'), "", false, failed + "the file is larger than"},
      {"not saved", ListText("260801", {"Alpha"}), "", true, failed + "it could not be saved as " + path + stays},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fakes.textFiles.files[ToLower(path)] = kOld;
    fakes.textFiles.refuseWrites = c.refuseWrite;
    if (c.error.empty()) {
      fakes.downloads.Serve(kAddress, c.body);
    } else {
      fakes.downloads.Fail(kAddress, c.error);
    }
    const auto outcome = community::DownloadList(fakes.platform, kAddress, Current(), {"Beta", "Alpha", "Delta"}, {},
                                                 [] { return true; });
    EXPECT_FALSE(outcome.stopped);
    if (c.message.empty()) {
      EXPECT_TRUE(outcome.replaced);
      EXPECT_EQ(outcome.message, "");
      EXPECT_EQ(OnDisk(), c.body);
      ASSERT_TRUE(outcome.list);
      EXPECT_EQ(outcome.list->Version(), "260801");
      EXPECT_EQ(outcome.gone, (std::vector<std::string>{"Beta", "Delta"}));
      EXPECT_EQ(community::ChosenGoneText(fakes.locale, outcome.gone),
                "2 chosen entries are no longer in the list: Beta, Delta.");
    } else {
      EXPECT_FALSE(outcome.replaced);
      EXPECT_EQ(outcome.message.substr(0, c.message.size()), c.message) << outcome.message;
      EXPECT_TRUE(outcome.gone.empty());
      EXPECT_EQ(OnDisk(), kOld);
    }
  }
  fakes.locale.language = Language::German;
  EXPECT_EQ(community::ChosenGoneText(fakes.locale, {"Beta"}),
            "1 gewählter Eintrag ist nicht mehr in der Liste: Beta.");
}

// The download's thread leaves off when stopped or destroyed mid-way; nothing is replaced and nothing
// is said. Run under the thread sanitizer.
TEST_F(CommunityDownloadTest, TheDownloadsThreadStopsMidWayAndReportsWhatItDid) {
  const std::string fresh = ListText("260801", {"Alpha"});
  fakes.downloads.Serve(kAddress, fresh);
  fakes.downloads.HoldPieces();
  std::atomic<int> wakes{0};
  const auto request = [&] {
    ListDownloadThread::Request request;
    request.address = kAddress;
    request.current = Current();
    request.chosenBefore = {"Alpha"};
    return request;
  };
  {
    ListDownloadThread download(fakes.platform, request(), [&] { ++wakes; });
    fakes.downloads.WaitUntilHeld();
    fakes.downloads.Allow(1);
    while (download.Progress().received == 0) std::this_thread::yield();
    EXPECT_EQ(download.Progress().total, fresh.size());
    download.Stop();
    std::optional<DownloadOutcome> outcome;
    while (!(outcome = download.TakeOutcome())) std::this_thread::yield();
    EXPECT_TRUE(outcome->stopped);
    EXPECT_FALSE(outcome->replaced);
    EXPECT_EQ(outcome->message, "");
    EXPECT_FALSE(download.TakeOutcome());  // told once
    EXPECT_GE(wakes.load(), 2);            // the piece, the end
  }
  auto destroyed = std::make_unique<ListDownloadThread>(fakes.platform, request(), nullptr);
  fakes.downloads.WaitUntilHeld();
  const auto before = std::chrono::steady_clock::now();
  destroyed.reset();  // while it waits for its next piece
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(250));
  EXPECT_EQ(OnDisk(), kOld);

  fakes.downloads.Allow(100);
  ListDownloadThread download(fakes.platform, request(), [&] { ++wakes; });
  std::optional<DownloadOutcome> outcome;
  while (!(outcome = download.TakeOutcome())) std::this_thread::yield();
  EXPECT_TRUE(outcome->replaced);
  EXPECT_EQ(download.Progress().received, fresh.size());
  EXPECT_EQ(OnDisk(), fresh);
}

TEST_F(CommunityDownloadTest, TheWeeklyCheckTakesOnlyANewerListWhenDue) {
  constexpr platform::FileTime kDay = 24 * platform::kFileTimePerHour;
  const platform::FileTime now = fakes.clock.fileTime;
  struct Case {
    const char* name;
    const char* weekly;
    std::string lastCheck;
    std::string served;  // "" for a failing server
    bool starts;
    bool replaced;
    bool stored;  // the time of this check
  };
  const Case cases[] = {
      {"off", "0", "", ListText("260801", {"Alpha"}), false, false, false},
      {"not due", "1", std::to_string(now - 6 * kDay), ListText("260801", {"Alpha"}), false, false, false},
      {"due, newer", "1", std::to_string(now - 7 * kDay), ListText("260801", {"Alpha"}), true, true, true},
      {"never, older", "1", "", ListText("260101", {"Alpha"}), true, false, true},
      {"clock set back, no version", "1", std::to_string(now + kDay), ListText("", {"Alpha"}), true, false, true},
      {"due, server fails", "1", "garbage", "", true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fakes.textFiles.files[ToLower(path)] = kOld;
    fakes.settings.SaveSetting(std::string(settings::kApplication), std::string(settings::kSection),
                               "CommunityWeeklyCheck", c.weekly);
    fakes.settings.SaveSetting(std::string(settings::kApplication), std::string(settings::kSection),
                               "CommunityLastCheck", c.lastCheck);
    if (c.served.empty()) {
      fakes.downloads.Fail(kAddress, "the server answered 503");
    } else {
      fakes.downloads.Serve(kAddress, c.served);
    }
    WeeklyListCheck check(fakes.platform);
    EXPECT_EQ(check.Start({}), c.starts);
    EXPECT_FALSE(check.Start({}));  // once a session
    if (c.starts) {
      EXPECT_EQ(Answer(check), c.replaced ? "Community cleaning list updated to version 260801." : "");
    }
    EXPECT_EQ(OnDisk(), c.replaced ? c.served : kOld);
    EXPECT_EQ(Stored("CommunityLastCheck"), c.stored ? std::to_string(now) : c.lastCheck);
  }
}

TEST_F(CommunityDownloadTest, TheWindowSaysANewerListAndTheChosenEntriesItLacks) {
  fakes.settings.SaveSetting(std::string(settings::kApplication), std::string(settings::kSection),
                             "CommunityWeeklyCheck", "1");
  settings::kCommunityChoices.Save(fakes.settings, "Beta", true);
  settings::kCommunityChoices.Save(fakes.settings, "Alpha", true);
  fakes.downloads.Serve(kAddress, ListText("260801", {"Alpha", "Gamma"}));
  std::atomic<int> wakes{0};
  const std::string before = form.optionsPanel.lastRunLine.Caption();
  form.StartBackgroundWork([&] { ++wakes; });
  for (int i = 0; i < 5000 && form.optionsPanel.lastRunLine.Caption() == before; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (wakes.load() > 0) form.BackgroundWoke();
  }
  EXPECT_EQ(form.optionsPanel.lastRunLine.Caption(),
            "Community cleaning list updated to version 260801. 1 chosen entry is no longer in the list: Beta.");
}

}  // namespace
}  // namespace vantrelle::testing
