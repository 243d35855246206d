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
