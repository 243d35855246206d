// Die Texte des Programms auf Deutsch: VANTRELLE_TEXT(Name, "Text"), mit denselben Namen und
// Platzhaltern wie TextTableEnglish.h. Was hier fehlt, erscheint auf Englisch.
// No include guard: Texts.cpp reads it with its own VANTRELLE_TEXT.

// Counts
VANTRELLE_TEXT(FileCountOne, "{1} Datei")
VANTRELLE_TEXT(FileCountMany, "{1} Dateien")
VANTRELLE_TEXT(FolderCountOne, "{1} Ordner")
VANTRELLE_TEXT(FolderCountMany, "{1} Ordner")

// The preview's list and the history read back
VANTRELLE_TEXT(FateDeleted, "gelöscht")
VANTRELLE_TEXT(FateMovedToRecycleBin, "in den Papierkorb verschoben")
VANTRELLE_TEXT(FateInUse, "bleibt: in Gebrauch")
VANTRELLE_TEXT(FateAccessDenied, "bleibt: Zugriff verweigert")
VANTRELLE_TEXT(FateKeptAsRecent, "bleibt: als neu behalten")
VANTRELLE_TEXT(FateLink, "bleibt: eine Verknüpfung")
VANTRELLE_TEXT(FateDeletedRecently, "bleibt: kürzlich gelöscht")
VANTRELLE_TEXT(FateNoDateDeleted, "bleibt: kein lesbares Löschdatum")
VANTRELLE_TEXT(FateProgramRunning, "übersprungen: {1} läuft")
VANTRELLE_TEXT(FateStateUnreadable, "übersprungen: der Zustand von {1} war nicht lesbar")
VANTRELLE_TEXT(PreviewColumnLocation, "Ort")
VANTRELLE_TEXT(PreviewColumnName, "Name")
VANTRELLE_TEXT(PreviewColumnFolder, "Ordner")
VANTRELLE_TEXT(PreviewColumnSize, "Größe")
VANTRELLE_TEXT(PreviewColumnChanged, "Geändert")
VANTRELLE_TEXT(PreviewColumnWhatHappens, "Was geschieht")
VANTRELLE_TEXT(HistoryUnreadLinesOne, "{1} Zeile des Protokolls konnte nicht gelesen werden")
VANTRELLE_TEXT(HistoryUnreadLinesMany, "{1} Zeilen des Protokolls konnten nicht gelesen werden")
VANTRELLE_TEXT(HistoryNothingFreed, "In den letzten {1} Tagen wurde nichts freigegeben")
VANTRELLE_TEXT(HistoryFreedAndLargestRun, "In den letzten {1} Tagen freigegeben: {2}; der größte Lauf: {3} am {4}")
// The cleaning run: locations, outcomes, the report, the history and the preview
VANTRELLE_TEXT(LocationWindowsTemp, "Windows-Temp")
VANTRELLE_TEXT(LocationRecycleBin, "Papierkorb")
VANTRELLE_TEXT(LocationRecentDocuments, "Zuletzt verwendete Dokumente")
VANTRELLE_TEXT(LocationUserTemp, "Benutzer-Temp (AppData)")
VANTRELLE_TEXT(LocationSystemTemp, "System-Temp")
VANTRELLE_TEXT(LocationOwnFolder, "Eigener Ordner ({1})")
VANTRELLE_TEXT(LocationDownloadsOne, "Downloads, älter als {1} Tag")
VANTRELLE_TEXT(LocationDownloadsMany, "Downloads, älter als {1} Tage")
VANTRELLE_TEXT(OutcomeNothingFound, "nichts gefunden")
VANTRELLE_TEXT(OutcomeFailed, "fehlgeschlagen")
VANTRELLE_TEXT(OutcomeFailedWhy, "fehlgeschlagen: {1}")
VANTRELLE_TEXT(OutcomeSkippedWhileRunning, "übersprungen, {1} läuft")
VANTRELLE_TEXT(OutcomeSkippedStateUnreadable, "übersprungen, der Zustand von {1} war nicht lesbar")
VANTRELLE_TEXT(OutcomeStoppedByClosing, "abgebrochen, das Programm wurde beendet")
VANTRELLE_TEXT(FreedByWindowsCleanup, "{1} von der Windows-Bereinigung freigegeben")
VANTRELLE_TEXT(ToBeFreedByWindowsCleanup, "{1} würden von der Windows-Bereinigung freigegeben")
VANTRELLE_TEXT(LeftInUse, "in Verwendung")
VANTRELLE_TEXT(LeftAccessDenied, "Zugriff verweigert")
VANTRELLE_TEXT(LeftKeptAsRecent, "als neu behalten")
VANTRELLE_TEXT(LeftLink, "eine Verknüpfung, nicht angetastet")
VANTRELLE_TEXT(LeftDeletedRecently, "kürzlich gelöscht")
VANTRELLE_TEXT(LeftNoDateDeleted, "kein lesbares Löschdatum")
VANTRELLE_TEXT(LeftProgramRunning, "sein Programm läuft")
VANTRELLE_TEXT(LeftStateUnreadable, "der Zustand seines Programms war nicht lesbar")
VANTRELLE_TEXT(TriggerNow, "Jetzt")
VANTRELLE_TEXT(TriggerSchedule, "Zeitplan")
VANTRELLE_TEXT(TriggerCommandLine, "Befehlszeile")
VANTRELLE_TEXT(TriggerLowDiskSpace, "Wenig Speicherplatz")
VANTRELLE_TEXT(RefusedOwnFolder,
               "abgelehnt: ein Laufwerksstamm, ein System- oder Profilordner oder ein Ordner, der einen enthält")
