#pragma once
// A community list of the same shape as the current winapp2.ini (4,067 entries, 14,118 file rules of
// which 6,411 without a flag, 5,522 REMOVESELF and 2,184 RECURSE, about 40 % with a wildcard in the
// folder; 3,677 registry rules, 3,319 DetectFile, 1,444 Detect, 86 exclusions; one entry of about
// 43,500 characters; about 1.8 MB), made up, for the benchmarks when no file is named; and the file
// named on the command line otherwise.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace vantrelle::bench {

inline std::string GeneratedCommunityList() {
  constexpr int kEntries = 4067, kFileRules = 14118, kLargeEntryRules = 560;
  constexpr const char* kVariables[] = {"%LocalAppData%", "%LocalAppData%", "%AppData%",      "%LocalAppData%",
                                        "%AppData%",      "%ProgramFiles%", "%LocalAppData%", "%ProgramData%",
                                        "%UserProfile%",  "%LocalAppData%", "%WinDir%",       "%AppData%"};
  constexpr const char* kFlags[] = {"", "|REMOVESELF", "", "|RECURSE", "|REMOVESELF", "", "|REMOVESELF"};
  std::uint32_t seed = 20260730;
  const auto next = [&] { return seed = seed * 1664525u + 1013904223u, seed >> 8; };
  std::string text = "; Version: 000001\n;\n; Made up for the benchmarks.\n\n";
  int rulesLeft = kFileRules, detects = 0, fileDetects = 0, registry = 0, exclusions = 0;
  for (int i = 0; i < kEntries; ++i) {
    const std::string vendor = "Vendor" + std::to_string(i % 997), product = "Product " + std::to_string(i);
    text += "[" + vendor + " " + product + " *]\n";
    text += i % 9 < 5 ? "LangSecRef=302" + std::to_string(1 + i % 5) + "\n" : "Section=Games\n";
    if (i * 1444 / kEntries != (i + 1) * 1444 / kEntries && detects++ < 1444) {
      text += "Detect=HKCU\\Software\\" + vendor + "\\" + product + "\n";
    }
    if (i * 3319 / kEntries != (i + 1) * 3319 / kEntries && fileDetects++ < 3319) {
      text += std::string("DetectFile=") + (i % 4 == 0 ? "%ProgramFiles%" : "%LocalAppData%") + "\\" + vendor + "\\" +
              product + (i % 5 == 0 ? "*" : "") + "\n";
    }
    if (i == 1000) text += "Warning=Deletes the saved sessions.\n";
    const int rules = i == 0 ? kLargeEntryRules : std::min(rulesLeft, 1 + static_cast<int>(next() % 5));
    for (int r = 1; r <= rules && rulesLeft > 0; ++r, --rulesLeft) {
      const char* variable = kVariables[next() % std::size(kVariables)];
      const bool wildcard = next() % 5 < 2;
      text += "FileKey" + std::to_string(r) + "=" + variable + "\\" + vendor + "\\" + product +
              (wildcard ? "\\*\\Cache Folder " : "\\Logs Folder ") + std::to_string(r) + "|*.log;*.tmp;crash-*.dmp" +
              kFlags[next() % std::size(kFlags)] + "\n";
    }
    for (int r = 1; r <= 1 + i % 2 && registry < 3677; ++r, ++registry) {
      text += "RegKey" + std::to_string(r) + "=HKCU\\Software\\" + vendor + "\\" + product + "\\Recent\n";
    }
    if (i % 47 == 0 && exclusions++ < 86) {
      text += "ExcludeKey1=" + std::string(i % 3 == 0 ? "PATH" : "FILE") + "|%LocalAppData%\\" + vendor + "\\" +
              product + "\\|keep.db\n";
    }
    text += "\n";
  }
  return text;
}

// The named file's bytes; "" when it cannot be read.
inline std::string FileText(const char* path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace vantrelle::bench
