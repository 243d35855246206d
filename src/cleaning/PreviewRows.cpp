#include "cleaning/PreviewRows.h"

#include <limits>

#include "base/RuntimeError.h"

namespace vantrelle::cleaning {

namespace {

constexpr char kProgramSeparator = '\t';

}  // namespace

Fate FateOf(LeftReason reason) {
  switch (reason) {
    case LeftReason::InUse: return Fate::InUse;
    case LeftReason::AccessDenied: return Fate::AccessDenied;
    case LeftReason::KeptAsRecent: return Fate::KeptAsRecent;
    case LeftReason::Link: return Fate::Link;
    case LeftReason::DeletedRecently: return Fate::DeletedRecently;
    case LeftReason::NoDateDeleted: return Fate::NoDateDeleted;
    case LeftReason::ProgramRunning: return Fate::ProgramRunning;
    case LeftReason::StateUnreadable: return Fate::StateUnreadable;
  }
  return Fate::AccessDenied;
}

bool Goes(Fate fate) {
  return fate == Fate::Deleted || fate == Fate::MovedToRecycleBin || fate == Fate::ByWindowsCleanup;
}

std::uint32_t PreviewRowTable::Intern(std::deque<std::string>& pool,
                                      std::unordered_map<std::string_view, std::uint32_t>& index,
                                      std::string_view text) {
  if (const auto found = index.find(text); found != index.end()) return found->second;
  const auto id = static_cast<std::uint32_t>(pool.size());
  index.emplace(pool.emplace_back(text), id);  // a deque's strings stay where they are
  return id;
}

void PreviewRowTable::Add(const PreviewRow& row) {
  if (names_.size() + row.name.size() > std::numeric_limits<std::uint32_t>::max()) throw Overflow();
  std::uint32_t folder = lastFolder_;
  if (folder == UINT32_MAX || folders_[folder] != row.folder)
    folder = lastFolder_ = Intern(folders_, folderIndex_, row.folder);
  // Most rows name no program: their location is looked up as it stands, without a string of its own.
  const std::uint32_t location =
      row.program.empty() ? Intern(locations_, locationIndex_, row.location)
                          : Intern(locations_, locationIndex_,
                                   std::string(row.location).append(1, kProgramSeparator).append(row.program));
  rows_.push_back({row.size, row.changed, static_cast<std::uint32_t>(names_.size()), folder,
                   static_cast<std::uint32_t>(row.name.size()), static_cast<std::uint16_t>(location), row.fate,
                   row.isFolder});
  names_.append(row.name);
}

PreviewRow PreviewRowTable::Row(std::size_t index) const {
  const Stored& stored = rows_.at(index);
  std::string_view location = locations_[stored.location];
  std::string_view program;
  if (const auto tab = location.find(kProgramSeparator); tab != std::string_view::npos) {
    program = location.substr(tab + 1);
    location = location.substr(0, tab);
  }
  return {location,
          program,
          folders_[stored.folder],
          std::string_view(names_).substr(stored.nameOffset, stored.nameLength),
          stored.size,
          stored.changed,
          stored.fate,
          stored.isFolder};
}

std::vector<std::string_view> PreviewRowTable::Locations() const {
  std::vector<std::string_view> names;
  for (const auto& location : locations_)
    names.push_back(std::string_view(location).substr(0, location.find(kProgramSeparator)));
  return names;
}

std::string PreviewRowTable::Path(std::size_t index) const {
  const PreviewRow row = Row(index);
  if (row.folder.empty()) return std::string(row.name);
  return std::string(row.folder) + "\\" + std::string(row.name);
}

}  // namespace vantrelle::cleaning