VANTRELLE_TEXT(RefusedNotTemp, "abgelehnt: sein Name endet nicht auf \"temp\"")
VANTRELLE_TEXT(NoTempFolderFound, "kein temporärer Ordner gefunden")
VANTRELLE_TEXT(MovedToRecycleBin, "{1} in den Papierkorb verschoben, {2}")
VANTRELLE_TEXT(FreedAndLeft, "{1} freigegeben, {2} übrig")
VANTRELLE_TEXT(LastRun, "Letzter Lauf: {1} {2}: {3} gelöscht, {4}")
VANTRELLE_TEXT(LastRunHistoryNotSaved, "Letzter Lauf: {1} {2}: {3} gelöscht, {4} (Verlauf nicht gespeichert)")
VANTRELLE_TEXT(HistoryRun, "Lauf {1}, gestartet durch: {2}")
VANTRELLE_TEXT(HistoryRunKeepingOne, "Lauf {1}, gestartet durch: {2}, Dateien der letzten {3} Stunde behalten")
VANTRELLE_TEXT(HistoryRunKeepingMany, "Lauf {1}, gestartet durch: {2}, Dateien der letzten {3} Stunden behalten")
VANTRELLE_TEXT(HistoryFigures, "{1} gelöscht, {2} entfernt, {3} freigegeben, {4} übrig")
VANTRELLE_TEXT(HistoryMovedAndLeft, "{1}, {2} übrig")
VANTRELLE_TEXT(HistoryFailedMessageShown, "fehlgeschlagen, die Meldung wurde angezeigt")
VANTRELLE_TEXT(HistoryNoLocationChosen, "kein Ort gewählt")
VANTRELLE_TEXT(HistoryLeft, "Übrig:")
VANTRELLE_TEXT(HistoryMore, "\xE2\x80\xA6 und {1} weitere")
VANTRELLE_TEXT(PreviewStatus, "Vorschau, nichts wird gelöscht: {1}")
VANTRELLE_TEXT(PreviewStopped, "abgebrochen")
VANTRELLE_TEXT(PreviewNotReadable, "nicht gefunden oder nicht lesbar")
VANTRELLE_TEXT(PreviewTotal, "Gesamt: {1}")
VANTRELLE_TEXT(RunProgress, "Dateien werden gelöscht...{1}")
VANTRELLE_TEXT(StatusRecentDocuments, "Zuletzt verwendet")
VANTRELLE_TEXT(StatusUserTemp, "Benutzer-Temp (AppData) - {1}")
VANTRELLE_TEXT(StatusSystemTemp, "System-Temp - {1}")
VANTRELLE_TEXT(StatusSearchingWindowsTemp, "Ordner werden gesucht (Windows-Temp)...")
VANTRELLE_TEXT(StatusSearchingFiles, "Dateien werden gesucht (Windows-Temp)...{1}")
VANTRELLE_TEXT(StatusDeletingFiles, "Dateien werden gelöscht (Windows-Temp)...{1}")
VANTRELLE_TEXT(RunFailedRecycleBin, "Beim Leeren des Papierkorbs ist ein Fehler aufgetreten.")
VANTRELLE_TEXT(RunFailedRecentDocuments, "Beim Leeren der zuletzt verwendeten Dokumente ist ein Fehler aufgetreten.")
VANTRELLE_TEXT(RunFailedUserTemp, "Beim Leeren des Benutzer-Temp-Ordners ist ein Fehler aufgetreten.")
VANTRELLE_TEXT(RunFailedSystemTemp, "Beim Leeren des System-Temp-Ordners ist ein Fehler aufgetreten.")
VANTRELLE_TEXT(RunFailedOwnFolder, "Beim Leeren von {1} ist ein Fehler aufgetreten.")
VANTRELLE_TEXT(RunFailedDownloads, "Beim Leeren der Downloads ist ein Fehler aufgetreten.")
VANTRELLE_TEXT(RunWaitingForTurn, "Warten, bis ein anderer Bereinigungslauf fertig ist...")
VANTRELLE_TEXT(RunNoTurn,
               "Ein anderer Bereinigungslauf war nach 10 Minuten noch nicht fertig: dieser Lauf wurde nicht gestartet.")

