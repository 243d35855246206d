// The own folder's browse button and the help button.
#include <string>

#include "base/Guard.h"
#include "platform/Environment.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "settings/Settings.h"
#include "window/MainForm.h"

namespace vantrelle {

namespace {

// The path with exactly one trailing backslash added when it has none ("C:\" stays as it is).
std::string WithTrailingBackslash(const std::string& path) {
  if (!path.empty() && path.back() == '\\') return path;
  return path + '\\';
}

}  // namespace

void MainForm::BrowseClicked() {
  Guard guard(errorReport_, location::kBrowseClicked);
  std::string startFolder;
  std::string chosen;
  guard.Line(100, [&] { startFolder = settings::Get(*platform_.settings, settings::kLastFolder); });
  guard.Line(102, [&] {
    chosen = platform_.shell->BrowseForFolder(windowHandle, std::string(TextOf(TextId::BrowseTitle)), startFolder)
                 .value_or(std::string());
  });
  if (!guard.Test(104, [&] { return !chosen.empty(); })) return;
  guard.Line(106, [&] { settings::Save(*platform_.settings, settings::kLastFolderDot, chosen); });
  // Remembered as the next start folder too, so the dialog opens where the person left off.
  guard.Line(108, [&] { settings::Save(*platform_.settings, settings::kLastFolder, chosen); });
  guard.Line(110, [&] { ownFolderPathBox.SetText(WithTrailingBackslash(chosen)); });
}

void MainForm::HelpClicked() {
  Guard guard(errorReport_, location::kHelpClicked);
  guard.Line(
      100, [&] { MsgBox(Text(*platform_.locale, TextId::YourTemporaryFolder, {platform_.environment->Get("TEMP")})); });
}

}  // namespace vantrelle
