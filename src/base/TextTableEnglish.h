// The program's texts in English, the reference: VANTRELLE_TEXT(name, "text"), one per line. Every
// other language's table has a line for each name here (tests/logic/TextsTest.cpp checks it).
// Placeholders are "{1}", "{2}", ...; a count takes two lines, ...One and ...Many.
// No include guard: base/Texts.h and Texts.cpp read it with their own VANTRELLE_TEXT.

// Counts
VANTRELLE_TEXT(FileCountOne, "{1} file")
VANTRELLE_TEXT(FileCountMany, "{1} files")
VANTRELLE_TEXT(FolderCountOne, "{1} folder")
VANTRELLE_TEXT(FolderCountMany, "{1} folders")

// The preview's list and the history read back
VANTRELLE_TEXT(FateDeleted, "deleted")
VANTRELLE_TEXT(FateMovedToRecycleBin, "moved to the Recycle Bin")
VANTRELLE_TEXT(FateInUse, "stays: in use")
VANTRELLE_TEXT(FateAccessDenied, "stays: access denied")
VANTRELLE_TEXT(FateKeptAsRecent, "stays: kept as recent")
VANTRELLE_TEXT(FateLink, "stays: a link")
VANTRELLE_TEXT(FateDeletedRecently, "stays: deleted recently")
VANTRELLE_TEXT(FateNoDateDeleted, "stays: no readable date deleted")
VANTRELLE_TEXT(FateProgramRunning, "skipped: {1} is running")
VANTRELLE_TEXT(PreviewColumnLocation, "Location")
VANTRELLE_TEXT(PreviewColumnName, "Name")
VANTRELLE_TEXT(PreviewColumnFolder, "Folder")
VANTRELLE_TEXT(PreviewColumnSize, "Size")
VANTRELLE_TEXT(PreviewColumnChanged, "Changed")
VANTRELLE_TEXT(PreviewColumnWhatHappens, "What happens")
VANTRELLE_TEXT(HistoryUnreadLinesOne, "{1} line of the log could not be read")
VANTRELLE_TEXT(HistoryUnreadLinesMany, "{1} lines of the log could not be read")
VANTRELLE_TEXT(HistoryNothingFreed, "Nothing was freed in the last {1} days")
VANTRELLE_TEXT(HistoryFreedAndLargestRun, "Freed in the last {1} days: {2}; the largest run: {3} on {4}")
// The cleaning run: locations, outcomes, the report, the history and the preview
VANTRELLE_TEXT(LocationWindowsTemp, "Windows Temp")
VANTRELLE_TEXT(LocationRecycleBin, "Recycle Bin")
VANTRELLE_TEXT(LocationRecentDocuments, "Recently Used Docs")
VANTRELLE_TEXT(LocationUserTemp, "User Temp (AppData)")
VANTRELLE_TEXT(LocationSystemTemp, "System Temp")
VANTRELLE_TEXT(LocationOwnFolder, "Own folder ({1})")
VANTRELLE_TEXT(LocationDownloadsOne, "Downloads older than {1} days")
VANTRELLE_TEXT(LocationDownloadsMany, "Downloads older than {1} days")
VANTRELLE_TEXT(OutcomeNothingFound, "nothing found")
VANTRELLE_TEXT(OutcomeFailed, "failed")
VANTRELLE_TEXT(OutcomeFailedWhy, "failed: {1}")
VANTRELLE_TEXT(OutcomeSkippedWhileRunning, "skipped, {1} is running")
VANTRELLE_TEXT(OutcomeStoppedByClosing, "stopped, the program was closed")
VANTRELLE_TEXT(FreedByWindowsCleanup, "{1} freed by Windows' cleanup")
VANTRELLE_TEXT(ToBeFreedByWindowsCleanup, "{1} to be freed by Windows' cleanup")
VANTRELLE_TEXT(LeftInUse, "in use")
VANTRELLE_TEXT(LeftAccessDenied, "access denied")
VANTRELLE_TEXT(LeftKeptAsRecent, "kept as recent")
VANTRELLE_TEXT(LeftLink, "a link left alone")
VANTRELLE_TEXT(LeftDeletedRecently, "deleted recently")
VANTRELLE_TEXT(LeftNoDateDeleted, "no readable date deleted")
VANTRELLE_TEXT(LeftProgramRunning, "its program is running")
VANTRELLE_TEXT(TriggerNow, "Now")
VANTRELLE_TEXT(TriggerSchedule, "Schedule")
VANTRELLE_TEXT(TriggerCommandLine, "Command line")
VANTRELLE_TEXT(TriggerLowDiskSpace, "Low disk space")
VANTRELLE_TEXT(RefusedOwnFolder, "refused: a drive root, or a system or profile folder, or one holding one")
VANTRELLE_TEXT(RefusedNotTemp, "refused: its name does not end in \"temp\"")
VANTRELLE_TEXT(NoTempFolderFound, "no temporary folder found")
VANTRELLE_TEXT(MovedToRecycleBin, "{1} moved to the Recycle Bin, {2}")
VANTRELLE_TEXT(FreedAndLeft, "{1} freed, {2} left")
VANTRELLE_TEXT(LastRun, "Last run: {1} {2}: {3} deleted, {4}")
VANTRELLE_TEXT(LastRunHistoryNotSaved, "Last run: {1} {2}: {3} deleted, {4} (history not saved)")
VANTRELLE_TEXT(HistoryRun, "Run {1}, started by {2}")
VANTRELLE_TEXT(HistoryRunKeepingOne, "Run {1}, started by {2}, keeping files changed in the last {3} hours")
VANTRELLE_TEXT(HistoryRunKeepingMany, "Run {1}, started by {2}, keeping files changed in the last {3} hours")
VANTRELLE_TEXT(HistoryFigures, "{1} deleted, {2} removed, {3} freed, {4} left")
VANTRELLE_TEXT(HistoryMovedAndLeft, "{1}, {2} left")
VANTRELLE_TEXT(HistoryFailedMessageShown, "failed, its message was shown")
VANTRELLE_TEXT(HistoryNoLocationChosen, "no location chosen")
VANTRELLE_TEXT(HistoryLeft, "Left:")
VANTRELLE_TEXT(HistoryMore, "\xE2\x80\xA6 and {1} more")
VANTRELLE_TEXT(PreviewStatus, "Preview, nothing is deleted: {1}")
VANTRELLE_TEXT(PreviewStopped, "stopped")
VANTRELLE_TEXT(PreviewNotReadable, "not found, or not readable")
VANTRELLE_TEXT(PreviewTotal, "Total: {1}")
VANTRELLE_TEXT(RunProgress, "Process deleting files...{1}")
VANTRELLE_TEXT(StatusRecentDocuments, "Most Recent")
VANTRELLE_TEXT(StatusUserTemp, "User Temp (AppData) - {1}")
VANTRELLE_TEXT(StatusSystemTemp, "System Temp - {1}")
VANTRELLE_TEXT(StatusSearchingWindowsTemp, "Searching for folders (Windows Temp)...")
VANTRELLE_TEXT(StatusSearchingFiles, "Searching for files (Windows Temp)...{1}")
VANTRELLE_TEXT(StatusDeletingFiles, "Deleting for files (Windows Temp)...{1}")
VANTRELLE_TEXT(RunFailedRecycleBin, "Error encountered during emptying files in recycle bin.")
VANTRELLE_TEXT(RunFailedRecentDocuments, "Error encountered during emptying files in most recent.")
VANTRELLE_TEXT(RunFailedUserTemp, "Error encountered during emptying files in user temp.")
VANTRELLE_TEXT(RunFailedSystemTemp, "Error encountered during emptying files in System temp.")
VANTRELLE_TEXT(RunFailedOwnFolder, "Error encountered during emptying files in {1}.")
VANTRELLE_TEXT(RunFailedDownloads, "Error encountered during emptying files in Downloads.")
VANTRELLE_TEXT(RunWaitingForTurn, "Waiting for another cleaning run to finish...")
VANTRELLE_TEXT(RunNoTurn, "Another cleaning run was still under way after 10 minutes: this run did not start.")

