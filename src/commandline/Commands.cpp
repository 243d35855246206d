#include "commandline/Commands.h"

#include "cleaning/ExclusiveRun.h"
#include "commandline/CommandRunHost.h"
#include "window/SavedChoices.h"

namespace vantrelle::commandline {

namespace {

bool AnyChosen(const cleaning::Choices& choices) {
  return choices.windowsTemp || choices.recycleBin || choices.recentDocuments || choices.userTemp ||
         choices.systemTemp || choices.ownFolder;
}

// One cleaning run with the saved choices. Its text is what the window would have shown in boxes.
Finished Clean(const platform::Platform& platform) {
  const cleaning::Choices choices = settings::SavedChoices(platform);
  if (!AnyChosen(choices)) return {ExitCode::Failed, std::string(kNothingTicked) + "\n"};
  CommandRunHost host;
  const auto result = cleaning::RunExclusively(platform, host, choices);
  if (!result) return {ExitCode::Failed, host.Text()};
  // The run does not yet count the entries it leaves behind.
  constexpr std::size_t kEntriesLeft = 0;
  return {ExitCodeOf(*result, kEntriesLeft), host.Text()};
}

// The locations /clean would visit, in the run's order.
Finished Preview(const platform::Platform& platform) {
  const cleaning::Choices choices = settings::SavedChoices(platform);
  if (!AnyChosen(choices)) return {ExitCode::Done, std::string(kNothingTicked) + "\n"};
  std::string text = "/clean would empty:\n";
  const auto line = [&](bool chosen, const std::string& location) {
    if (chosen) text += "  " + location + "\n";
  };
  line(choices.windowsTemp, "Windows Temp");
  line(choices.recycleBin, "Recycle Bin");
  line(choices.recentDocuments, "Recently Used Docs");
  line(choices.userTemp, "User Temp (AppData)");
  line(choices.systemTemp, "System Temp");
  line(choices.ownFolder, choices.ownFolderPath);
  return {ExitCode::Done, text};
}

}  // namespace

std::string UsageText(std::string_view programVersion) {
  std::string text = "Vantrelle ";
  text += programVersion;
  text +=
      ": deletes temporary files.\n"
      "\n"
      "Usage: Vantrelle.exe [/clean | /preview | /?]\n"
      "\n"
      "  (none)      opens the window\n"
      "  /clean      one cleaning run with the saved choices, without the window\n"
      "  /preview    what /clean would delete; deletes nothing\n"
      "  /?, /help   this text\n"
      "\n"
      "Switches may start with - instead of /, in any case.\n"
      "\n"
      "Exit codes of /clean:\n"
      "  0  every chosen location was emptied and nothing was left\n"
      "  1  the run finished, but entries were left (in use, access denied, kept as recent)\n"
      "  2  a location failed, no location is ticked, or another run kept this one waiting\n"
      "     for 10 minutes\n"
      "  3  the command line was not understood\n";
  return text;
}

Finished Execute(Command command, const platform::Platform& platform, std::string_view programVersion) {
  switch (command) {
    case Command::Clean: return Clean(platform);
    case Command::Preview: return Preview(platform);
    case Command::Help: return {ExitCode::Done, UsageText(programVersion)};
    case Command::Window:
    case Command::NotUnderstood: break;
  }
  return {ExitCode::NotUnderstood, "The command line was not understood.\n\n" + UsageText(programVersion)};
}

}  // namespace vantrelle::commandline
