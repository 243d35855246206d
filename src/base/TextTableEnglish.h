// The program's texts in English, the reference: VANTRELLE_TEXT(name, "text"), one per line. Every
// other language's table has a line for each name here (tests/logic/TextsTest.cpp checks it).
// Placeholders are "{1}", "{2}", ...; a count takes two lines, ...One and ...Many.
// No include guard: base/Texts.h and Texts.cpp read it with their own VANTRELLE_TEXT.

// Counts
VANTRELLE_TEXT(FileCountOne, "{1} file")
VANTRELLE_TEXT(FileCountMany, "{1} files")
VANTRELLE_TEXT(FolderCountOne, "{1} folder")
VANTRELLE_TEXT(FolderCountMany, "{1} folders")

// Windows' cleanups and the machine's run
VANTRELLE_TEXT(WindowsCleanupStatus, "Windows cleanup: {1}")
VANTRELLE_TEXT(HandlerStoppedAnswering, "stopped answering")
VANTRELLE_TEXT(NeedsAdministrator, "Cleaning system files needs administrator rights.")
VANTRELLE_TEXT(ConsequencePreviousInstallations, "The earlier version of Windows can no longer be restored.")
VANTRELLE_TEXT(ConsequenceUpdateCleanup, "Installed updates can no longer be removed. This can take a long time.")
VANTRELLE_TEXT(ConsequenceInstallationFiles, "Resetting Windows will need installation media.")
VANTRELLE_TEXT(ConsequenceDriverPackages, "Earlier drivers can no longer be restored.")
