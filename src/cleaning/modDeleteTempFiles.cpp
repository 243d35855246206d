#include "cleaning/modDeleteTempFiles.h"

#include <string>

#include "cleaning/ProtectedFolders.h"
#include "cleaning/modCleanUp.h"
#include "platform/Environment.h"
#include "platform/EventPump.h"
#include "platform/FileServices.h"
#include "shell/ErrorReport.h"
#include "shell/Form1.h"
#include "shell/Guard.h"
#include "shell/Strings.h"

namespace vantrelle::modDeleteTempFiles {

namespace {

constexpr const char* kProgress = "Process deleting files...";
constexpr const char* kErrorPrefix = "Error encountered during emptying files in ";

// Marks the run as under way for as long as it lasts, whatever happens inside.
class RunMark {
 public:
  explicit RunMark(bool& active) : active_(active) { active_ = true; }
  RunMark(const RunMark&) = delete;
  RunMark& operator=(const RunMark&) = delete;
  ~RunMark() { active_ = false; }

 private:
  bool& active_;
};

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

bool EmptyTempFolder(Form1& form, const std::string& path, bool ownFolder) {
  try {
    auto& files = *form.Platform().files;
    if (!FolderExists(files, path)) return false;
    // A path without its drive would be resolved against whatever the current folder is; a link is
    // never emptied through, so saying it was would be untrue.
    if (!cleaning::NormalizeFolderPath(path)) return false;
    if (platform::IsLinkAttributes(files.Attributes(path).value_or(0))) return false;
    if (ownFolder) {
      // A drive root is three characters long; system and profile folders are never the person's.
      if (CharacterCount(path) < 5 || cleaning::IsProtectedFolder(form.Platform(), path)) return false;
    } else if (!EqualsNoCase(Right(path, 4), "temp")) {
      return false;
    }
    modCleanUp::EmptyFolder(form, path);
    return true;
  } catch (...) {
    return false;
  }
}

void DeleteTemporaryFiles(Form1& form) {
  // A click on the delete-now button during one of the run's yields must not start a second run
  // inside the first.
  if (form.DeletionRunActive) return;
  const RunMark mark(form.DeletionRunActive);

  auto& platform = form.Platform();
  Guard guard(*platform.messageBox, location::kDeleteTemporaryFiles);
  const auto environment = [&](const char* name) { return platform.environment->Get(name); };
  const auto status = [&](const std::string& text) { form.Frame2.SetCaption(kProgress + text); };

  guard.Line(100, [&] { form.Timer1.SetEnabled(false); });
  guard.Line(102, [&] { platform.events->DoEvents(); });

  if (guard.Test(104, [&] { return form.Check1.Ticked(); })) {
    guard.Line(106, [&] { status("Windows Temp"); });
    guard.Line(108, [&] { CleanWindowsTemp(form); });
  }

  if (guard.Test(110, [&] { return form.Check5.Ticked(); })) {
    guard.Line(112, [&] { status("Recycle Bin"); });
    if (guard.Test(114, [&] { return !modCleanUp::EmptyRecycleBin(form); })) {
      guard.Line(116, [&] { form.MsgBox(std::string(kErrorPrefix) + "recycle bin."); });
    }
  }

  if (guard.Test(118, [&] { return form.Check6.Ticked(); })) {
    guard.Line(120, [&] { status("Most Recent"); });
    if (guard.Test(122, [&] { return !modCleanUp::ClearRecentDocs(form); })) {
      guard.Line(124, [&] { form.MsgBox(std::string(kErrorPrefix) + "most recent."); });
    }
  }

  if (guard.Test(126, [&] { return form.Check4.Ticked(); })) {
    guard.Line(128, [&] { status("User Temp (AppData) - " + environment("appdata") + "\\Temp"); });
    if (guard.Test(130, [&] { return !EmptyTempFolder(form, environment("appdata") + "\\Temp", false); })) {
      guard.Line(132, [&] { form.MsgBox(std::string(kErrorPrefix) + "user temp."); });
    }
  }

  if (guard.Test(134, [&] { return form.Check2.Ticked(); })) {
    guard.Line(136, [&] { status("System Temp - " + environment("temp")); });
    if (guard.Test(138, [&] { return !EmptyTempFolder(form, environment("Temp"), false); })) {
      guard.Line(140, [&] { form.MsgBox(std::string(kErrorPrefix) + "System temp."); });
    }
  }

  if (guard.Test(142, [&] { return form.Check7.Ticked(); })) {
    guard.Line(144, [&] { status(form.Text1.Text()); });
    if (guard.Test(146, [&] { return !EmptyTempFolder(form, form.Text1.Text(), true); })) {
      guard.Line(148, [&] { form.MsgBox(std::string(kErrorPrefix) + form.Text1.Text() + "."); });
    }
  }

  guard.Line(150, [&] { form.Timer1.SetEnabled(true); });
}

}  // namespace vantrelle::modDeleteTempFiles