// The error report
VANTRELLE_TEXT(ErrorReportTitle, "Application Error")
VANTRELLE_TEXT(ErrorReport, "{1}\r\n{2}at line {3}\r\rPlease email screenshot of this message to {4}")
VANTRELLE_TEXT(UnexpectedError, "Unexpected error")

// The command line and the policy report
VANTRELLE_TEXT(NothingTicked, "No location is ticked: nothing to clean.")
VANTRELLE_TEXT(CommandLineNotUnderstood, "The command line was not understood.")
VANTRELLE_TEXT(CommandLineUsage,
               "Vantrelle {1}: deletes temporary files.\n"
               "\n"
               "Usage: Vantrelle.exe [/clean | /preview [/list] | /clean /system | /preview /system | /policyreport | /?]\n"
               "\n"
               "  (none)      opens the window\n"
               "  /clean      one cleaning run with the saved choices, without the window\n"
               "  /preview    what /clean would delete; deletes nothing\n"
               "  /preview /list  the same, then a line per entry it would delete or leave:\n"
               "              location, path, size in bytes and what happens, separated by tabs\n"
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
               "  4  /system without administrator rights\n")
VANTRELLE_TEXT(PolicyReportSettings, "Settings, their effective values and where each comes from:")
VANTRELLE_TEXT(PolicyReportUnreadable, "(stored value not readable: {1})")
VANTRELLE_TEXT(PolicyReportMachineChoices, "The machine's choices (/clean /system):")
VANTRELLE_TEXT(PolicyReportIgnored, "Policy values ignored:")
VANTRELLE_TEXT(PolicyReportNoneIgnored, "none")
VANTRELLE_TEXT(LayerMachinePolicy, "machine policy")
VANTRELLE_TEXT(LayerUserPolicy, "user policy")
VANTRELLE_TEXT(LayerOwnChoice, "own choice")
VANTRELLE_TEXT(LayerMachinePreset, "machine preset")
VANTRELLE_TEXT(LayerUserPreset, "user preset")
VANTRELLE_TEXT(LayerDefault, "default")

