#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LogicTest.h"
#include "base/RuntimeError.h"
#include "desktop/TrayIcon.h"

namespace vantrelle::testing {
namespace {

using desktop::TrayIcon;
using platform::NotifyOperation;
using platform::Picture;

constexpr Picture kIcon{0x51, platform::PictureIcon};
constexpr Picture kOtherIcon{0x52, platform::PictureIcon};

class TrayTest : public LogicTest {
 protected:
  TrayTest() {
    tray.OnMouseMove = [this](std::int32_t id) { Log("MouseMove(" + std::to_string(id) + ")"); };
    tray.OnMouseDown = [this](std::int16_t b, std::int32_t id) { Log("MouseDown", b, id); };
    tray.OnMouseUp = [this](std::int16_t b, std::int32_t id) { Log("MouseUp", b, id); };
    tray.OnMouseDoubleClick = [this](std::int16_t b, std::int32_t id) { Log("MouseDblClick", b, id); };
    fakes.windowProcedures.onPassedOn = [this](const auto&) { Log("previous"); };
  }

  void Log(const std::string& text) { log.push_back(text); }
  void Log(const char* event, std::int16_t button, std::int32_t id) {
    Log(std::string(event) + "(" + std::to_string(button) + "," + std::to_string(id) + ")");
  }
  // The shell's callback for an icon, delivered to the icon's window.
  std::intptr_t Notify(std::int32_t message, std::uintptr_t id = 0) { return NotifyTo(tray, message, id); }
  std::intptr_t NotifyTo(const TrayIcon& icon, std::int32_t message, std::uintptr_t id = 0) {
    return fakes.windowProcedures.Send(icon.Window(), TrayIcon::kCallbackMessage, id, message);
  }
  const std::vector<fake::FakeNotifyArea::Call>& Calls() const { return fakes.notifyArea.calls; }

  TrayIcon tray{fakes.platform};
  std::vector<std::string> log;
};

TEST_F(TrayTest, GoingToTheTrayTwiceAddsOnceWithOnlyTheCallbackWhenNoTipOrIcon) {
  tray.SetInTray(true);
  tray.SetInTray(true);

  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].operation, NotifyOperation::Add);
  const auto& added = Calls()[0].record;
  EXPECT_EQ(added.window, tray.Window());
  EXPECT_EQ(added.id, 0u);
  EXPECT_EQ(added.flags, platform::NotifyMessage);
  EXPECT_EQ(added.callbackMessage, 1125u);
  EXPECT_EQ(added.icon, 0u);
  EXPECT_EQ(added.tip, "");
  // The window now runs the tray procedure and knows its control.
  const auto& window = fakes.windowProcedures.windows.at(tray.Window());
  EXPECT_NE(window.procedure, fake::FakeWindowProcedures::DefaultProcedure);
  EXPECT_EQ(window.userData, reinterpret_cast<std::intptr_t>(&tray));
  EXPECT_TRUE(tray.InTray());
}

TEST_F(TrayTest, LeavingTheTrayDeletesTheIconAndRestoresTheProcedureOnce) {
  tray.SetInTray(false);  // never installed: only the property
  EXPECT_TRUE(Calls().empty());

  tray.SetInTray(true);
  tray.SetInTray(false);
  tray.SetInTray(false);

  ASSERT_EQ(Calls().size(), 2u);
  EXPECT_EQ(Calls()[1].operation, NotifyOperation::Delete);
  EXPECT_EQ(Calls()[1].record.flags, 0u);
  EXPECT_EQ(Calls()[1].record.window, tray.Window());
  const auto& window = fakes.windowProcedures.windows.at(tray.Window());
  EXPECT_EQ(window.procedure, fake::FakeWindowProcedures::DefaultProcedure);
  EXPECT_EQ(window.userData, 0);  // no stale reference to the icon
  EXPECT_TRUE(fakes.notifyArea.icons.empty());
}