// The error report
VANTRELLE_TEXT(ErrorReportTitle, "Anwendungsfehler")
VANTRELLE_TEXT(ErrorReport, "{1}\r\n{2}in Zeile {3}\r\rBitte senden Sie ein Bildschirmfoto dieser Meldung an {4}")
VANTRELLE_TEXT(UnexpectedError, "Unerwarteter Fehler")

// The command line and the policy report
VANTRELLE_TEXT(NothingTicked, "Kein Ort ist angehakt: nichts zu bereinigen.")
VANTRELLE_TEXT(CommandLineNotUnderstood, "Die Befehlszeile wurde nicht verstanden.")
VANTRELLE_TEXT(
    CommandLineUsage,
    "Vantrelle {1}: löscht temporäre Dateien.\n"
    "\n"
    "Aufruf: Vantrelle.exe [/clean | /preview [/list] | /clean /system | /preview /system | /policyreport |\n"
    "                      /community | /?]\n"
    "\n"
    "  (ohne)      öffnet das Fenster\n"
    "  /clean      ein Bereinigungslauf mit den gespeicherten Einstellungen, ohne Fenster\n"
    "  /preview    was /clean löschen würde; löscht nichts\n"
    "  /preview /list  dasselbe, dann eine Zeile je Eintrag, der gelöscht würde oder bliebe:\n"
    "              Ort, Pfad, Größe in Bytes und was geschieht, durch Tabulatoren getrennt\n"
    "  /clean /system, /preview /system\n"
    "              dasselbe für die Auswahl des Computers (Windows' eigene Bereinigungen und\n"
    "              Systemdateien), nur mit Administratorrechten und nur aus dem\n"
    "              installierten Programm\n"
    "  /policyreport  jede Einstellung mit ihrem wirksamen Wert und ihrer Herkunft\n"
    "              (Richtlinie, eigene Wahl, Vorgabe, Standard) und die ignorierten\n"
    "              Richtlinienwerte\n"
    "  /community  die verwendete Bereinigungsliste der Gemeinschaft (winapp2.ini neben dem\n"
    "              Programm, sonst in Vantrelle in den lokalen Anwendungsdaten): was sich nicht\n"
    "              lesen ließ, dann jeder auf diesem Computer gefundene Eintrag und was davon\n"
    "              abgelehnt wird; Exit-Code 2 ohne Liste\n"
    "  /?, /help   dieser Text\n"
    "\n"
    "Schalter dürfen mit - statt / beginnen, in beliebiger Schreibweise.\n"
    "\n"
    "Exit-Codes von /clean:\n"
    "  0  jeder gewählte Ort wurde geleert, und nichts blieb übrig\n"
    "  1  der Lauf ist fertig, aber Einträge blieben übrig (in Verwendung, Zugriff\n"
    "     verweigert, als neu behalten, der Cache eines laufenden Browsers blieb ganz)\n"
    "  2  ein Ort ist fehlgeschlagen, kein Ort ist angehakt, oder ein anderer Lauf ließ\n"
    "     diesen 10 Minuten lang warten\n"
    "  3  die Befehlszeile wurde nicht verstanden\n"
    "  4  /system ohne Administratorrechte\n"
    "  5  /system aus einer Kopie, die nicht das installierte Programm ist (für alle\n"
    "     installiert mit seinem MSI-Paket, in Program Files)\n")
VANTRELLE_TEXT(PolicyReportSettings, "Einstellungen, ihre wirksamen Werte und woher jeder stammt:")
VANTRELLE_TEXT(PolicyReportUnreadable, "(gespeicherter Wert nicht lesbar: {1})")
VANTRELLE_TEXT(PolicyReportMachineChoices, "Die Auswahl des Computers (/clean /system):")
VANTRELLE_TEXT(PolicyReportIgnored, "Ignorierte Richtlinienwerte:")
VANTRELLE_TEXT(PolicyReportNoneIgnored, "keine")
VANTRELLE_TEXT(LayerMachinePolicy, "Computerrichtlinie")
VANTRELLE_TEXT(LayerUserPolicy, "Benutzerrichtlinie")
VANTRELLE_TEXT(LayerOwnChoice, "eigene Wahl")
VANTRELLE_TEXT(LayerMachinePreset, "Computervorgabe")
VANTRELLE_TEXT(LayerUserPreset, "Benutzervorgabe")
VANTRELLE_TEXT(LayerDefault, "Standard")

// The schedule's countdown
VANTRELLE_TEXT(CountdownDays, "{1} Tag(e) und ")

// The tray icon
VANTRELLE_TEXT(TrayTipDefault, "Telnet-Server")

// Sizes below a kilobyte (larger ones show the unit's letters, the same in every language)
VANTRELLE_TEXT(SizeInBytes, "{1} Bytes")

