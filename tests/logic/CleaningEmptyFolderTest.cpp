#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "CleaningTest.h"
#include "cleaning/FolderEmptier.h"
#include "cleaning/PreviewWalk.h"
#include "cleaning/WindowsTemp.h"

namespace vantrelle::testing {
namespace {

namespace attribute = platform::attribute;

class EmptyFolderTest : public CleaningTest {
 protected:
  EmptyFolderTest() {
    fakes.files.AddFolder("C:\\Work");
    fakes.files.AddFolder("C:\\Outside");
    fakes.files.AddFile("C:\\Outside\\precious.doc");
  }
  void Empty(const std::string& path, const cleaning::AgeRule& age = {}) {
    cleaning::EmptyFolder(fakes.platform, host, path, tally, age);
  }
  cleaning::Tally tally;
};

TEST_F(EmptyFolderTest, DeletesEveryKindOfEntryInReverseListingOrderAndKeepsTheFolder) {
  fakes.files.AddFile("C:\\Work\\plain.txt");
  fakes.files.AddFile("C:\\Work\\readonly.txt", attribute::kReadOnly);
  fakes.files.AddFile("C:\\Work\\hidden.txt", attribute::kHidden | attribute::kSystem);
  fakes.files.AddFolder("C:\\Work\\sub", attribute::kDirectory | attribute::kReadOnly | attribute::kHidden);
  fakes.files.AddFile("C:\\Work\\sub\\a.tmp");
  fakes.files.AddFile("C:\\Work\\sub\\b.tmp", attribute::kReadOnly);

  Empty("C:\\Work");

  EXPECT_TRUE(fakes.files.Exists("C:\\Work"));
  EXPECT_TRUE(fakes.files.ChildNames("C:\\Work").empty());
  EXPECT_EQ(fakes.files.deleted,
            (std::vector<std::string>{"C:\\Work\\sub\\b.tmp", "C:\\Work\\sub\\a.tmp", "C:\\Work\\sub",
                                      "C:\\Work\\hidden.txt", "C:\\Work\\readonly.txt", "C:\\Work\\plain.txt"}));
  EXPECT_TRUE(fakes.files.Exists("C:\\Outside\\precious.doc"));
}

TEST_F(EmptyFolderTest, WritesSearchingThenDeletingTextsAndYieldsAtEachEntry) {
  fakes.files.AddFile("C:\\Work\\a.txt");
  fakes.files.AddFile("C:\\Work\\b.txt");
  fakes.events.onDoEvents = [&] { fakes.clock.tickMs += 20; };  // slow entries: every yield point is taken

  Empty("C:\\Work\\");  // a trailing backslash makes no difference

  EXPECT_EQ(host.statuses, (std::vector<std::string>{
                               "Searching for files (Windows Temp)...C:\\Work\\a.txt",
                               "Searching for files (Windows Temp)...C:\\Work\\b.txt",
                               "Deleting for files (Windows Temp)...C:\\Work\\b.txt",
                               "Deleting for files (Windows Temp)...C:\\Work\\a.txt",
                           }));
  EXPECT_EQ(fakes.events.calls, 2 * 2 + 2);
}

TEST_F(EmptyFolderTest, YieldsAtAHumanRateWhenEntriesGoFast) {
  for (int i = 0; i < 100; ++i) fakes.files.AddFile("C:\\Work\\f" + std::to_string(i));
  host.millisecondsPerStatus = 1;

  Empty("C:\\Work");

  EXPECT_EQ(host.statuses.size(), 200u);  // every entry is still shown
  // 200 ms of work: one yield at the start and one every 15 ms after it.
  EXPECT_GE(fakes.events.calls, 13);
  EXPECT_LE(fakes.events.calls, 15);
}

TEST_F(EmptyFolderTest, EmptyMissingOrFileTargetsChangeNothing) {
  for (const char* path : {"C:\\Work", "C:\\Missing", "C:\\Outside\\precious.doc"}) {
    Empty(path);
  }
  EXPECT_TRUE(host.statuses.empty());
  EXPECT_TRUE(fakes.files.deleted.empty());
  EXPECT_TRUE(fakes.files.Exists("C:\\Work"));
}

TEST_F(EmptyFolderTest, LockedOrRefusedEntriesStayWithTheFoldersHoldingThemAndTheRestGoes) {
  fakes.files.AddFile("C:\\Work\\one\\two\\locked.dat");
  fakes.files.AddFile("C:\\Work\\one\\two\\free.dat");
  fakes.files.AddFile("C:\\Work\\one\\free.dat");
  fakes.files.AddFile("C:\\Work\\denied.dat", attribute::kHidden);
  fakes.files.AddFile("C:\\Work\\other\\x.dat");
  fakes.files.Lock("C:\\Work\\one\\two\\locked.dat");
  fakes.files.MakeUndeletable("C:\\Work\\denied.dat");

  Empty("C:\\Work");

  EXPECT_EQ(fakes.files.ChildNames("C:\\Work"), (std::vector<std::string>{"one", "denied.dat"}));
  EXPECT_EQ(fakes.files.ChildNames("C:\\Work\\one"), (std::vector<std::string>{"two"}));
  EXPECT_EQ(fakes.files.ChildNames("C:\\Work\\one\\two"), (std::vector<std::string>{"locked.dat"}));
  // Attributes were cleared before the refused deletion, the folders on the way too.
  EXPECT_EQ(fakes.files.AttributesOf("C:\\Work\\denied.dat"), 0u);
  EXPECT_EQ(fakes.files.AttributesOf("C:\\Work\\one"), attribute::kDirectory);
}

TEST_F(EmptyFolderTest, ALinkIsRemovedAsItselfAndItsTargetIsNeverEntered) {
  fakes.files.AddFile("C:\\Work\\file.txt");
  fakes.files.AddLink("C:\\Work\\to-outside", "C:\\Outside");
  fakes.files.AddLink("C:\\Work\\sub\\back-up", "C:\\Work");  // a loop for a naive walker

  Empty("C:\\Work");

  EXPECT_TRUE(fakes.files.ChildNames("C:\\Work").empty());
  EXPECT_EQ(fakes.files.ChildNames("C:\\Outside"), (std::vector<std::string>{"precious.doc"}));
  for (const auto& text : host.statuses) EXPECT_EQ(text.find("precious"), std::string::npos) << text;
}

TEST_F(EmptyFolderTest, ALinkThePlatformOpensAsItsTargetIsLeftAlone) {
  fakes.files.openFollowsLinks = true;  // as Wine opens Unix symbolic links
  fakes.files.AddFolder("C:\\Outside\\empty");
  fakes.files.AddLink("C:\\Work\\to-outside", "C:\\Outside");
  fakes.files.AddLink("C:\\Work\\to-empty", "C:\\Outside\\empty");
  fakes.files.AddFile("C:\\Work\\file.txt");

  Empty("C:\\Work");

  EXPECT_EQ(fakes.files.ChildNames("C:\\Work"), (std::vector<std::string>{"to-outside", "to-empty"}));
  EXPECT_EQ(fakes.files.ChildNames("C:\\Outside"), (std::vector<std::string>{"precious.doc", "empty"}));
}

// The run resolves a location that is a link before it empties it; emptying never goes through one.
TEST_F(EmptyFolderTest, AFolderThatIsALinkIsNotEmptiedThroughIt) {
  fakes.files.AddLink("C:\\Work\\Temp", "C:\\Outside");
  for (bool follows : {false, true}) {
    fakes.files.openFollowsLinks = follows;
    Empty("C:\\Work\\Temp");
    EXPECT_TRUE(fakes.files.Exists("C:\\Outside\\precious.doc"));
  }
}

TEST_F(EmptyFolderTest, AFolderSwappedForALinkAfterListingIsNotFollowed) {
  fakes.files.AddFile("C:\\Work\\sub\\a.txt");
  // While the run yields after listing, someone replaces "sub" with a link to a folder outside.
  fakes.events.onDoEvents = [&] {
    if (host.statuses.empty() || host.statuses.back() != "Deleting for files (Windows Temp)...C:\\Work\\sub") return;
    fakes.files.Remove("C:\\Work\\sub");
    fakes.files.AddLink("C:\\Work\\sub", "C:\\Outside");
    fakes.events.onDoEvents = nullptr;
  };

  Empty("C:\\Work");

  EXPECT_EQ(fakes.files.ChildNames("C:\\Outside"), (std::vector<std::string>{"precious.doc"}));
}

// A tree of `folders` folders holding `files` files each, with a folder of its own below them.
void AddTree(fake::FakeFileSystem& files, int folders, int filesEach) {
  for (int f = 0; f < folders; ++f) {
    const std::string folder = "C:\\Work\\d" + std::to_string(f);
    for (int i = 0; i < filesEach; ++i) files.AddFile(folder + "\\f" + std::to_string(i));
    files.AddFile(folder + "\\inner\\x");
  }
}

// Someone keeps replacing the sub-folders with links to a folder outside while the workers empty
// them: a folder held open cannot be replaced, one not yet opened goes as a link, and nothing outside
// is ever touched, with any number of workers.
TEST(EmptyFolderWithWorkers, FoldersSwappedForLinksWhileTheWorkersRunAreNeverFollowed) {
  for (int workers = 1; workers <= 8; ++workers) {
    fake::FakePlatform fakes;
    fakes.platform.cleaningWorkers = workers;
    for (int i = 0; i < 40; ++i) fakes.files.AddFile("C:\\Outside\\f" + std::to_string(i));  // names met inside
    AddTree(fakes.files, 24, 40);
    fakes.files.AddFile("C:\\Outside\\inner\\x");
    std::atomic<bool> running{true};
    // Each folder is swapped once a worker is inside it: some of its files are gone, others not yet.
    std::thread swapper([&] {
      std::vector<bool> swapped(24);
      while (running) {
        for (int k = 0; k < 24; ++k) {
          const std::string folder = "C:\\Work\\d" + std::to_string(k);
          const std::size_t left = fakes.files.ChildNames(folder).size();
          if (swapped[k] || left == 0 || left > 30) continue;
          swapped[k] = true;
          if (fakes.files.Remove(folder)) fakes.files.AddLink(folder, "C:\\Outside");
        }
      }
    });
    RecordingRunHost host;
    cleaning::Tally tally;

    cleaning::EmptyFolder(fakes.platform, host, "C:\\Work", tally);
    running = false;
    swapper.join();

    EXPECT_EQ(fakes.files.CountBelow("C:\\Outside"), 42u) << workers << " workers";
    for (const auto& left : tally.left) EXPECT_FALSE(left.path.starts_with("C:\\Outside")) << left.path;
  }
}

// Asked to stop, each worker finishes at most the entry it is on: nothing more is opened or deleted
// after the moment the run learns of it. Meanwhile the calling thread showed where the workers were.
TEST(EmptyFolderWithWorkers, WorkersLeaveOffWhenTheRunIsToStop) {
  // Notes the tree the moment the run learns it is to stop.
  struct StoppingHost : RecordingRunHost {
    bool StopRequested() const override {
      if (stopRequested && !noted) {
        onStop();
        noted = true;
      }
      return stopRequested;
    }
    mutable std::atomic<bool> noted = false;
    std::function<void()> onStop;
  };
  for (int workers : {2, 4, 8}) {
    fake::FakePlatform fakes;
    fakes.platform.cleaningWorkers = workers;
    AddTree(fakes.files, 20, 100);
    StoppingHost host;
    std::size_t remainingAtStop = 0;
    int opensAtStop = 0;
    host.onStop = [&] {
      remainingAtStop = fakes.files.CountBelow("C:\\Work");
      opensAtStop = fakes.files.opens;
    };
    // The workers wait at their next open until the window has shown where they are and closed.
    fakes.files.beforeOpen = [&, window = std::this_thread::get_id()] {
      while (std::this_thread::get_id() != window && !host.noted)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    fakes.events.onDoEvents = [&] { host.stopRequested = !host.statuses.empty(); };
    cleaning::Tally tally;

    cleaning::EmptyFolder(fakes.platform, host, "C:\\Work", tally);

    EXPECT_LE(remainingAtStop - fakes.files.CountBelow("C:\\Work"), static_cast<std::size_t>(workers));
    EXPECT_LE(fakes.files.opens - opensAtStop, workers);
    EXPECT_GT(fakes.files.CountBelow("C:\\Work"), 0u);
    ASSERT_FALSE(host.statuses.empty());
    EXPECT_TRUE(host.statuses.front().starts_with("Deleting for files (Windows Temp)...C:\\Work\\d"))
        << host.statuses.front();
  }
}

// Once a walk holds a folder, renaming it (or a folder above it on the way down) and putting a link at
// its name redirects nothing: every walk goes on inside what it holds and never reaches the link's
// target, though it holds the same names.
TEST(FolderRenamedDuringAWalk, NothingIsReachedThroughTheLinkPutAtItsName) {
  using Run = std::function<void(fake::FakePlatform&, RecordingRunHost&, cleaning::Tally&)>;
  const auto empty = [](const cleaning::FolderToEmpty& folder) -> Run {
    return [folder](fake::FakePlatform& fakes, RecordingRunHost& host, cleaning::Tally& tally) {
      cleaning::EmptyFolder(fakes.platform, host, folder, tally);
    };
  };
  const Run preview = [](fake::FakePlatform& fakes, RecordingRunHost& host, cleaning::Tally& tally) {
    cleaning::WalkAsEmptied(fakes.platform, host, {"C:\\Work"}, {}, {}, tally, [](auto, const auto&, auto) {});
  };
  const Run search = [](fake::FakePlatform& fakes, RecordingRunHost& host, cleaning::Tally&) {
    cleaning::TempFolderList found;
    cleaning::FindTempFolders(fakes.platform, host, found, "C:\\Work");
    ASSERT_EQ(found.Count(), 1u);
    EXPECT_EQ(found[0], "C:\\Work\\d0\\Local Settings\\Temp");
  };
  struct Walk {
    const char* name;
    int workers;
    std::string swapped;  // renamed and replaced by a link at the walk's `swapAt`th open
    int swapAt;
    Run run;
    int deleted;  // of the entries below the swapped folder
  };
  const Walk walks[] = {
      {"one worker", 1, "C:\\Work", 1, empty({"C:\\Work"}), 26},
      {"several workers", 4, "C:\\Work", 1, empty({"C:\\Work"}), 26},
      {"a folder reached from the one above", 1, "C:\\Work\\d0", 3, empty({"C:\\Work", "d0\\inner"}), 1},
      {"the preview", 1, "C:\\Work", 1, preview, 0},
      {"the Windows Temp search", 1, "C:\\Work\\d0", 3, search, 0},
  };
  for (const Walk& walk : walks) {
    SCOPED_TRACE(walk.name);
    fake::FakePlatform fakes;
    fakes.platform.cleaningWorkers = walk.workers;
    AddTree(fakes.files, 3, 5);
    fakes.files.AddFolder("C:\\Work\\d0\\Local Settings\\Temp");
    // The same names, and more, behind the link.
    for (const char* name : {"d0\\f0", "d0\\inner\\x", "d1\\f0", "evil\\Local Settings\\Temp\\t", "f0", "x"}) {
      fakes.files.AddFile(std::string("C:\\Canary\\") + name);
    }
    const std::size_t canary = fakes.files.CountBelow("C:\\Canary");
    const std::size_t work = fakes.files.CountBelow(walk.swapped);
    std::atomic<int> opens = 0;  // the workers open entries at once
    fakes.files.beforeOpen = [&] {
      if (++opens != walk.swapAt) return;
      ASSERT_TRUE(fakes.files.Rename(walk.swapped, walk.swapped + "-renamed"));
      fakes.files.AddLink(walk.swapped, "C:\\Canary");
    };
    RecordingRunHost host;
    cleaning::Tally tally;

    walk.run(fakes, host, tally);

    EXPECT_GE(opens.load(), walk.swapAt);
    EXPECT_EQ(fakes.files.CountBelow("C:\\Canary"), canary);
    EXPECT_EQ(fakes.files.CountBelow(walk.swapped + "-renamed"), work - walk.deleted);
    EXPECT_EQ(fakes.files.deleted.size(), static_cast<std::size_t>(walk.deleted));
  }
}

TEST_F(EmptyFolderTest, AVeryDeepTreeIsEmptiedWithoutExhaustingTheStack) {
  std::string path = "C:\\Work";
  constexpr int kDepth = 5000;
  for (int i = 0; i < kDepth; ++i) path += "\\d";
  fakes.files.AddFile(path + "\\leaf.txt");

  Empty("C:\\Work");

  EXPECT_TRUE(fakes.files.ChildNames("C:\\Work").empty());
  EXPECT_EQ(fakes.files.deleted.size(), static_cast<std::size_t>(kDepth + 1));
}

}  // namespace
}  // namespace vantrelle::testing
