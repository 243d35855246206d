#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "desktop/cSysTray.h"
#include "desktop/mSysTray.h"
#include "platform/fake/FakePlatform.h"
#include "shell/RuntimeError.h"

namespace vantrelle {
namespace {

using platform::NotifyOperation;
using platform::Picture;

constexpr Picture kIcon{0x51, platform::PictureIcon};
constexpr Picture kOtherIcon{0x52, platform::PictureIcon};

class TrayTest : public ::testing::Test {
 protected:
  TrayTest() {
    tray.MouseMove = [this](std::int32_t id) { Log("MouseMove(" + std::to_string(id) + ")"); };
    tray.MouseDown = [this](std::int16_t b, std::int32_t id) { Log("MouseDown", b, id); };
    tray.MouseUp = [this](std::int16_t b, std::int32_t id) { Log("MouseUp", b, id); };
    tray.MouseDblClick = [this](std::int16_t b, std::int32_t id) { Log("MouseDblClick", b, id); };
    fx.windowProcedures.onPassedOn = [this](const auto&) { Log("previous"); };
  }

  void Log(const std::string& text) { log.push_back(text); }
  void Log(const char* event, std::int16_t button, std::int32_t id) {
    Log(std::string(event) + "(" + std::to_string(button) + "," + std::to_string(id) + ")");
  }
  // The shell's callback for the icon, delivered to the control's window.
  std::intptr_t Notify(std::int32_t message, std::uintptr_t id = 0) {
    return fx.windowProcedures.Send(tray.hWnd(), mSysTray::TrayCallbackMessage, id, message);
  }
  const std::vector<fake::FakeNotifyArea::Call>& Calls() const { return fx.notifyArea.calls; }

  fake::FakePlatform fx;
  cSysTray tray{fx.platform};
  std::vector<std::string> log;
};

TEST_F(TrayTest, GoingToTheTrayTwiceAddsOnceWithOnlyTheCallbackWhenNoTipOrIcon) {
  tray.SetInTray(true);
  tray.SetInTray(true);

  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].operation, NotifyOperation::Add);
  const auto& added = Calls()[0].record;
  EXPECT_EQ(added.window, tray.hWnd());
  EXPECT_EQ(added.id, 0u);
  EXPECT_EQ(added.flags, platform::NotifyMessage);
  EXPECT_EQ(added.callbackMessage, 1125u);
  EXPECT_EQ(added.icon, 0u);
  EXPECT_EQ(added.tip, "");
  // The window now runs the tray procedure and knows its control.
  const auto& window = fx.windowProcedures.windows.at(tray.hWnd());
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
  EXPECT_EQ(Calls()[1].record.window, tray.hWnd());
  const auto& window = fx.windowProcedures.windows.at(tray.hWnd());
  EXPECT_EQ(window.procedure, fake::FakeWindowProcedures::DefaultProcedure);
  EXPECT_EQ(window.userData, 0);
  EXPECT_EQ(mSysTray::PrevWndProc.windows, nullptr);
  EXPECT_TRUE(fx.notifyArea.icons.empty());
}

TEST_F(TrayTest, TipAndIconSetBeforehandGoWithTheAddAndLaterOnesAsModifies) {
  tray.SetTrayTip("Vantrelle");
  tray.SetTrayIcon(kIcon);
  EXPECT_TRUE(Calls().empty());

  tray.SetInTray(true);
  tray.SetTrayIcon(kOtherIcon);
  tray.SetTrayTip("");

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
  EXPECT_EQ(tray.TrayIcon(), kOtherIcon);
  EXPECT_EQ(tray.TrayTip(), "");
}

TEST_F(TrayTest, OnlyAnIconIsAcceptedAsThePicture) {
  tray.SetTrayIcon(kIcon);
  tray.SetInTray(true);
  const std::optional<Picture> refused[] = {std::nullopt, Picture{}, Picture{0x60, platform::PictureBitmap},
                                            Picture{0x61, platform::PictureMetafile}};
  for (const auto& picture : refused) tray.SetTrayIcon(picture);

  EXPECT_EQ(Calls().size(), 1u);  // the add only
  EXPECT_EQ(tray.TrayIcon(), kIcon);
}

TEST_F(TrayTest, StoredValuesArriveAfterTheAdd) {
  tray.ReadProperties({true, kIcon, ""});

  ASSERT_EQ(Calls().size(), 3u);
  EXPECT_EQ(Calls()[0].operation, NotifyOperation::Add);
  EXPECT_EQ(Calls()[0].record.flags, platform::NotifyMessage);
  EXPECT_EQ(Calls()[1].record.flags, platform::NotifyIcon);
  EXPECT_EQ(Calls()[2].record.flags, platform::NotifyTip);

  cSysTray fresh(fx.platform);
  fresh.ReadProperties({});
  EXPECT_FALSE(fresh.InTray());
  EXPECT_FALSE(fresh.TrayIcon().has_value());
  EXPECT_EQ(fresh.TrayTip(), "Telnet Server");
  EXPECT_EQ(Calls().size(), 3u);
}