TEST_F(TrayTest, TipAndIconSetBeforehandGoWithTheAddAndLaterOnesAsModifies) {
  tray.SetTip("Vantrelle");
  tray.SetIcon(kIcon);
  EXPECT_TRUE(Calls().empty());

  tray.SetInTray(true);
  tray.SetIcon(kOtherIcon);
  tray.SetTip("");

  ASSERT_EQ(Calls().size(), 3u);
  const auto& added = Calls()[0].record;
  EXPECT_EQ(added.flags, platform::NotifyMessage | platform::NotifyIcon | platform::NotifyTip);
  EXPECT_EQ(added.icon, kIcon.Handle);
  EXPECT_EQ(added.tip, "Vantrelle");

  EXPECT_EQ(Calls()[1].operation, NotifyOperation::Modify);
  EXPECT_EQ(Calls()[1].record.flags, platform::NotifyIcon);
  EXPECT_EQ(Calls()[1].record.icon, kOtherIcon.Handle);
  EXPECT_EQ(Calls()[2].operation, NotifyOperation::Modify);
  EXPECT_EQ(Calls()[2].record.flags, platform::NotifyTip);
  EXPECT_EQ(Calls()[2].record.tip, "");
  EXPECT_EQ(tray.Icon(), kOtherIcon);
  EXPECT_EQ(tray.Tip(), "");
}

TEST_F(TrayTest, OnlyAnIconIsAcceptedAsThePicture) {
  tray.SetIcon(kIcon);
  tray.SetInTray(true);
  const std::optional<Picture> refused[] = {std::nullopt, Picture{}, Picture{0x60, platform::PictureBitmap},
                                            Picture{0x61, platform::PictureMetafile}};
  for (const auto& picture : refused) tray.SetIcon(picture);

  EXPECT_EQ(Calls().size(), 1u);  // the add only
  EXPECT_EQ(tray.Icon(), kIcon);
}

TEST_F(TrayTest, StoredValuesArriveAfterTheAdd) {
  tray.ReadProperties({true, kIcon, ""});

  ASSERT_EQ(Calls().size(), 3u);
  EXPECT_EQ(Calls()[0].operation, NotifyOperation::Add);
  EXPECT_EQ(Calls()[0].record.flags, platform::NotifyMessage);
  EXPECT_EQ(Calls()[1].record.flags, platform::NotifyIcon);
  EXPECT_EQ(Calls()[2].record.flags, platform::NotifyTip);

  TrayIcon fresh(fakes.platform);
  fresh.ReadProperties({});
  EXPECT_FALSE(fresh.InTray());
  EXPECT_FALSE(fresh.Icon().has_value());
  EXPECT_EQ(fresh.Tip(), "Telnet Server");
  EXPECT_EQ(Calls().size(), 3u);
}

TEST_F(TrayTest, EveryShellMessageRaisesItsEventOrNothing) {
  tray.SetInTray(true);
  fakes.windowProcedures.onPassedOn = nullptr;
  struct Row {
    std::int32_t message;
    const char* raised;
  };
  static constexpr Row rows[] = {
      {0x200, "MouseMove(0)"},
      {0x201, "MouseDown(1,0)"},
      {0x202, "MouseUp(1,0)"},
      {0x203, "MouseDblClick(1,0)"},
      {0x204, "MouseDown(2,0)"},
      {0x205, "MouseUp(2,0)"},
      {0x206, "MouseDblClick(2,0)"},
      {0x207, nullptr},  // middle button down
      {0x208, nullptr},
      {0x209, nullptr},
      {0x402, nullptr},  // balloon shown
      {0x403, nullptr},
      {0x404, nullptr},
      {0x405, nullptr},
      {0x400, nullptr},
      {0, nullptr},
  };
  for (const auto& row : rows) {
    log.clear();
    Notify(row.message);
    EXPECT_EQ(log, row.raised ? std::vector<std::string>{row.raised} : std::vector<std::string>{})
        << "message " << std::hex << row.message;
  }
  log.clear();
  Notify(0x205, 7);  // the identifier comes from wParam
  EXPECT_EQ(log, std::vector<std::string>{"MouseUp(2,7)"});
}

