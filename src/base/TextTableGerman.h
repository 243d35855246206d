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
