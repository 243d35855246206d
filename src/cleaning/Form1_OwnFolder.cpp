// The own-folder browse button and "Help".
#include <string>

#include "cleaning/AddFolder.h"
#include "platform/Environment.h"
#include "shell/Form1.h"
#include "shell/Guard.h"
#include "shell/Settings.h"

namespace vantrelle {

void Form1::PushButton9_Click() {
  Guard guard(*platform_.messageBox, location::kPushButton9Click);
  std::string startFolder;
  std::string chosen;
  guard.Line(100, [&] { startFolder = settings::Get(*platform_.settings, settings::kLastFolder); });
  guard.Line(102, [&] {
    chosen = AddFolder::BrowseForFolder(*platform_.shell, hWnd, std::string(AddFolder::kBrowseTitle), startFolder);
  });
  if (!guard.Test(104, [&] { return !chosen.empty(); })) return;
  guard.Line(106, [&] { settings::Save(*platform_.settings, settings::kLastFolderDot, chosen); });
  // Remembered as the next start folder too, so the dialog opens where the person left off.
  guard.Line(108, [&] { settings::Save(*platform_.settings, settings::kLastFolder, chosen); });
  guard.Line(110, [&] { Text1.SetText(AddFolder::WithTrailingBackslash(chosen)); });
}

void Form1::PushButton1_Click() {
  Guard guard(*platform_.messageBox, location::kPushButton1Click);
  guard.Line(100, [&] { MsgBox(platform_.environment->Get("TEMP") + " is your temporary folder."); });
}

}  // namespace vantrelle
