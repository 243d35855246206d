#include "commandline/Commands.h"

#include "base/Texts.h"
#include "cleaning/ExclusiveRun.h"
#include "cleaning/Preview.h"
#include "cleaning/PreviewList.h"
#include "cleaning/RunHistory.h"
#include "commandline/CommandRunHost.h"
#include "commandline/CommunityReport.h"
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
  if (!choices.AnyLocation()) return {ExitCode::Failed, Text(*platform.locale, TextId::NothingTicked) + "\n"};
  CommandRunHost host(platform.locale->DisplayLanguage());
  std::string block;
  const auto result = cleaning::RunExclusively(platform, host, choices, [&](const cleaning::RunResult& finished) {
    block = PlainLines(settings::RecordRun(platform, finished).historyBlock);
  });
  if (!result) return {ExitCode::Failed, host.Text()};
  return {ExitCodeOf(*result), block + host.Text()};
}

// What /clean would delete: the preview's line per location and its total; with `list`, then a line
// per entry it would delete or leave.
Finished Preview(const platform::Platform& platform, bool list) {
  const cleaning::Choices choices = CommandLineChoices(platform);
  if (!choices.AnyLocation()) return {ExitCode::Done, Text(*platform.locale, TextId::NothingTicked) + "\n"};
  CommandRunHost host(platform.locale->DisplayLanguage());
  cleaning::PreviewRowTable rows;
  const cleaning::PreviewResult result = cleaning::Preview(platform, host, list ? &rows : nullptr).Walk(choices);
  std::string text = PlainLines(cleaning::PreviewText(*platform.locale, result)) + "\n" + host.Text();
  if (list) text += cleaning::ScriptLines(*platform.locale, rows);
  return {ExitCode::Done, std::move(text)};
}

// The machine's choices, with an administrator's rights only; neither the person's settings nor
// the person's history are read or written.
Finished CleanSystem(const platform::Platform& given, bool preview, std::string_view programVersion) {
  platform::Platform platform = given;
  platform.settings = nullptr;  // the person's: never read here
  if (const auto refusal = MachineRunRefusal(platform, programVersion)) {
    return {refusal->exitCode, refusal->text + "\n"};
  }
  const cleaning::Choices choices = settings::MachineChoices(platform);
  if (!choices.AnyLocation()) {
    return {preview ? ExitCode::Done : ExitCode::Failed, Text(*platform.locale, TextId::NothingTicked) + "\n"};
  }
  CommandRunHost host(platform.locale->DisplayLanguage());
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

std::optional<Refusal> MachineRunRefusal(const platform::Platform& platform, std::string_view programVersion) {
  const Locale& locale = *platform.locale;
  if (!platform.machine || !platform.machine->RunsFromProtectedFolder()) {
    return Refusal{ExitCode::NeedsInstalledCopy, Text(locale, TextId::NeedsInstalledCopy, {programVersion})};
  }
  if (!platform.machine->RunsAsAdministrator()) {
    return Refusal{ExitCode::NeedsAdministrator, Text(locale, TextId::NeedsAdministrator)};
  }
  return std::nullopt;
}

std::string UsageText(std::string_view programVersion, Language language) {
  return FormatText(TextView(language, TextId::CommandLineUsage), {programVersion});
}

Finished Execute(Command command, const platform::Platform& given, std::string_view programVersion) {
  // The machine's run trusts nothing the person can write, the person's settings least of all.
  if (command == Command::CleanSystem || command == Command::PreviewSystem) {
    return CleanSystem(given, command == Command::PreviewSystem, programVersion);
  }
  // Every command reads the settings with the policies over them, as they stand at its start.
  settings::EffectiveSettings effective(*given.settings, *given.registry, *given.locale);
  effective.Refresh();
  platform::Platform platform = given;
  platform.settings = &effective;
  const Language language = platform.locale->DisplayLanguage();
  switch (command) {
    case Command::Clean: return Clean(platform);
    case Command::Preview: return Preview(platform, false);
    case Command::PreviewList: return Preview(platform, true);
    case Command::PolicyReport: return {ExitCode::Done, settings::PolicyReport(platform, effective)};
    case Command::Community: return CommunityReport(platform);
    case Command::Help: return {ExitCode::Done, UsageText(programVersion, language)};
    case Command::CleanSystem:  // answered above
    case Command::PreviewSystem:
    case Command::Window:
    case Command::SystemWindow:        // a window of its own, made by the program's entry
    case Command::CleanupHandlerHost:  // the program's entry runs it before any service is made
    case Command::NotUnderstood: break;
  }
  return {ExitCode::NotUnderstood,
          Text(language, TextId::CommandLineNotUnderstood) + "\n\n" + UsageText(programVersion, language)};
}

}  // namespace vantrelle::commandline
