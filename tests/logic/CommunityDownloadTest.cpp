// The community's list fetched and put in place on the fakes: what replaces the person's copy and
// what leaves it as it was, the download's thread stopped mid-way (also under the thread sanitizer),
// and the weekly check's decisions on the fake clock.
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

const std::string kAddress = settings::kCommunityListAddress;

std::string ListText(const std::string& version, std::initializer_list<const char*> names) {
  std::string text = version.empty() ? "; a list\n" : "; Version: " + version + "\n";
  for (const char* name : names) text += std::string("[") + name + " *]\nFileKey1=%LocalAppData%\\" + name + "|*\n";
  return text;
}

class CommunityDownloadTest : public LogicTest {
 protected:
  CommunityDownloadTest() {
    fakes.shell.knownFolders = {{platform::KnownFolder::LocalAppData, "C:\\Users\\Ann\\AppData\\Local"}};
    path = community::PersonsList(fakes.platform);
    fakes.textFiles.files[ToLower(path)] = kOld;
  }
  std::string OnDisk() { return fakes.textFiles.Read(path).value_or("<unreadable>"); }
  void Save(const std::string& key, const std::string& value) {
    fakes.settings.SaveSetting(std::string(settings::kApplication), std::string(settings::kSection), key, value);
  }
  template <class Ask>
  static auto WaitFor(Ask ask) {  // as the window does, woken
    auto answer = ask();
    for (int i = 0; i < 5000 && !answer; ++i, answer = ask()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return answer;
  }
  const std::string kOld = ListText("260730", {"Alpha", "Beta", "Delta"});
  std::string path;
};

TEST_F(CommunityDownloadTest, OnlyAWholeValidListReplacesThePersonsCopy) {
  const std::string failed = "The list could not be downloaded: ", stays = ". The one you had stays.";
  const std::string notAList = failed + "the file is not a community cleaning list" + stays;
  struct Case {
    std::string body;   // served, unless `error` is set
    std::string error;  // the service's failure
    bool refuseWrite;
    std::string message;  // "" when replaced
  };
  const Case cases[] = {
      {ListText("260801", {"Alpha", "Gamma"}), "", false, ""},
      {ListText("260801", {}), "", false, notAList},
      {"<html><body>Not found</body></html>", "", false, notAList},
      {"[Bad *]\nFileKey1=C:\\Windows|*\n", "", false, failed + "the list holds no entry that can be used" + stays},
      {"", "the server answered 500", false, failed + "the server answered 500" + stays},
      {"", "The operation timed out.", false, failed + "The operation timed out" + stays},
      {std::string(community::kLargestList + 1, ';'), "", false, failed + "the file is larger than"},
      {ListText("260801", {"Alpha"}), "", true, failed + "it could not be saved as " + path + stays},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    fakes.textFiles.files[ToLower(path)] = kOld;
    fakes.textFiles.refuseWrites = c.refuseWrite;
    c.error.empty() ? fakes.downloads.Serve(kAddress, c.body) : fakes.downloads.Fail(kAddress, c.error);
    const auto outcome = community::DownloadList(fakes.platform, kAddress, community::LoadList(fakes.platform, {}).list,
                                                 {"Beta", "Alpha", "Delta"}, {}, [] { return true; });
    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(outcome.replaced, c.message.empty());
    EXPECT_EQ(outcome.message.substr(0, c.message.size()), c.message) << outcome.message;
    EXPECT_EQ(OnDisk(), c.message.empty() ? c.body : kOld);
    if (!c.message.empty()) continue;
    EXPECT_EQ(outcome.list->Version(), "260801");
    EXPECT_EQ(community::ChosenGoneText(fakes.locale, outcome.gone),
              "2 chosen entries are no longer in the list: Beta, Delta.");
  }
  fakes.locale.language = Language::German;
  EXPECT_EQ(community::ChosenGoneText(fakes.locale, {"Beta"}),
            "1 gewählter Eintrag ist nicht mehr in der Liste: Beta.");
}

TEST_F(CommunityDownloadTest, TheDownloadsThreadStopsMidWayAndReportsWhatItDid) {
  const std::string fresh = ListText("260801", {"Alpha"});
  fakes.downloads.Serve(kAddress, fresh);
  fakes.downloads.HoldPieces();
  std::atomic<int> wakes{0};
  ListDownloadThread::Request request;
  request.address = kAddress;
  {
    ListDownloadThread download(fakes.platform, request, [&] { ++wakes; });
    fakes.downloads.WaitUntilHeld();
    fakes.downloads.Allow(1);
    while (download.Progress().received == 0) std::this_thread::yield();
    EXPECT_EQ(download.Progress().total, fresh.size());
    download.Stop();
    const auto outcome = WaitFor([&] { return download.TakeOutcome(); });
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->stopped && !outcome->replaced && outcome->message.empty());
    EXPECT_FALSE(download.TakeOutcome());  // told once
    EXPECT_EQ(wakes.load(), 2);            // the piece, the end
  }
  auto destroyed = std::make_unique<ListDownloadThread>(fakes.platform, request, nullptr);
  fakes.downloads.WaitUntilHeld();
  const auto before = std::chrono::steady_clock::now();
  destroyed.reset();  // while it waits for its next piece
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(250));
  EXPECT_EQ(OnDisk(), kOld);
}

TEST_F(CommunityDownloadTest, TheWeeklyCheckTakesOnlyANewerListWhenDue) {
  constexpr platform::FileTime kDay = 24 * platform::kFileTimePerHour;
  const platform::FileTime now = fakes.clock.fileTime;
  struct Case {
    const char* weekly;
    std::string lastCheck;
    std::string served;  // "" for a failing server
    bool starts, replaced, stored;
  };
  const Case cases[] = {
      {"0", "", ListText("260801", {"Alpha"}), false, false, false},                              // off
      {"1", std::to_string(now - 6 * kDay), ListText("260801", {"Alpha"}), false, false, false},  // not due
      {"1", std::to_string(now - 7 * kDay), ListText("260801", {"Alpha"}), true, true, true},     // newer
      {"1", "", ListText("260101", {"Alpha"}), true, false, true},                                // older
      {"1", std::to_string(now + kDay), ListText("", {"Alpha"}), true, false, true},  // clock set back; no version
      {"1", "garbage", "", true, false, false},                                       // the server fails
  };
  const std::string updated =
      "Community cleaning list updated to version 260801. 1 chosen entry is no longer in the list: Beta.";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lastCheck + " " + c.served);
    fakes.textFiles.files[ToLower(path)] = kOld;
    Save("CommunityWeeklyCheck", c.weekly);
    Save("CommunityLastCheck", c.lastCheck);
    Save("Community.Beta", "1");  // Delta, gone too, is not chosen
    c.served.empty() ? fakes.downloads.Fail(kAddress, "error 12002") : fakes.downloads.Serve(kAddress, c.served);
    WeeklyListCheck check(fakes.platform);
    EXPECT_EQ(check.Start({}), c.starts);
    EXPECT_FALSE(check.Start({}));  // once a session
    if (c.starts) {
      EXPECT_EQ(WaitFor([&] { return check.Poll(); }), c.replaced ? updated : "");
    }
    EXPECT_EQ(OnDisk(), c.replaced ? c.served : kOld);
    EXPECT_EQ(Stored("CommunityLastCheck"), c.stored ? std::to_string(now) : c.lastCheck);
  }
}

}  // namespace
}  // namespace vantrelle::testing
