#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "desktop/TrayIcon.h"
#include "platform/Platform.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32NotifyArea.h"
#include "platform/win32/Win32WindowProcedures.h"

namespace vantrelle {
namespace {

using desktop::TrayIcon;

// The real notification area, with what the shell answered to each call.
class AnsweredNotifyArea : public platform::NotifyArea {
 public:
  bool Notify(platform::NotifyOperation operation, const platform::NotifyIconRecord& record) override {
    const bool accepted = real.Notify(operation, record);
    answers.push_back({operation, accepted});
    return accepted;
  }
  std::vector<std::pair<platform::NotifyOperation, bool>> answers;
  win32::Win32NotifyArea real;
};

// A window procedure that records every message it sees in the list its window's property names.
constexpr wchar_t kSeenProperty[] = L"VantrelleTest.Seen";
LRESULT CALLBACK RecordingProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto* seen = static_cast<std::vector<UINT>*>(GetPropW(hwnd, kSeenProperty))) seen->push_back(message);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

class TrayIconTest : public ::testing::Test {
 protected:
  HWND Window() const { return reinterpret_cast<HWND>(tray.Window()); }
  // Whether the shell still knows the icon: only a present icon can be modified.
  bool IconPresent() {
    platform::NotifyIconRecord probe;
    probe.window = tray.Window();
    probe.flags = platform::NotifyTip;
    probe.tip = "probe";
    return notifyArea.real.Notify(platform::NotifyOperation::Modify, probe);
  }

  AnsweredNotifyArea notifyArea;
  win32::Win32WindowProcedures windows;
  win32::Win32EventPump events;
  win32::Win32Clock clock;
  platform::Platform platform{
      .notifyArea = &notifyArea, .clock = &clock, .events = &events, .windowProcedures = &windows};
  TrayIcon tray{platform};
};

TEST_F(TrayIconTest, TheIconIsReallyAddedModifiedAndRemovedOnAHiddenTopLevelWindow) {
  ASSERT_NE(Window(), nullptr);
  EXPECT_FALSE(IsWindowVisible(Window()));
  EXPECT_EQ(GetAncestor(Window(), GA_PARENT), GetDesktopWindow());
  SendMessageW(Window(), WM_CLOSE, 0, 0);  // only its owner ends it
  EXPECT_TRUE(IsWindow(Window()));

  tray.SetTip("Vantrelle");
  tray.SetInTray(true);
  tray.SetTip(std::string(300, 'x'));
  tray.SetIcon(
      platform::Picture{reinterpret_cast<std::uintptr_t>(LoadIconW(nullptr, IDI_APPLICATION)), platform::PictureIcon});
  EXPECT_TRUE(IconPresent());
  tray.SetInTray(false);

  using Op = platform::NotifyOperation;
  const std::vector<std::pair<Op, bool>> expected = {
      {Op::Add, true}, {Op::Modify, true}, {Op::Modify, true}, {Op::Delete, true}};
  EXPECT_EQ(notifyArea.answers, expected);
  EXPECT_FALSE(IconPresent());
}

TEST_F(TrayIconTest, TheCallbackReachesTheControlAndThenThePreviousProcedure) {
  std::vector<UINT> seenByPrevious;
  SetPropW(Window(), kSeenProperty, &seenByPrevious);
  const auto previous = SetWindowLongPtrW(Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProcedure));
  std::vector<std::string> events;
  tray.OnMouseUp = [&](std::int16_t button, std::int32_t id) {
    events.push_back("MouseUp " + std::to_string(button) + " " + std::to_string(id));
    events.push_back("previous had " + std::to_string(seenByPrevious.size()));
  };
  tray.SetInTray(true);

  SendMessageW(Window(), TrayIcon::kCallbackMessage, 0, WM_RBUTTONUP);
  PostMessageW(Window(), TrayIcon::kCallbackMessage, 0, WM_LBUTTONUP);  // through the real dispatch
  this->events.DoEvents();

  EXPECT_EQ(events, (std::vector<std::string>{"MouseUp 2 0", "previous had 0", "MouseUp 1 0", "previous had 1"}));
  EXPECT_EQ(seenByPrevious, (std::vector<UINT>{TrayIcon::kCallbackMessage, TrayIcon::kCallbackMessage}));

  tray.SetInTray(false);  // the replaced procedure is back
  EXPECT_EQ(GetWindowLongPtrW(Window(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&RecordingProcedure));
  SetWindowLongPtrW(Window(), GWLP_WNDPROC, previous);
  RemovePropW(Window(), kSeenProperty);
}

TEST_F(TrayIconTest, ATaskbarCreatedBroadcastPutsTheLostIconBack) {
  tray.SetTip("Vantrelle");
  tray.SetInTray(true);
  platform::NotifyIconRecord lost;
  lost.window = tray.Window();
  ASSERT_TRUE(notifyArea.real.Notify(platform::NotifyOperation::Delete, lost));  // as when the shell restarts
  ASSERT_FALSE(IconPresent());

  // The shell itself never sends it here, so broadcast it as a restarted shell would.
  DWORD_PTR result = 0;
  SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG, 5000, &result);

  EXPECT_TRUE(IconPresent());
  EXPECT_EQ(notifyArea.answers.back(), std::make_pair(platform::NotifyOperation::Add, true));
  tray.SetInTray(false);
}

TEST_F(TrayIconTest, ABalloonNotificationInTheQueueEndsTheWait) {
  tray.SetInTray(true);
  PostMessageW(Window(), TrayIcon::kCallbackMessage, 0, NIN_BALLOONUSERCLICK);
  const ULONGLONG start = GetTickCount64();
  tray.ShowBalloon("has been minimized to the system tray.", "Vantrelle", 30, false);

  EXPECT_LT(GetTickCount64() - start, 10000u);
  EXPECT_EQ(notifyArea.answers.size(), 2u);  // add and balloon, no removal
  tray.SetInTray(false);
}

TEST(NotifyIconData, TextsAreCutToTheirFieldsWithoutSplittingACharacter) {
  const std::string smiley = "\xF0\x9F\x98\x80";  // one character, two UTF-16 units
  platform::NotifyIconRecord record;
  record.window = 0x1234;
  record.id = 0;
  record.flags = platform::NotifyTip | platform::NotifyInfo;
  record.tip = std::string(126, 'a') + smiley;         // the pair would straddle the 127th unit
  record.info = std::string(253, 'b') + smiley + "c";  // fills the 255 units exactly
  record.infoTitle = std::string(70, 'd');
  record.timeoutMs = 5000;

  const NOTIFYICONDATAW data = win32::ToNotifyIconData(record);
  EXPECT_EQ(data.cbSize, sizeof(NOTIFYICONDATAW));
  EXPECT_EQ(data.hWnd, reinterpret_cast<HWND>(0x1234));
  EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_TIP | NIF_INFO));
  EXPECT_EQ(data.uTimeout, 5000u);
  EXPECT_EQ(data.dwInfoFlags, 0u);
  EXPECT_EQ(std::wstring(data.szTip), std::wstring(126, L'a'));
  EXPECT_EQ(std::wstring(data.szInfo), std::wstring(253, L'b') + L"\xD83D\xDE00");
  EXPECT_EQ(std::wstring(data.szInfoTitle), std::wstring(63, L'd'));

  record.tip = "\xC3\xA9t\xC3\xA9";  // short texts pass whole, in UTF-16
  EXPECT_EQ(std::wstring(win32::ToNotifyIconData(record).szTip), L"\u00E9t\u00E9");
}

}  // namespace
}  // namespace vantrelle
