// Every entry of the community's list looked for on a profile where none is installed (the Wine
// sandbox's): the list named as the argument (the current winapp2.ini, by its Windows path), else a
// made-up one of the same shape. Against the least any detection asks of the system: one open of each
// Detect key in the person's hive and one attribute query per DetectFile path up to its first pattern,
// side by side in turns. Not a test: prints the figures and their ratio (target: at most 0.5 s), and
// fails when no entry was read.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "../logic/CommunityListShape.h"
#include "DeletionTree.h"
#include "WindowlessPlatform.h"
#include "community/Detection.h"
#include "community/Forms.h"
#include "community/List.h"
#include "community/Places.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32MachineState.h"
#include "platform/win32/Win32Registry.h"

namespace {

using namespace vantrelle;

constexpr int kRounds = 3;

// The bare calls: what any detection of these keys costs at least.
std::size_t BareLookups(const community::List& list, const community::Places& places) {
  std::size_t found = 0;
  for (const community::Entry& entry : list.Entries()) {
    for (const community::RegistryDetect& detect : list.RegistryDetects(entry)) {
      HKEY key = nullptr;
      if (RegOpenKeyExW(HKEY_CURRENT_USER, win32::Widen(std::string(detect.subKey)).c_str(), 0, KEY_QUERY_VALUE,
                        &key) == ERROR_SUCCESS) {
        ++found;
        RegCloseKey(key);
      }
    }
    for (const community::FolderForm& form : list.FileDetects(entry)) {
      for (community::PlacedFolder placed : community::Place(places, form)) {
        std::string path = placed.base;
        for (const std::string& part : placed.parts) {
          if (community::HasWildcard(part)) break;
          path += "\\" + part;
        }
        if (GetFileAttributesW(win32::Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES) ++found;
      }
    }
  }
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  bench::WindowlessPlatform services;
  win32::Win32Registry registry;
  win32::Win32MachineState machine;
  platform::Platform platform = services.platform;
  platform.registry = &registry;
  platform.machine = &machine;
  const std::string text = argc > 1 ? bench::FileText(argv[1]) : bench::GeneratedCommunityList();
  const community::List list = community::ReadList(text);
  if (list.Entries().empty()) {
    std::fprintf(stderr, "no entry was read from %s\n", argc > 1 ? argv[1] : "the made-up list");
    return 1;
  }
  double seconds[2] = {}, slowest = 0;
  std::size_t detected = 0, bare = 0;
  bench::InEveryPosition(2, [&](int contender) {
    for (int round = 0; round < kRounds; ++round) {
      const double taken = bench::Seconds([&] {
        // Everything a detection of the whole list does, the known folders asked too.
        const community::Places places = community::FindPlaces(platform);
        if (contender == 1) {
          bare = BareLookups(list, places);
          return;
        }
        community::Detector detector(platform, places);
        detected = 0;
        for (const community::Entry& entry : list.Entries()) detected += detector.Detected(list, entry) ? 1 : 0;
      });
      seconds[contender] += taken;
      if (contender == 0) slowest = std::max(slowest, taken);
    }
  });
  const double each = seconds[0] / (2 * kRounds), baseline = seconds[1] / (2 * kRounds);
  std::printf("%s: %zu entries, %zu found here (%zu by the bare calls); %d detections each, in turns\n",
              argc > 1 ? argv[1] : "a made-up list", list.Entries().size(), detected, bare, 2 * kRounds);
  std::printf("  every entry looked for               %8.3f s (slowest %.3f s; target <= 0.5 s)\n", each, slowest);
  std::printf("  the bare calls                       %8.3f s\n", baseline);
  std::printf("  detection / bare calls = %.2fx\n", each / baseline);
  return 0;
}