// Why a policy value is ignored (the policy report)
VANTRELLE_TEXT(PolicyWrongType, "falscher Typ: {1} statt {2}")
VANTRELLE_TEXT(PolicyEmpty, "außerhalb des Bereichs: leer")
VANTRELLE_TEXT(PolicyTooLong, "außerhalb des Bereichs: länger als {1}")
VANTRELLE_TEXT(PolicyOutOfRange, "außerhalb des Bereichs: {1} ({2} bis {3})")
VANTRELLE_TEXT(PolicyScheduleNeedsMode, "der Zeitplan braucht ScheduleMode")
VANTRELLE_TEXT(PolicyScheduleNeedsTime,
               "ein wöchentlicher oder täglicher Zeitplan braucht ScheduleHour und ScheduleMinute")
VANTRELLE_TEXT(PolicyScheduleNeedsWeekday, "ein wöchentlicher Zeitplan braucht ScheduleWeekday")
VANTRELLE_TEXT(PolicyEveryTooShort, "ein Zeitplan alle N braucht mindestens eine Minute zwischen den Läufen")
VANTRELLE_TEXT(PolicyEveryTooLong, "ein Zeitplan alle N, länger als der Countdown fassen kann")
VANTRELLE_TEXT(PolicyGroupBroken, "die Gruppe des Zeitplans enthält einen ungültigen Wert")
VANTRELLE_TEXT(PolicyIgnoredWithGroup, "mit seiner Gruppe ignoriert: {1}")
VANTRELLE_TEXT(PolicyNotPersonsCleanup, "keine Windows-Bereinigung, die Benutzer wählen: die des Computers werden unter HKLM\\Software\\Policies\\Marrowick\\Vantrelle\\System festgelegt")
// The main window: names a screen reader reads for boxes without a caption or a label before them
VANTRELLE_TEXT(WeekdayListName, "Wochentag")
VANTRELLE_TEXT(TimePickerName, "Uhrzeit")
VANTRELLE_TEXT(OwnFolderBoxName, "Ihr eigener Ordner")
VANTRELLE_TEXT(BrowseButtonName, "Eigenen Ordner auswählen")
VANTRELLE_TEXT(DownloadsDaysBoxName, "Downloads älter als (Tage)")
// Windows' cleanups and the machine's run
VANTRELLE_TEXT(WindowsCleanupStatus, "Windows-Bereinigung: {1}")
VANTRELLE_TEXT(HandlerStoppedAnswering, "reagiert nicht mehr")
VANTRELLE_TEXT(HandlerAnsweredNonsense, "antwortete Unsinn")
VANTRELLE_TEXT(NeedsAdministrator, "Zum Bereinigen von Systemdateien sind Administratorrechte erforderlich.")
VANTRELLE_TEXT(
    NeedsInstalledCopy,
    "Zum Bereinigen der Systemdateien muss Vantrelle für alle installiert sein: Führen Sie Vantrelle-{1}-x64.msi aus.")
VANTRELLE_TEXT(ConsequencePreviousInstallations,
               "Die frühere Windows-Version kann nicht mehr wiederhergestellt werden.")
VANTRELLE_TEXT(ConsequenceUpdateCleanup,
               "Installierte Updates können nicht mehr entfernt werden. Das kann lange dauern.")
