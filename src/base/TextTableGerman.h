// Die Texte des Programms auf Deutsch: VANTRELLE_TEXT(Name, "Text"), mit denselben Namen und
// Platzhaltern wie TextTableEnglish.h. Was hier fehlt, erscheint auf Englisch.
// No include guard: Texts.cpp reads it with its own VANTRELLE_TEXT.

// Counts
VANTRELLE_TEXT(FileCountOne, "{1} Datei")
VANTRELLE_TEXT(FileCountMany, "{1} Dateien")
VANTRELLE_TEXT(FolderCountOne, "{1} Ordner")
VANTRELLE_TEXT(FolderCountMany, "{1} Ordner")