TEST_F(TrayTest, EveryShellMessageRaisesItsEventOrNothing) {
  tray.SetInTray(true);
  fx.windowProcedures.onPassedOn = nullptr;
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
  fx.windowProcedures.defaultResult = 42;

  EXPECT_EQ(Notify(0x202), 42);
  EXPECT_EQ(fx.windowProcedures.Send(tray.hWnd(), 0x113, 3, 4), 42);  // any other message

  EXPECT_EQ(log, (std::vector<std::string>{"MouseUp(1,0)", "previous", "previous"}));
  const auto& passed = fx.windowProcedures.passedOn;
  ASSERT_EQ(passed.size(), 2u);
  EXPECT_EQ(passed[0].procedure, fake::FakeWindowProcedures::DefaultProcedure);
  EXPECT_EQ(passed[0].message, mSysTray::TrayCallbackMessage);
  EXPECT_EQ(passed[0].lParam, 0x202);
  EXPECT_EQ(passed[1].message, 0x113u);
  EXPECT_EQ(passed[1].wParam, 3u);
}

TEST_F(TrayTest, AHandlerThatLeavesTheTrayStillHasItsMessagePassedOn) {
  tray.SetInTray(true);
  tray.MouseUp = [this](std::int16_t, std::int32_t) {
    Log("closing");
    tray.SetInTray(false);
  };
  Notify(0x202);

  EXPECT_EQ(log, (std::vector<std::string>{"closing", "previous"}));
  EXPECT_EQ(fx.windowProcedures.windows.at(tray.hWnd()).procedure, fake::FakeWindowProcedures::DefaultProcedure);
}

TEST_F(TrayTest, TheIconComesBackWithTipAndPictureWhenTheShellRestarts) {
  tray.SetTrayIcon(kIcon);
  tray.SetTrayTip("Vantrelle");
  tray.SetInTray(true);
  fx.notifyArea.Restart();

  fx.windowProcedures.Send(tray.hWnd(), fx.windowProcedures.RegisterMessage("TaskbarCreated"), 0, 0);

  ASSERT_EQ(fx.notifyArea.icons.size(), 1u);
  const auto& shown = fx.notifyArea.icons.begin()->second;
  EXPECT_EQ(shown.icon, kIcon.Handle);
  EXPECT_EQ(shown.tip, "Vantrelle");
  EXPECT_EQ(shown.callbackMessage, 1125u);
  EXPECT_EQ(log, std::vector<std::string>{"previous"});  // no mouse event for the broadcast
}

TEST_F(TrayTest, DestroyingTheControlTakesItsIconAndWindowAlong) {
  platform::WindowHandle window = 0;
  {
    cSysTray other(fx.platform);
    window = other.hWnd();
    other.SetInTray(true);
  }
  EXPECT_TRUE(fx.notifyArea.icons.empty());
  EXPECT_EQ(mSysTray::PrevWndProc.windows, nullptr);
  EXPECT_EQ(fx.windowProcedures.destroyed, std::vector<platform::WindowHandle>{window});
}

class BalloonTest : public TrayTest {
 protected:
  BalloonTest() { tray.SetInTray(true); }
  // Each pass of the wait moves the clock on.
  void ClockStepsPerPass(std::int64_t ms, std::function<void()> then = {}) {
    fx.events.onDoEvents = [this, ms, then] {
      fx.clock.tickMs += ms;
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
  EXPECT_EQ(fx.events.calls, 0);  // no timer, no wait
}

TEST_F(BalloonTest, TheWaitEndsAtTheTimeOutAndThenRemovesTheBalloon) {
  ClockStepsPerPass(1000);
  tray.ShowBalloon("tip", "title", 5, true);

  EXPECT_EQ(fx.events.calls, 5);
  const auto balloons = Balloons();
  ASSERT_EQ(balloons.size(), 2u);
  EXPECT_EQ(balloons[0].record.timeoutMs, 5000u);
  EXPECT_EQ(balloons[1].record.info, "");
  EXPECT_EQ(balloons[1].record.infoTitle, "");
}

TEST_F(BalloonTest, ABalloonClosedByTheShellEndsTheWaitAndIsNotRemovedAgain) {
  for (std::int32_t closing : {0x403, 0x404, 0x405}) {
    cSysTray other(fx.platform);
    tray.SetInTray(false);  // one control in the tray at a time
    other.SetInTray(true);
    fx.notifyArea.calls.clear();
    fx.events.calls = 0;
    ClockStepsPerPass(100, [&] {
      if (fx.events.calls == 3) fx.windowProcedures.Send(other.hWnd(), 1125, 0, closing);
    });
    other.ShowBalloon("tip", "title", 5, false);

    EXPECT_EQ(fx.events.calls, 3) << std::hex << closing;
    EXPECT_EQ(Balloons().size(), 1u) << std::hex << closing;
  }
}

TEST_F(BalloonTest, HostEventsRunDuringTheWait) {
  ClockStepsPerPass(100, [&] {
    if (fx.events.calls == 2) Notify(0x205);
    if (fx.events.calls == 4) Notify(0x405);
  });
  tray.ShowBalloon("tip", "title", 5, true);
  EXPECT_EQ(std::count(log.begin(), log.end(), "MouseUp(2,0)"), 1);
  EXPECT_EQ(fx.events.calls, 4);
}

TEST_F(BalloonTest, LeavingTheTrayDuringTheWaitEndsItWithoutARemoval) {
  ClockStepsPerPass(100, [&] {
    if (fx.events.calls == 2) tray.SetInTray(false);
  });
  tray.ShowBalloon("tip", "title", 5, true);

  EXPECT_EQ(fx.events.calls, 2);
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
}  // namespace vantrelle