VANTRELLE_TEXT(ConsequenceInstallationFiles, "Zum Zurücksetzen von Windows werden Installationsmedien benötigt.")
VANTRELLE_TEXT(ConsequenceDriverPackages, "Frühere Treiber können nicht mehr wiederhergestellt werden.")
// The main window's captions (the designed ones exactly as designed), messages and access keys
VANTRELLE_TEXT(ScheduleFrameCaption, "Zeitplan")
VANTRELLE_TEXT(WeeklyOptionCaption, " Wöchentlich:")
VANTRELLE_TEXT(DailyOptionCaption, "Täglich:")
VANTRELLE_TEXT(EveryOptionCaption, "Alle:")
VANTRELLE_TEXT(HoursUnitCaption, "Std.")
VANTRELLE_TEXT(MinutesUnitCaption, "Min.")
VANTRELLE_TEXT(DaysUnitCaption, "Tag(e)")
VANTRELLE_TEXT(HelpButtonCaption, "Hilfe")
VANTRELLE_TEXT(StartUpFrameCaption, "Starteinstellungen")
VANTRELLE_TEXT(StartWithWindowsCaption, "Beim Windows-Start laden")
VANTRELLE_TEXT(StartInTrayCaption, "Im Infobereich starten")
VANTRELLE_TEXT(StatusFrameCaption, "Ein. Nächstes Löschen in:")
VANTRELLE_TEXT(LocationsFrameCaption, "Welche temporären Dateien möchten Sie löschen?")
VANTRELLE_TEXT(OwnFolderBoxCaption, "Eigenen Ordner löschen:")
VANTRELLE_TEXT(SystemTempBoxCaption, "System-Temp")
VANTRELLE_TEXT(UserTempBoxCaption, "Benutzer-Temp (AppData)")
VANTRELLE_TEXT(WindowsTempBoxCaption, " Windows-Temp")
VANTRELLE_TEXT(RecycleBinBoxCaption, "Papierkorb")
VANTRELLE_TEXT(RecentDocsBoxCaption, "Zuletzt verwendete Dokumente")
VANTRELLE_TEXT(TurnOnCaption, "Einschalten")
VANTRELLE_TEXT(TurnOffCaption, "Ausschalten")
VANTRELLE_TEXT(DeleteNowCaption, "Temporäre Dateien jetzt löschen (Test)")
VANTRELLE_TEXT(DownloadsBoxCaption, "Downloads älter als")
VANTRELLE_TEXT(DownloadsUnitCaption, "Tage")
VANTRELLE_TEXT(RecycleBinDaysCaption, "nur Gelöschtes älter als")
VANTRELLE_TEXT(RecycleBinDaysUnitCaption, "Tage")
VANTRELLE_TEXT(MoreButtonCaption, "Weitere Orte...")
VANTRELLE_TEXT(KeepRecentCaption, "Dateien behalten, die geändert wurden in den letzten")
VANTRELLE_TEXT(KeepRecentUnitCaption, "Stunden")
VANTRELLE_TEXT(LowSpaceCaption, "Auch bereinigen, wenn der freie Platz auf {1} unter diesen Wert fällt")
VANTRELLE_TEXT(LowSpaceUnitCaption, "GB")
VANTRELLE_TEXT(PreviewButtonCaption, "Vorschau")
VANTRELLE_TEXT(HistoryButtonCaption, "Verlauf")
VANTRELLE_TEXT(LastRunNever, "Letzter Lauf: noch keiner")
VANTRELLE_TEXT(ManagedLineCaption, "Einige Einstellungen werden von Ihrer Organisation verwaltet.")
VANTRELLE_TEXT(ManagedTip, "Diese Einstellung wird von Ihrer Organisation verwaltet.")
VANTRELLE_TEXT(StatusOff, "Aus.")
VANTRELLE_TEXT(StatusOnNotCounting, "Ein. Nächstes Löschen in: xx:xx:xx")
VANTRELLE_TEXT(StatusCounting, "Ein. Nächstes Löschen in: ")
VANTRELLE_TEXT(WindowsTempBoxWithFolder, "Windows-Temp - {1}")
VANTRELLE_TEXT(UserTempBoxWithDash, "Benutzer-Temp (AppData) - ")
VANTRELLE_TEXT(SystemTempBoxWithFolder, "System-Temp - {1}")
VANTRELLE_TEXT(MustBeNumeric, "Bitte geben Sie eine Zahl ein.")
VANTRELLE_TEXT(YourTemporaryFolder, "{1} ist Ihr temporärer Ordner.")
VANTRELLE_TEXT(BrowseTitle, "Bitte wählen Sie einen Ordner:")
VANTRELLE_TEXT(MinimizedToTray,
               "wurde in den Infobereich minimiert.\r\nKlicken Sie auf das blaue „M“-Symbol (M für Marrowick), um "
               "das Programm zurückzuholen.")
