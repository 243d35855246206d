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
VANTRELLE_TEXT(
    CommandLineUsage,
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
// The main window's captions (the designed ones exactly as designed), messages and access keys
VANTRELLE_TEXT(ScheduleFrameCaption, "Switch Schedule")
VANTRELLE_TEXT(WeeklyOptionCaption, " Weekly:")
VANTRELLE_TEXT(DailyOptionCaption, "Daily:")
VANTRELLE_TEXT(EveryOptionCaption, "Switch every:")
VANTRELLE_TEXT(HoursUnitCaption, "hour/s")
VANTRELLE_TEXT(MinutesUnitCaption, "minute/s")
VANTRELLE_TEXT(DaysUnitCaption, "day/s")
VANTRELLE_TEXT(HelpButtonCaption, "Help")
VANTRELLE_TEXT(StartUpFrameCaption, "Startup Options")
VANTRELLE_TEXT(StartWithWindowsCaption, "Load this software on Windows startup")
VANTRELLE_TEXT(StartInTrayCaption, "Start in system tray")
VANTRELLE_TEXT(StatusFrameCaption, "On. Next delete will occur in:")
VANTRELLE_TEXT(LocationsFrameCaption, "Which temporary files would you like to delete?")
VANTRELLE_TEXT(OwnFolderBoxCaption, "Add your own folder to delete:")
VANTRELLE_TEXT(SystemTempBoxCaption, "System Temp")
VANTRELLE_TEXT(UserTempBoxCaption, "User Temp (AppData)")
VANTRELLE_TEXT(WindowsTempBoxCaption, " Windows Temp")
VANTRELLE_TEXT(RecycleBinBoxCaption, "Recycle Bin")
VANTRELLE_TEXT(RecentDocsBoxCaption, "Recently Used Docs")
VANTRELLE_TEXT(TurnOnCaption, "Turn On")
VANTRELLE_TEXT(TurnOffCaption, "Turn Off")
VANTRELLE_TEXT(DeleteNowCaption, "Start Deleting Temporary Files Now (Test)")
VANTRELLE_TEXT(DownloadsBoxCaption, "Downloads older than")
VANTRELLE_TEXT(DownloadsUnitCaption, "days")
VANTRELLE_TEXT(RecycleBinDaysCaption, "only items deleted more than")
VANTRELLE_TEXT(RecycleBinDaysUnitCaption, "days ago")
VANTRELLE_TEXT(MoreButtonCaption, "More locations...")
VANTRELLE_TEXT(KeepRecentCaption, "Keep files changed in the last")
VANTRELLE_TEXT(KeepRecentUnitCaption, "hours")
VANTRELLE_TEXT(LowSpaceCaption, "Also clean when free space on {1} falls below")
VANTRELLE_TEXT(LowSpaceUnitCaption, "GB")
VANTRELLE_TEXT(PreviewButtonCaption, "Preview")
VANTRELLE_TEXT(HistoryButtonCaption, "History")
VANTRELLE_TEXT(LastRunNever, "Last run: never")
VANTRELLE_TEXT(ManagedLineCaption, "Some settings are managed by your organization.")
VANTRELLE_TEXT(ManagedTip, "This setting is managed by your organization.")
VANTRELLE_TEXT(StatusOff, "Off.")
VANTRELLE_TEXT(StatusOnNotCounting, "On. Next delete will occur in: xx:xx:xx")
VANTRELLE_TEXT(StatusCounting, "On. Next switch will occur in: ")
VANTRELLE_TEXT(WindowsTempBoxWithFolder, "Windows Temp - {1}")
VANTRELLE_TEXT(UserTempBoxWithDash, "User Temp (AppData) - ")
VANTRELLE_TEXT(SystemTempBoxWithFolder, "System Temp - {1}")
VANTRELLE_TEXT(MustBeNumeric, "Must be a numeric entry.")
VANTRELLE_TEXT(YourTemporaryFolder, "{1} is your temporary folder.")
VANTRELLE_TEXT(BrowseTitle, "Please select folder:")
VANTRELLE_TEXT(MinimizedToTray,
               "has been minimized to the system tray.\r\nClick on the blue 'M' icon (M for Marrowick) to bring the "
               "software back.")
VANTRELLE_TEXT(Sunday, "Sunday")
VANTRELLE_TEXT(Monday, "Monday")
VANTRELLE_TEXT(Tuesday, "Tuesday")
VANTRELLE_TEXT(Wednesday, "Wednesday")
VANTRELLE_TEXT(Thursday, "Thursday")
VANTRELLE_TEXT(Friday, "Friday")
VANTRELLE_TEXT(Saturday, "Saturday")
// The letter that, with Alt, reaches an added control; it must occur in the control's caption
VANTRELLE_TEXT(DownloadsBoxKey, "D")
VANTRELLE_TEXT(RecycleBinDaysKey, "n")
VANTRELLE_TEXT(MoreButtonKey, "M")
VANTRELLE_TEXT(KeepRecentKey, "K")
VANTRELLE_TEXT(LowSpaceKey, "A")
VANTRELLE_TEXT(PreviewButtonKey, "P")
VANTRELLE_TEXT(HistoryButtonKey, "H")
// What a failing statement was, in the error report
VANTRELLE_TEXT(ErrorOverflow, "Overflow")
VANTRELLE_TEXT(ErrorTypeMismatch, "Type mismatch")
VANTRELLE_TEXT(ErrorInvalidPropertyValue, "Invalid property value")
VANTRELLE_TEXT(ErrorInvalidPicture, "Invalid picture")
// The preview window
VANTRELLE_TEXT(PreviewWindowTitle, "Preview")
VANTRELLE_TEXT(PreviewWindowStarting, "Looking for files...")
VANTRELLE_TEXT(PreviewWindowLookingAt, "Looking at {1}: {2}, {3}")
VANTRELLE_TEXT(PreviewWindowDone, "Done. Nothing was deleted or changed.")
VANTRELLE_TEXT(PreviewWindowStopped, "Stopped. The list shows what was found until then.")
VANTRELLE_TEXT(PreviewWindowFilter, "&Location:")
VANTRELLE_TEXT(PreviewWindowAllLocations, "All locations")
VANTRELLE_TEXT(PreviewWindowListName, "What a run would delete and leave")
VANTRELLE_TEXT(PreviewWindowStop, "&Stop")
VANTRELLE_TEXT(PreviewWindowSave, "Save &list...")
VANTRELLE_TEXT(PreviewWindowClose, "Close")
VANTRELLE_TEXT(PreviewWindowCsvFiles, "CSV files (*.csv)")
VANTRELLE_TEXT(PreviewWindowNotSaved, "The list could not be saved: {1}")
// The history window
VANTRELLE_TEXT(HistoryWindowTitle, "History")
VANTRELLE_TEXT(HistoryWindowScheduled, "Scheduled")
VANTRELLE_TEXT(HistoryWindowLowSpace, "Low disk space")
VANTRELLE_TEXT(HistoryWindowManual, "Started by you")
VANTRELLE_TEXT(HistoryColumnStarted, "Date and time")
VANTRELLE_TEXT(HistoryColumnTrigger, "Trigger")
VANTRELLE_TEXT(HistoryColumnFilesDeleted, "Files deleted")
VANTRELLE_TEXT(HistoryColumnSpaceFreed, "Space freed")
VANTRELLE_TEXT(HistoryColumnEntriesLeft, "Entries left")
VANTRELLE_TEXT(HistoryColumnFailures, "Failures")
VANTRELLE_TEXT(HistoryWindowRunsName, "Runs, newest first")
VANTRELLE_TEXT(HistoryWindowOpenLog, "&Open the log")
VANTRELLE_TEXT(HistoryWindowClose, "Close")
VANTRELLE_TEXT(HistoryWindowNoLog, "No run has been recorded yet.")
VANTRELLE_TEXT(HistoryWindowLogNotOpened, "The history could not be opened: {1}")
