// The main window, its dialogs and the elevated copy's "System files" window in English, German and the
// pseudo-language, built in this process (whose fonts the check reads) on the desktop the run is at: 100 % on 1024x768,
// 150 % on 1280x1024.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"
#include "tests/e2e/LayoutCheck.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/community/CommunityWindowView.h"
#include "ui/win32/history/HistoryDialog.h"
#include "ui/win32/morelocations/MoreLocationsDialogView.h"
#include "ui/win32/preview/PreviewDialog.h"
#include "ui/win32/systemfiles/SystemFilesWindowView.h"

namespace vantrelle::e2e {
namespace {

class NoEvents : public win32::WindowEvents {
 public:
  void Resized() override {}
  void CloseRequested() override {}
};

void Pump(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  while (GetTickCount64() < end) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(10);
  }
}

// Where the timer puts what it found in the modal dialog (the timer callback takes no context).
std::vector<std::string>* dialogFaults = nullptr;

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (IsWindowVisible(window) && std::wstring_view(name) == L"#32770") *reinterpret_cast<HWND*>(found) = window;
  return TRUE;
}

void CALLBACK CheckTheDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog || !dialogFaults) return;
  KillTimer(nullptr, timer);
  *dialogFaults = LayoutFaults(dialog);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

TEST(Layout, EveryWindowIsTidyInEveryLanguage) {
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  constexpr std::pair<Language, const char*> kLanguages[] = {
      {Language::English, "English"}, {Language::German, "German"}, {Language::Pseudo, "pseudo-language"}};
  for (const auto& [language, name] : kLanguages) {
    fake::FakePlatform fakes;
    fakes.locale.language = language;
    MainForm form(fakes.platform);
    NoEvents events;
    win32::MainWindow window(form, events, GetModuleHandleW(nullptr), 0);
    ASSERT_TRUE(window.Create());
    form.Load();
    form.windowVisible = true;
    window.ShowForm();
    Pump(100);
    const UINT dpi = GetDpiForWindow(window.Handle());
    for (const std::string& fault : LayoutFaults(window.Handle())) {
      ADD_FAILURE() << name << ", " << dpi << " dpi, main window: " << fault;
    }
    // The modal ones, checked from inside their own loops.
    const auto checkModal = [&](const char* title, const std::function<void()>& open) {
      std::vector<std::string> faults{"never opened"};
      dialogFaults = &faults;
      SetTimer(nullptr, 0, 100, &CheckTheDialog);
      open();  // returns once the check closed the dialog
      dialogFaults = nullptr;
      for (const std::string& fault : faults)
        ADD_FAILURE() << name << ", " << dpi << " dpi, " << title << ": " << fault;
    };
    win32::MoreLocationsDialogView dialog(
        GetModuleHandleW(nullptr), [](HWND) {}, [](HWND) {});
    form.SetMoreLocationsDialog(&dialog);
    checkModal("More locations", [&] { form.optionsPanel.moreButton.Click(); });
    // The community cleaners with an entry whose every part shows.
    fakes.shell.knownFolders[platform::KnownFolder::LocalAppData] = "C:\\Users\\bob\\AppData\\Local";
    fakes.textFiles.files["c:\\users\\bob\\appdata\\local\\vantrelle\\winapp2.ini"] =
        "; Version: 260730\n[Example Editor "
        "*]\nLangSecRef=3021\nFileKey1=%LocalAppData%\\Example\\Logs|*.log|REMOVESELF\n"
        "ExcludeKey1=FILE|%LocalAppData%\\Example\\Logs\\|keep.log\nRegKey1=HKCU\\Software\\Example\n"
        "Warning=Open documents are closed.\n";
    CommunityChoice community(fakes.platform);
    checkModal("Community cleaners",
               [&] { win32::CommunityWindowView(GetModuleHandleW(nullptr)).ShowModal(window.Handle(), community); });
    SystemFilesChoice machineChoice(fakes.platform);
    checkModal("System files", [&] { win32::SystemFilesWindowView(GetModuleHandleW(nullptr), machineChoice).Run(); });
    // The preview (once its walk over the fakes has ended) and the history, each a window of its own.
    win32::PreviewDialog preview(GetModuleHandleW(nullptr), fakes.locale);
    win32::HistoryDialog history(GetModuleHandleW(nullptr), fakes.locale);
    form.SetPreviewWindowView(&preview);
    form.SetHistoryWindowView(&history);
    form.optionsPanel.previewButton.Click();
    form.optionsPanel.historyButton.Click();
    Pump(1000);
    for (const auto& [dialog, title] :
         {std::pair<const win32::ModelessDialog*, const char*>{&preview, "Preview"}, {&history, "History"}}) {
      if (!dialog->Handle()) ADD_FAILURE() << name << ": the " << title << " window did not open";
      if (!dialog->Handle()) continue;
      for (const std::string& fault : LayoutFaults(dialog->Handle())) {
        ADD_FAILURE() << name << ", " << dpi << " dpi, " << title << ": " << fault;
      }
      SendMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
    }
    Pump(100);
    form.Close();
  }
}

}  // namespace
}  // namespace vantrelle::e2e
