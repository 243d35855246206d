// Routines the start-up uses: files beside the program, special folders, skin, home page, title.
#include <random>

#include "base/RuntimeError.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/FileServices.h"
#include "platform/Shell.h"
#include "window/MainForm.h"

namespace vantrelle {

namespace {
inline constexpr std::size_t kFolderBufferLength = 512;
inline constexpr char kHomePage[] = "https://www.marrowick.com/";
inline constexpr int kHomePageDraw = 7;
}  // namespace

bool MainForm::FileIsPresent(const std::string& path) const {
  try {
    return platform_.files->Attributes(path).has_value();
  } catch (...) {
    return false;
  }
}

std::string MainForm::GetSpecialFolderPath(int folderId) const {
  const auto path = platform_.shell->SpecialFolderPath(folderId);
  if (!path) return {};
  // The shell fills a fixed buffer of blanks: the path, a NUL, then the rest of the buffer.
  std::string buffer = path->substr(0, kFolderBufferLength - 1);
  buffer += '\0';
  buffer.resize(kFolderBufferLength, ' ');
  return buffer;
}

void MainForm::ApplySkin() {
  const std::string skinFile = BesideProgram(*platform_.environment, "\\x\\o.cjs");
  if (!platform_.files->FindEntry(skinFile)) return;
  // No skin engine: the colour step alone gives the skinned look its system colours.
  buttonFaceBackground = true;
  WindowChanged();
}

void MainForm::OpenHomePageAtRandom() {
  const auto now = platform_.clock->Now();
  std::minstd_rand random(static_cast<unsigned>(platform_.clock->TickMilliseconds()) ^
                          static_cast<unsigned>(now.hour * 3600 + now.minute * 60 + now.second));
  const int draw = std::uniform_int_distribution<int>(1, 100)(random);
  if (draw == kHomePageDraw) platform_.shell->RunCommand(std::string("explorer \"") + kHomePage + "\"");
}

void MainForm::LoadCustomPointer(const std::string& file) {
  if (windowObserver_ && !windowObserver_->LoadPointer(file)) throw InvalidPicture();
  customPointerFile = file;
}

void MainForm::SetApplicationTitle() {
  std::string title = kProductName;
  // Cut back at blanks until it fits; a one-word name has no blank and stays whole.
  do {
    const auto blank = title.rfind(' ');
    if (blank == std::string::npos) break;
    title.erase(blank);
  } while (title.size() > 40);
  applicationTitle = title;
}

}  // namespace vantrelle