TEST_F(TrayTest, EveryMessageGoesOnToThePreviousProcedureAfterTheEvents) {
  tray.SetInTray(true);
  fakes.windowProcedures.defaultResult = 42;

  EXPECT_EQ(Notify(0x202), 42);
  EXPECT_EQ(fakes.windowProcedures.Send(tray.Window(), 0x113, 3, 4), 42);  // any other message

  EXPECT_EQ(log, (std::vector<std::string>{"MouseUp(1,0)", "previous", "previous"}));
  const auto& passed = fakes.windowProcedures.passedOn;
  ASSERT_EQ(passed.size(), 2u);
  EXPECT_EQ(passed[0].procedure, fake::FakeWindowProcedures::DefaultProcedure);
  EXPECT_EQ(passed[0].message, TrayIcon::kCallbackMessage);
  EXPECT_EQ(passed[0].lParam, 0x202);
  EXPECT_EQ(passed[1].message, 0x113u);
  EXPECT_EQ(passed[1].wParam, 3u);
}

TEST_F(TrayTest, AHandlerThatLeavesTheTrayStillHasItsMessagePassedOn) {
  tray.SetInTray(true);
  tray.OnMouseUp = [this](std::int16_t, std::int32_t) {
    Log("closing");
    tray.SetInTray(false);
  };
  Notify(0x202);

  EXPECT_EQ(log, (std::vector<std::string>{"closing", "previous"}));
  EXPECT_EQ(fakes.windowProcedures.windows.at(tray.Window()).procedure, fake::FakeWindowProcedures::DefaultProcedure);
}

TEST_F(TrayTest, TheIconComesBackWithTipAndPictureWhenTheShellRestarts) {
  tray.SetIcon(kIcon);
  tray.SetTip("Vantrelle");
  tray.SetInTray(true);
  fakes.notifyArea.Restart();

  fakes.windowProcedures.Send(tray.Window(), fakes.windowProcedures.RegisterMessage("TaskbarCreated"), 0, 0);

  ASSERT_EQ(fakes.notifyArea.icons.size(), 1u);
  const auto& shown = fakes.notifyArea.icons.begin()->second;
  EXPECT_EQ(shown.icon, kIcon.Handle);
  EXPECT_EQ(shown.tip, "Vantrelle");
  EXPECT_EQ(shown.callbackMessage, 1125u);
  EXPECT_EQ(log, std::vector<std::string>{"previous"});  // no mouse event for the broadcast
}

TEST_F(TrayTest, TwoIconsInTheTrayEachHearOnlyTheirOwnMessages) {
  TrayIcon other(fakes.platform);
  other.OnMouseUp = [this](std::int16_t b, std::int32_t id) { Log("other MouseUp", b, id); };
  tray.SetInTray(true);
  other.SetInTray(true);
  Notify(0x202);
  NotifyTo(other, 0x205);
  other.SetInTray(false);
  Notify(0x205);

  EXPECT_EQ(log, (std::vector<std::string>{"MouseUp(1,0)", "previous", "other MouseUp(2,0)", "previous", "MouseUp(2,0)",
                                           "previous"}));
  EXPECT_NE(fakes.windowProcedures.windows.at(tray.Window()).procedure, fake::FakeWindowProcedures::DefaultProcedure);
}

TEST_F(TrayTest, DestroyingTheControlTakesItsIconAndWindowAlong) {
  platform::WindowHandle window = 0;
  {
    TrayIcon other(fakes.platform);
    window = other.Window();
    other.SetInTray(true);
  }
  EXPECT_TRUE(fakes.notifyArea.icons.empty());
  EXPECT_EQ(fakes.windowProcedures.windows.count(window), 0u);
  EXPECT_EQ(fakes.windowProcedures.destroyed, std::vector<platform::WindowHandle>{window});
}

class BalloonTest : public TrayTest {
 protected:
  BalloonTest() { tray.SetInTray(true); }
  // Each pass of the wait moves the clock on.
  void ClockStepsPerPass(std::int64_t ms, std::function<void()> then = {}) {
    fakes.events.onDoEvents = [this, ms, then] {
      fakes.clock.tickMs += ms;
      if (then) then();
    };
  }
  std::vector<fake::FakeNotifyArea::Call> Balloons() const {
    std::vector<fake::FakeNotifyArea::Call> balloons;
    for (const auto& call : Calls()) {
      if (call.record.flags == platform::NotifyInfo) balloons.push_back(call);
    }
    return balloons;
  }
};

