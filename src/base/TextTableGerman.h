// Die Texte des Programms auf Deutsch: VANTRELLE_TEXT(Name, "Text"), mit denselben Namen und
// Platzhaltern wie TextTableEnglish.h. Was hier fehlt, erscheint auf Englisch.
// No include guard: Texts.cpp reads it with its own VANTRELLE_TEXT.

// Counts
VANTRELLE_TEXT(FileCountOne, "{1} Datei")
VANTRELLE_TEXT(FileCountMany, "{1} Dateien")
VANTRELLE_TEXT(FolderCountOne, "{1} Ordner")
VANTRELLE_TEXT(FolderCountMany, "{1} Ordner")

// The main window: names a screen reader reads for boxes without a caption or a label before them
VANTRELLE_TEXT(WeekdayListName, "Wochentag")
VANTRELLE_TEXT(TimePickerName, "Uhrzeit")
VANTRELLE_TEXT(OwnFolderBoxName, "Ihr eigener Ordner")
VANTRELLE_TEXT(BrowseButtonName, "Eigenen Ordner auswählen")
VANTRELLE_TEXT(DownloadsDaysBoxName, "Downloads älter als (Tage)")