VANTRELLE_TEXT(Sunday, "Sonntag")
VANTRELLE_TEXT(Monday, "Montag")
VANTRELLE_TEXT(Tuesday, "Dienstag")
VANTRELLE_TEXT(Wednesday, "Mittwoch")
VANTRELLE_TEXT(Thursday, "Donnerstag")
VANTRELLE_TEXT(Friday, "Freitag")
VANTRELLE_TEXT(Saturday, "Samstag")
// The letter that, with Alt, reaches an added control; it must occur in the control's caption
VANTRELLE_TEXT(DownloadsBoxKey, "D")
VANTRELLE_TEXT(RecycleBinDaysKey, "n")
VANTRELLE_TEXT(MoreButtonKey, "W")
VANTRELLE_TEXT(KeepRecentKey, "b")
VANTRELLE_TEXT(LowSpaceKey, "A")
VANTRELLE_TEXT(PreviewButtonKey, "V")
VANTRELLE_TEXT(HistoryButtonKey, "e")
// What a failing statement was, in the error report
VANTRELLE_TEXT(ErrorOverflow, "Überlauf")
VANTRELLE_TEXT(ErrorTypeMismatch, "Typen unverträglich")
VANTRELLE_TEXT(ErrorInvalidPropertyValue, "Ungültiger Eigenschaftswert")
VANTRELLE_TEXT(ErrorInvalidPicture, "Ungültiges Bild")
VANTRELLE_TEXT(ErrorSubscriptOutOfRange, "Index außerhalb des gültigen Bereichs")
VANTRELLE_TEXT(ErrorObjectNotSet, "Objektvariable oder With-Blockvariable nicht festgelegt")
VANTRELLE_TEXT(ErrorInvalidProcedureCall, "Ungültiger Prozeduraufruf oder ungültiges Argument")
VANTRELLE_TEXT(ErrorFileNotFound, "Datei nicht gefunden")
// The preview window
VANTRELLE_TEXT(PreviewWindowTitle, "Vorschau")
VANTRELLE_TEXT(PreviewWindowStarting, "Dateien werden gesucht...")
VANTRELLE_TEXT(PreviewWindowLookingAt, "Durchsucht wird {1}: {2}, {3}")
VANTRELLE_TEXT(PreviewWindowDone, "Fertig. Nichts wurde gelöscht oder geändert.")
VANTRELLE_TEXT(PreviewWindowStopped, "Angehalten. Die Liste zeigt, was bis dahin gefunden wurde.")
VANTRELLE_TEXT(PreviewWindowFilter, "&Ort:")
VANTRELLE_TEXT(PreviewWindowAllLocations, "Alle Orte")
VANTRELLE_TEXT(PreviewWindowListName, "Was ein Lauf löschen und belassen würde")
VANTRELLE_TEXT(PreviewWindowStop, "&Anhalten")
VANTRELLE_TEXT(PreviewWindowSave, "&Liste speichern...")
VANTRELLE_TEXT(PreviewWindowClose, "Schließen")
VANTRELLE_TEXT(PreviewWindowCsvFiles, "CSV-Dateien (*.csv)")
VANTRELLE_TEXT(PreviewWindowNotSaved, "Die Liste konnte nicht gespeichert werden: {1}")
// The history window
VANTRELLE_TEXT(HistoryWindowTitle, "Verlauf")
VANTRELLE_TEXT(HistoryWindowScheduled, "Geplant")
VANTRELLE_TEXT(HistoryWindowLowSpace, "Wenig Speicherplatz")
VANTRELLE_TEXT(HistoryWindowManual, "Von Ihnen gestartet")
VANTRELLE_TEXT(HistoryColumnStarted, "Datum und Uhrzeit")
VANTRELLE_TEXT(HistoryColumnTrigger, "Auslöser")
VANTRELLE_TEXT(HistoryColumnFilesDeleted, "Gelöschte Dateien")
VANTRELLE_TEXT(HistoryColumnSpaceFreed, "Freigegebener Platz")
VANTRELLE_TEXT(HistoryColumnEntriesLeft, "Belassene Einträge")
VANTRELLE_TEXT(HistoryColumnFailures, "Fehler")
VANTRELLE_TEXT(HistoryWindowRunsName, "Läufe, neueste zuerst")
VANTRELLE_TEXT(HistoryWindowOpenLog, "Protokoll ö&ffnen")
VANTRELLE_TEXT(HistoryWindowClose, "Schließen")
VANTRELLE_TEXT(HistoryWindowNoLog, "Es wurde noch kein Lauf aufgezeichnet.")
VANTRELLE_TEXT(HistoryWindowLogNotOpened, "Der Verlauf konnte nicht geöffnet werden: {1}")

// The further locations and the machine's own piles: each row's name and what it holds
VANTRELLE_TEXT(CatalogueChromeCache, "Chrome-Cache")
VANTRELLE_TEXT(CatalogueEdgeCache, "Edge-Cache")
VANTRELLE_TEXT(CatalogueBraveCache, "Brave-Cache")
VANTRELLE_TEXT(CatalogueVivaldiCache, "Vivaldi-Cache")
VANTRELLE_TEXT(CatalogueFirefoxCache, "Firefox-Cache")
VANTRELLE_TEXT(CatalogueInternetCache, "Internet-Cache")
VANTRELLE_TEXT(CatalogueInternetCacheDescription, "Seiten und Dateien, die die Webkomponenten von Windows gespeichert haben")
VANTRELLE_TEXT(CatalogueThumbnails, "Miniaturansichten")
VANTRELLE_TEXT(CatalogueThumbnailsDescription, "Kleine Bilder von Dateien, die der Explorer bei Bedarf neu erstellt")
VANTRELLE_TEXT(CatalogueErrorReports, "Fehlerberichte")
VANTRELLE_TEXT(CatalogueErrorReportsDescription, "Berichte über abgebrochene Programme, gesendet oder noch zu senden")
VANTRELLE_TEXT(CatalogueCrashDumps, "Absturzabbilder")
VANTRELLE_TEXT(CatalogueCrashDumpsDescription, "Speicherabbilder abgestürzter Programme (*.dmp)")
VANTRELLE_TEXT(CatalogueShaderCache, "DirectX-Shadercache")
VANTRELLE_TEXT(CatalogueShaderCacheDescription, "Kompilierte Grafik-Shader, die bei Bedarf neu erstellt werden")
VANTRELLE_TEXT(CatalogueSystemErrorReports, "Systemfehlerberichte")
VANTRELLE_TEXT(CatalogueSystemErrorReportsDescription,
               "Berichte über abgebrochene Teile von Windows und seine Dienste, gesendet oder noch zu senden")