// The schedule's countdown
VANTRELLE_TEXT(CountdownDays, "{1} day(s) and ")

// The tray icon
VANTRELLE_TEXT(TrayTipDefault, "Telnet Server")

// Sizes below a kilobyte (larger ones show the unit's letters, the same in every language)
VANTRELLE_TEXT(SizeInBytes, "{1} bytes")

// Why a policy value is ignored (the policy report)
VANTRELLE_TEXT(PolicyWrongType, "wrong type: {1}, not {2}")
VANTRELLE_TEXT(PolicyEmpty, "out of range: empty")
VANTRELLE_TEXT(PolicyTooLong, "out of range: longer than {1}")
VANTRELLE_TEXT(PolicyOutOfRange, "out of range: {1} ({2} to {3})")
VANTRELLE_TEXT(PolicyScheduleNeedsMode, "the schedule needs ScheduleMode")
VANTRELLE_TEXT(PolicyScheduleNeedsTime, "a weekly or daily schedule needs ScheduleHour and ScheduleMinute")
VANTRELLE_TEXT(PolicyScheduleNeedsWeekday, "a weekly schedule needs ScheduleWeekday")
VANTRELLE_TEXT(PolicyEveryTooShort, "an every-N schedule needs at least a minute between runs")
VANTRELLE_TEXT(PolicyEveryTooLong, "an every-N schedule longer than the countdown can hold")
VANTRELLE_TEXT(PolicyGroupBroken, "the schedule's group holds a value not valid")
VANTRELLE_TEXT(PolicyIgnoredWithGroup, "ignored with its group: {1}")
// The main window: names a screen reader reads for boxes without a caption or a label before them
VANTRELLE_TEXT(WeekdayListName, "Weekday")
VANTRELLE_TEXT(TimePickerName, "Time of day")
VANTRELLE_TEXT(OwnFolderBoxName, "Your own folder")
VANTRELLE_TEXT(BrowseButtonName, "Browse for your own folder")
VANTRELLE_TEXT(DownloadsDaysBoxName, "Downloads older than (days)")
// Windows' cleanups and the machine's run
VANTRELLE_TEXT(WindowsCleanupStatus, "Windows cleanup: {1}")
VANTRELLE_TEXT(HandlerStoppedAnswering, "stopped answering")
VANTRELLE_TEXT(NeedsAdministrator, "Cleaning system files needs administrator rights.")
VANTRELLE_TEXT(ConsequencePreviousInstallations, "The earlier version of Windows can no longer be restored.")
VANTRELLE_TEXT(ConsequenceUpdateCleanup, "Installed updates can no longer be removed. This can take a long time.")
VANTRELLE_TEXT(ConsequenceInstallationFiles, "Resetting Windows will need installation media.")
VANTRELLE_TEXT(ConsequenceDriverPackages, "Earlier drivers can no longer be restored.")

// The "More locations..." dialog and the "System files" window
VANTRELLE_TEXT(MoreTitle, "More locations")
VANTRELLE_TEXT(MoreNote,
               "Each location is cleaned after those of the window, with the same care. A browser's cache is left "
               "whole while the browser runs.")
VANTRELLE_TEXT(MoreWindowsCleanupNote,
               "Windows' own cleanup, where present, decides what goes: the hours kept do not apply.")
VANTRELLE_TEXT(MoreClose, "Close")
VANTRELLE_TEXT(MoreChosenLine, "More locations: {1} chosen")
VANTRELLE_TEXT(MoreManaged, "This setting is managed by your organization.")
VANTRELLE_TEXT(MoreNotSaved, "The choice could not be saved: {1}")
VANTRELLE_TEXT(MoreNotLookedAt, "not looked at yet")
VANTRELLE_TEXT(MoreFound, "{1} found")
VANTRELLE_TEXT(MoreColumnLocation, "Location")
VANTRELLE_TEXT(MoreColumnFound, "Found")
VANTRELLE_TEXT(MoreWindowsGroup, "Windows cleanup")
VANTRELLE_TEXT(MoreSystemGroup, "System files")
VANTRELLE_TEXT(MoreMeasuring, "measuring\xE2\x80\xA6")
VANTRELLE_TEXT(MoreConfirmTitle, "Windows cleanup: {1}")
VANTRELLE_TEXT(MoreConfirm, "{1}\n\nChoose it all the same?")
VANTRELLE_TEXT(MoreMachineChosen, "chosen for this computer")
VANTRELLE_TEXT(MoreMachineNotChosen, "not chosen")
VANTRELLE_TEXT(MoreCleanSystemFiles, "Clean system files...")
VANTRELLE_TEXT(SystemFilesTitle, "System files")
VANTRELLE_TEXT(SystemFilesNote, "What is ticked here is cleaned for every person on this computer.")
VANTRELLE_TEXT(SystemFilesCleanNow, "Clean now")
VANTRELLE_TEXT(SystemFilesNotStarted, "The System files window could not be started: {1}")
VANTRELLE_TEXT(SystemFilesLocked, "{1}; set by policy")
VANTRELLE_TEXT(SystemFilesColumnFile, "System files")
