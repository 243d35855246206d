#include "commandline/Commands.h"

#include "base/Texts.h"
#include "cleaning/ExclusiveRun.h"
#include "cleaning/Preview.h"
#include "cleaning/RunHistory.h"
#include "commandline/CommandRunHost.h"
#include "platform/MachineState.h"
#include "platform/Platform.h"
#include "settings/EffectiveSettings.h"
#include "settings/MachineChoices.h"
#include "settings/PolicyReport.h"
#include "settings/RunRecord.h"
#include "settings/SavedChoices.h"

namespace vantrelle::commandline {

namespace {

// The saved choices, for a run the command line started.
cleaning::Choices CommandLineChoices(const platform::Platform& platform) {
  cleaning::Choices choices = settings::SavedChoices(platform);
  choices.trigger = cleaning::Trigger::CommandLine;
  return choices;
}

// One cleaning run with the saved choices, recorded as the window records its runs. Its text is the
// run's block of the history, then what the window would have shown in boxes.
Finished Clean(const platform::Platform& platform) {
  const cleaning::Choices choices = CommandLineChoices(platform);
  if (!choices.AnyLocation()) return {ExitCode::Failed, std::string(kNothingTicked) + "\n"};
  CommandRunHost host;
  std::string block;
  const auto result = cleaning::RunExclusively(platform, host, choices, [&](const cleaning::RunResult& finished) {
    block = PlainLines(settings::RecordRun(platform, finished).historyBlock);
  });
  if (!result) return {ExitCode::Failed, host.Text()};
  return {ExitCodeOf(*result), block + host.Text()};
}

// What /clean would delete: the preview's line per location and its total.
Finished Preview(const platform::Platform& platform) {
  const cleaning::Choices choices = CommandLineChoices(platform);
  if (!choices.AnyLocation()) return {ExitCode::Done, std::string(kNothingTicked) + "\n"};
  CommandRunHost host;
  const cleaning::PreviewResult result = cleaning::Preview(platform, host).Walk(choices);
  return {ExitCode::Done, PlainLines(cleaning::PreviewText(*platform.locale, result)) + "\n" + host.Text()};
}

// The machine's choices, with an administrator's rights only; neither the person's settings nor
// the person's history are read or written.
Finished CleanSystem(const platform::Platform& given, bool preview) {
  platform::Platform platform = given;
  platform.settings = nullptr;  // the person's: never read here
  if (!platform.machine || !platform.machine->RunsAsAdministrator()) {
    return {ExitCode::NeedsAdministrator, Text(*platform.locale, TextId::NeedsAdministrator) + "\n"};
  }
  const cleaning::Choices choices = settings::MachineChoices(platform);
  if (!choices.AnyLocation()) return {preview ? ExitCode::Done : ExitCode::Failed, std::string(kNothingTicked) + "\n"};
  CommandRunHost host;
  if (preview) {
    const cleaning::PreviewResult result = cleaning::Preview(platform, host).Walk(choices);
    return {ExitCode::Done, PlainLines(cleaning::PreviewText(*platform.locale, result)) + "\n" + host.Text()};
  }
  std::string block;
  const auto result = cleaning::RunExclusively(platform, host, choices, [&](const cleaning::RunResult& finished) {
    block = PlainLines(cleaning::HistoryBlock(*platform.locale, finished));
  });
  if (!result) return {ExitCode::Failed, host.Text()};
  return {ExitCodeOf(*result), block + host.Text()};
}

}  // namespace

std::string UsageText(std::string_view programVersion) {
  std::string text = "Vantrelle ";
  text += programVersion;
  text +=
      ": deletes temporary files.\n"
      "\n"
      "Usage: Vantrelle.exe [/clean | /preview | /clean /system | /preview /system | /policyreport | /?]\n"
      "\n"
      "  (none)      opens the window\n"
      "  /clean      one cleaning run with the saved choices, without the window\n"
      "  /preview    what /clean would delete; deletes nothing\n"
      "  /clean /system, /preview /system\n"
      "              the same for the machine's choices (Windows' own cleanups and piles),\n"
      "              with administrator rights only\n"
      "  /policyreport  every setting with its effective value and where it comes from\n"
      "              (policy, own choice, preset, default), and the policy values ignored\n"
      "  /?, /help   this text\n"
      "\n"
      "Switches may start with - instead of /, in any case.\n"
      "\n"
      "Exit codes of /clean:\n"
      "  0  every chosen location was emptied and nothing was left\n"
      "  1  the run finished, but entries were left (in use, access denied, kept as recent,\n"
      "     a browser's cache left whole while the browser runs)\n"
      "  2  a location failed, no location is ticked, or another run kept this one waiting\n"
      "     for 10 minutes\n"
      "  3  the command line was not understood\n"
      "  4  /system without administrator rights\n";
  return text;
}

Finished Execute(Command command, const platform::Platform& given, std::string_view programVersion) {
  // The machine's run trusts nothing the person can write, the person's settings least of all.
  if (command == Command::CleanSystem || command == Command::PreviewSystem) {
    return CleanSystem(given, command == Command::PreviewSystem);
  }
  // Every command reads the settings with the policies over them, as they stand at its start.
  settings::EffectiveSettings effective(*given.settings, *given.registry, *given.locale);
  effective.Refresh();
  platform::Platform platform = given;
  platform.settings = &effective;
  switch (command) {
    case Command::Clean: return Clean(platform);
    case Command::Preview: return Preview(platform);
    case Command::PolicyReport: return {ExitCode::Done, settings::PolicyReport(platform, effective)};
    case Command::Help: return {ExitCode::Done, UsageText(programVersion)};
    case Command::CleanSystem:  // answered above
    case Command::PreviewSystem:
    case Command::Window:
    case Command::CleanupHandlerHost:  // the program's entry runs it before any service is made
    case Command::NotUnderstood: break;
  }
  return {ExitCode::NotUnderstood, "The command line was not understood.\n\n" + UsageText(programVersion)};
}

}  // namespace vantrelle::commandline