TEST_F(BalloonTest, OnceOnlyShowsTheFirstAndRepeatedShowsEvery) {
  tray.ShowBalloon("has been minimized", "Vantrelle", 0, true);
  tray.ShowBalloon("has been minimized", "Vantrelle", 0, true);
  tray.ShowBalloon("again", "Vantrelle", 0, false);
  tray.ShowBalloon("again", "Vantrelle", -3, false);

  const auto balloons = Balloons();
  ASSERT_EQ(balloons.size(), 3u);
  EXPECT_EQ(balloons[0].operation, NotifyOperation::Modify);
  EXPECT_EQ(balloons[0].record.info, "has been minimized");
  EXPECT_EQ(balloons[0].record.infoTitle, "Vantrelle");
  EXPECT_EQ(balloons[0].record.timeoutMs, 0u);
  EXPECT_EQ(balloons[2].record.info, "again");
  EXPECT_EQ(fakes.events.calls, 0);  // no timer, no wait
}

TEST_F(BalloonTest, TheWaitEndsAtTheTimeOutAndThenRemovesTheBalloon) {
  ClockStepsPerPass(1000);
  tray.ShowBalloon("tip", "title", 5, true);

  EXPECT_EQ(fakes.events.calls, 5);
  const auto balloons = Balloons();
  ASSERT_EQ(balloons.size(), 2u);
  EXPECT_EQ(balloons[0].record.timeoutMs, 5000u);
  EXPECT_EQ(balloons[1].record.info, "");
  EXPECT_EQ(balloons[1].record.infoTitle, "");
}

TEST_F(BalloonTest, ABalloonClosedByTheShellEndsTheWaitAndIsNotRemovedAgain) {
  for (std::int32_t closing : {0x403, 0x404, 0x405}) {
    TrayIcon other(fakes.platform);
    other.SetInTray(true);
    fakes.notifyArea.calls.clear();
    fakes.events.calls = 0;
    ClockStepsPerPass(100, [&] {
      if (fakes.events.calls == 3) NotifyTo(other, closing);
    });
    other.ShowBalloon("tip", "title", 5, false);

    EXPECT_EQ(fakes.events.calls, 3) << std::hex << closing;
    EXPECT_EQ(Balloons().size(), 1u) << std::hex << closing;
  }
}

TEST_F(BalloonTest, HostEventsRunDuringTheWait) {
  ClockStepsPerPass(100, [&] {
    if (fakes.events.calls == 2) Notify(0x205);
    if (fakes.events.calls == 4) Notify(0x405);
  });
  tray.ShowBalloon("tip", "title", 5, true);
  EXPECT_EQ(std::count(log.begin(), log.end(), "MouseUp(2,0)"), 1);
  EXPECT_EQ(fakes.events.calls, 4);
}

TEST_F(BalloonTest, LeavingTheTrayDuringTheWaitEndsItWithoutARemoval) {
  ClockStepsPerPass(100, [&] {
    if (fakes.events.calls == 2) tray.SetInTray(false);
  });
  tray.ShowBalloon("tip", "title", 5, true);

  EXPECT_EQ(fakes.events.calls, 2);
  EXPECT_EQ(Balloons().size(), 1u);
  EXPECT_EQ(Calls().back().operation, NotifyOperation::Delete);
}

TEST_F(BalloonTest, ATimerTooLongForTheShellOverflowsBeforeAnythingIsShown) {
  EXPECT_THROW(
      {
        try {
          tray.ShowBalloon("tip", "title", 2147484, true);
        } catch (const RuntimeError& e) {
          EXPECT_EQ(e.Number(), 6);
          throw;
        }
      },
      RuntimeError);
  EXPECT_TRUE(Balloons().empty());

  ClockStepsPerPass(1, [&] { Notify(0x404); });
  tray.ShowBalloon("tip", "title", 2147483, true);  // the longest that fits, and the once-only shows
  ASSERT_EQ(Balloons().size(), 1u);
  EXPECT_EQ(Balloons()[0].record.timeoutMs, 2147483000u);
}

}  // namespace
}  // namespace vantrelle::testing