VANTRELLE_TEXT(CatalogueMemoryDumps, "Systemspeicherabbilder")
VANTRELLE_TEXT(CatalogueMemoryDumpsDescription, "Speicherabbilder, die Windows bei einem Absturz geschrieben hat (*.dmp)")
VANTRELLE_TEXT(CatalogueUpdateDownloads, "Windows Update-Downloads")
VANTRELLE_TEXT(CatalogueUpdateDownloadsDescription,
               "Zur Installation heruntergeladene Updates, die bei Bedarf erneut geladen werden")
VANTRELLE_TEXT(CatalogueBrowserCacheDescription,
               "Zwischengespeicherte Seiten, Skripte und Bilder; Verlauf, Kennwörter, Cookies und offene Tabs bleiben")

// The "More locations..." dialog and the "System files" window
VANTRELLE_TEXT(MoreTitle, "Weitere Orte")
VANTRELLE_TEXT(MoreNote,
               "Jeder Ort wird nach denen des Fensters mit derselben Sorgfalt bereinigt. Der Cache eines Browsers "
               "bleibt unberührt, solange der Browser läuft.")
VANTRELLE_TEXT(MoreWindowsCleanupNote,
               "Wo vorhanden, entscheidet die Bereinigung von Windows, was gelöscht wird: die behaltenen Stunden "
               "gelten dann nicht.")
VANTRELLE_TEXT(MoreClose, "Schließen")
VANTRELLE_TEXT(MoreChosenLine, "Weitere Orte: {1} ausgewählt")
VANTRELLE_TEXT(MoreManaged, "Diese Einstellung wird von Ihrer Organisation verwaltet.")
VANTRELLE_TEXT(MoreNotSaved, "Die Auswahl konnte nicht gespeichert werden: {1}")
VANTRELLE_TEXT(MoreNotLookedAt, "noch nicht angesehen")
VANTRELLE_TEXT(MoreFound, "{1} gefunden")
VANTRELLE_TEXT(MoreColumnLocation, "Ort")
VANTRELLE_TEXT(MoreColumnFound, "Gefunden")
VANTRELLE_TEXT(MoreWindowsGroup, "Windows-Bereinigung")
VANTRELLE_TEXT(MoreSystemGroup, "Systemdateien")
VANTRELLE_TEXT(MoreMeasuring, "wird gemessen\xE2\x80\xA6")
VANTRELLE_TEXT(MoreConfirmTitle, "Windows-Bereinigung: {1}")
VANTRELLE_TEXT(MoreConfirm, "{1}\n\nTrotzdem auswählen?")
VANTRELLE_TEXT(MoreMachineChosen, "für diesen Computer ausgewählt")
VANTRELLE_TEXT(MoreMachineNotChosen, "nicht ausgewählt")
VANTRELLE_TEXT(MoreCleanSystemFiles, "Systemdateien bereinigen...")
VANTRELLE_TEXT(SystemFilesTitle, "Systemdateien")
VANTRELLE_TEXT(SystemFilesNote, "Was hier angekreuzt ist, wird für alle Personen auf diesem Computer bereinigt.")
VANTRELLE_TEXT(SystemFilesCleanNow, "Jetzt bereinigen")
VANTRELLE_TEXT(SystemFilesNotStarted, "Das Fenster „Systemdateien“ konnte nicht geöffnet werden: {1}")
VANTRELLE_TEXT(SystemFilesLocked, "{1}; durch Richtlinie festgelegt")
VANTRELLE_TEXT(SystemFilesColumnFile, "Systemdateien")

