#pragma once
// A community list as the person's copy and a profile where some of its entries are found, in the
// sandbox for as long as the object lives: the folder each chosen entry's DetectFile names in the
// local application data (no registry key: detection by key is not what this profile is for), and a
// few files in the cleaned folders of every third of them, so that measuring has something to find.
// Whatever copy of the list was there comes back; only the folders made here go.
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "community/Forms.h"
#include "community/List.h"
#include "platform/win32/Unicode.h"

namespace vantrelle::bench {

class PlantedCommunity {
 public:
  static constexpr std::size_t kFilesAPattern = 3;
  static constexpr std::size_t kFileBytes = 64 * 1024;

  // `text` becomes the list at `listPath`; of its offered entries with a DetectFile in
  // `localAppData` naming a plain folder, `wanted` spread over the list are made to be found.
  PlantedCommunity(const std::string& listPath, const std::string& text, const std::string& localAppData,
                   std::size_t wanted)
      : listPath_(win32::Widen(listPath)) {
    namespace fs = std::filesystem;
    if (fs::exists(listPath_)) {
      std::ifstream file(listPath_, std::ios::binary);
      before_.emplace(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    MakeFolders(listPath_.parent_path());
    std::ofstream(listPath_, std::ios::binary | std::ios::trunc) << text;

    const community::List list = community::ReadList(text);
    std::vector<const community::Entry*> candidates;
    std::vector<std::string_view> detects;
    for (const community::Entry& entry : list.Entries()) {
      if (!entry.Offered()) continue;
      for (const community::FolderForm& form : list.FileDetects(entry)) {
        if (!Plain(form)) continue;
        candidates.push_back(&entry);
        detects.push_back(form.below);
        break;
      }
    }
    const std::size_t count = std::min(wanted, candidates.size());
    for (std::size_t k = 0; k < count; ++k) {
      const std::size_t chosen = k * candidates.size() / count;
      MakeFolders(Below(localAppData, detects[chosen]));
      ++entries;
      if (k % 3 != 0) continue;
      for (const community::FileRule& rule : list.FileRules(*candidates[chosen])) {
        if (!Plain(rule.folder)) continue;
        const fs::path folder = Below(localAppData, rule.folder.below);
        MakeFolders(folder);
        const std::string_view pattern = community::PatternsOf(rule.patterns).front();
        for (std::size_t n = 1; n <= (community::HasWildcard(pattern) ? kFilesAPattern : 1); ++n) {
          std::ofstream(folder / win32::Widen(NameFor(pattern, n)), std::ios::binary) << std::string(kFileBytes, 'x');
          ++files;
        }
      }
    }
  }

  ~PlantedCommunity() {
    std::error_code ignored;
    for (auto made = made_.rbegin(); made != made_.rend(); ++made) std::filesystem::remove_all(*made, ignored);
    if (before_) {
      std::ofstream(listPath_, std::ios::binary | std::ios::trunc) << *before_;
    } else {
      std::filesystem::remove(listPath_, ignored);
    }
  }
  PlantedCommunity(const PlantedCommunity&) = delete;
  PlantedCommunity& operator=(const PlantedCommunity&) = delete;

  std::size_t entries = 0;  // made to be found
  std::size_t files = 0;    // made in their cleaned folders

 private:
  // A folder of the local application data without a pattern or a variable in it.
  static bool Plain(const community::FolderForm& form) {
    return form.start == community::Variable::LocalAppData && !form.below.empty() &&
           !community::HasWildcard(form.below) && form.below.find('%') == std::string_view::npos;
  }
  static std::filesystem::path Below(const std::string& base, std::string_view below) {
    return win32::Widen(base + "\\" + std::string(below));
  }
  // The n-th name of the pattern: "*" stands for "bench<n>", "?" for "x".
  static std::string NameFor(std::string_view pattern, std::size_t n) {
    std::string name;
    for (const char c : pattern) name += c == '*' ? "bench" + std::to_string(n) : c == '?' ? "x" : std::string(1, c);
    return name;
  }
  // Makes each missing level of `folder`; the highest one made goes again at the end.
  void MakeFolders(const std::filesystem::path& folder) {
    std::filesystem::path highest;
    for (std::filesystem::path level = folder; !level.empty() && !std::filesystem::exists(level);
         level = level.parent_path()) {
      highest = level;
      if (level == level.parent_path()) break;
    }
    if (highest.empty()) return;
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    made_.push_back(highest);
  }

  std::filesystem::path listPath_;
  std::optional<std::string> before_;
  std::vector<std::filesystem::path> made_;  // the highest folder of each tree made, in order
};

}  // namespace vantrelle::bench
