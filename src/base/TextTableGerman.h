// Die Texte des Programms auf Deutsch: VANTRELLE_TEXT(Name, "Text"), mit denselben Namen und
// Platzhaltern wie TextTableEnglish.h. Was hier fehlt, erscheint auf Englisch.
// No include guard: Texts.cpp reads it with its own VANTRELLE_TEXT.

// Counts
VANTRELLE_TEXT(FileCountOne, "{1} Datei")
VANTRELLE_TEXT(FileCountMany, "{1} Dateien")
VANTRELLE_TEXT(FolderCountOne, "{1} Ordner")
VANTRELLE_TEXT(FolderCountMany, "{1} Ordner")

// Windows' cleanups and the machine's run
VANTRELLE_TEXT(WindowsCleanupStatus, "Windows-Bereinigung: {1}")
VANTRELLE_TEXT(HandlerStoppedAnswering, "reagiert nicht mehr")
VANTRELLE_TEXT(NeedsAdministrator, "Zum Bereinigen von Systemdateien sind Administratorrechte erforderlich.")
VANTRELLE_TEXT(ConsequencePreviousInstallations, "Die frühere Windows-Version kann nicht mehr wiederhergestellt werden.")
VANTRELLE_TEXT(ConsequenceUpdateCleanup, "Installierte Updates können nicht mehr entfernt werden. Das kann lange dauern.")
VANTRELLE_TEXT(ConsequenceInstallationFiles, "Zum Zurücksetzen von Windows werden Installationsmedien benötigt.")
VANTRELLE_TEXT(ConsequenceDriverPackages, "Frühere Treiber können nicht mehr wiederhergestellt werden.")