// Die Bereinigungsliste der Gemeinschaft
VANTRELLE_TEXT(CommunityTooBroad, "zu weit gefasst")
VANTRELLE_TEXT(CommunityPersonsOwnFiles, "die eigenen Dateien der Person")
VANTRELLE_TEXT(CommunityOutsideProfile, "außerhalb Ihres Profils: braucht die Rechte des Computers")
VANTRELLE_TEXT(CommunityCouldReachAnyFolder, "könnte jeden Ordner erreichen")
VANTRELLE_TEXT(CommunityUnsafeForm, "unsichere Form")
VANTRELLE_TEXT(CommunityNoPipe, "nicht verstanden: kein „|“")
VANTRELLE_TEXT(CommunityUnknownFlag, "nicht verstanden: ein unbekanntes Kennzeichen")
VANTRELLE_TEXT(CommunityUnknownVariable, "nicht verstanden: eine unbekannte Variable")
VANTRELLE_TEXT(CommunityNoPattern, "nicht verstanden: kein Dateimuster")
VANTRELLE_TEXT(CommunityUnknownKey, "nicht verstanden: ein unbekannter Schlüssel")
VANTRELLE_TEXT(CommunityUnknownValue, "nicht verstanden: ein unbekannter Wert")
VANTRELLE_TEXT(CommunitySecondKey, "übergangen: ein zweiter Schlüssel gleichen Namens")
VANTRELLE_TEXT(CommunityExclusionNotUnderstood, "nicht verwendet: ein Ausschluss dieses Eintrags ist unverständlich")
VANTRELLE_TEXT(CommunityLineTooLong, "die Zeile ist zu lang")
VANTRELLE_TEXT(CommunityNotUtf8, "die Zeile ist kein UTF-8-Text")
VANTRELLE_TEXT(CommunityOutsideEntry, "die Zeile gehört zu keinem Eintrag")
VANTRELLE_TEXT(CommunityNotALine, "weder Eintrag noch Schlüssel noch Kommentar")
VANTRELLE_TEXT(CommunityNoUsableFileRule, "nicht angeboten: keine verwendbare Dateiregel")
VANTRELLE_TEXT(CommunitySecondEntry, "übergangen: ein zweiter Eintrag gleichen Namens")
VANTRELLE_TEXT(CommunityCategoryApplications, "Anwendungen")
VANTRELLE_TEXT(CommunityCategoryInternet, "Internet")
VANTRELLE_TEXT(CommunityCategoryMultimedia, "Multimedia")
VANTRELLE_TEXT(CommunityCategoryUtilities, "Dienstprogramme")
VANTRELLE_TEXT(CommunityCategoryWindows, "Windows")
VANTRELLE_TEXT(CommunityCategoryOther, "Sonstige")
VANTRELLE_TEXT(CommunityOffered, "angeboten")
VANTRELLE_TEXT(CommunityPartlyRefused, "teilweise abgelehnt")
VANTRELLE_TEXT(CommunityRegistryNotCleaned, "Registrierungsteile werden nicht bereinigt")
VANTRELLE_TEXT(CommunityNotDetected, "übersprungen, auf diesem Computer nicht gefunden")
VANTRELLE_TEXT(CommunityReportList, "Bereinigungsliste der Gemeinschaft: {1}, Version {2}")
VANTRELLE_TEXT(CommunityReportListNoVersion, "Bereinigungsliste der Gemeinschaft: {1}, ohne Version")
VANTRELLE_TEXT(CommunityReportCounts, "Gelesene Einträge: {1}; angeboten: {2}")
VANTRELLE_TEXT(CommunityReportProblems, "Einträge und Zeilen mit einem Problem:")
VANTRELLE_TEXT(CommunityReportLine, "  Zeile {1}: {2}: {3}")
VANTRELLE_TEXT(CommunityReportKey, "  Zeile {1}: {2}: {3}={4}: {5}")
VANTRELLE_TEXT(CommunityReportNone, "  keine")
VANTRELLE_TEXT(CommunityReportFound, "Auf diesem Computer gefunden:")
VANTRELLE_TEXT(CommunityReportEntry, "  {1} ({2}): {3}")
VANTRELLE_TEXT(CommunityReportRefusedKey, "    {1}={2}: {3}")
VANTRELLE_TEXT(CommunityNoList, "Keine Bereinigungsliste der Gemeinschaft gefunden: legen Sie winapp2.ini neben das Programm ({1}) oder in {2}.")
VANTRELLE_TEXT(CommunityListUnreadable, "Die Bereinigungsliste der Gemeinschaft konnte nicht gelesen werden: {1}")

// The community's list fetched from its address
VANTRELLE_TEXT(CommunityDownloadFailed, "Die Liste konnte nicht heruntergeladen werden: {1}. Die bisherige bleibt.")
VANTRELLE_TEXT(CommunityDownloadNotAList, "die Datei ist keine Bereinigungsliste der Gemeinschaft")
VANTRELLE_TEXT(CommunityDownloadNoEntries, "die Liste enthält keinen Eintrag, der verwendet werden kann")
VANTRELLE_TEXT(CommunityDownloadNoFolder, "es gibt keinen Ordner für lokale Anwendungsdaten, in dem sie liegen könnte")
VANTRELLE_TEXT(CommunityDownloadNotSaved, "sie konnte nicht als {1} gespeichert werden")
VANTRELLE_TEXT(CommunityDownloadUnavailable, "Herunterladen ist hier nicht möglich")
VANTRELLE_TEXT(CommunityChosenGoneOne, "{1} gewählter Eintrag ist nicht mehr in der Liste: {2}.")
VANTRELLE_TEXT(CommunityChosenGoneMany, "{1} gewählte Einträge sind nicht mehr in der Liste: {2}.")
VANTRELLE_TEXT(CommunityListUpdated, "Bereinigungsliste der Gemeinschaft auf Version {1} aktualisiert.")
VANTRELLE_TEXT(DownloadServerAnswered, "der Server antwortete {1}")
VANTRELLE_TEXT(DownloadTooLarge, "die Datei ist größer als {1}")
VANTRELLE_TEXT(DownloadIncomplete, "die Verbindung endete, bevor die ganze Datei ankam")
VANTRELLE_TEXT(DownloadNotHttp, "die Adresse ist keine http- oder https-Adresse")
VANTRELLE_TEXT(DownloadErrorNumber, "Fehler {1}")
VANTRELLE_TEXT(CommunityListUpdatedNoVersion, "Bereinigungsliste der Gemeinschaft aktualisiert.")
