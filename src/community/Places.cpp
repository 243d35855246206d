#include "community/Places.h"

#include <algorithm>
#include <optional>

#include "base/Strings.h"
#include "community/Forms.h"
#include "platform/Environment.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

namespace vantrelle::community {

namespace {

using platform::KnownFolder;

// The known folders behind each variable, in the order of Variable; %Temp% is the person's temporary
// folder in their local application data, %SystemDrive% the drive of the Windows folder.
constexpr std::array<std::initializer_list<KnownFolder>, kVariableCount> kKnownFolders = {{
    {KnownFolder::RoamingAppData},
    {KnownFolder::LocalAppData},
    {KnownFolder::LocalLowAppData},
    {KnownFolder::Profile},
    {KnownFolder::LocalAppData},
    {KnownFolder::Documents},
    {KnownFolder::Pictures},
    {KnownFolder::Music},
    {KnownFolder::Videos},
    {KnownFolder::Public},
    {KnownFolder::ProgramData},
    {KnownFolder::ProgramData},
    {KnownFolder::ProgramFiles, KnownFolder::ProgramFilesX86},
    {KnownFolder::ProgramFilesCommon, KnownFolder::ProgramFilesCommonX86},
    {KnownFolder::Windows},
    {KnownFolder::Windows},
}};

constexpr KnownFolder kOwnFolders[] = {KnownFolder::Desktop,    KnownFolder::Documents, KnownFolder::Pictures,
                                       KnownFolder::Music,      KnownFolder::Videos,    KnownFolder::Downloads,
                                       KnownFolder::SavedGames, KnownFolder::Favorites, KnownFolder::Contacts,
                                       KnownFolder::Links,      KnownFolder::OneDrive};

std::size_t FindNoCase(std::string_view text, std::string_view what, std::size_t from = 0) {
  for (std::size_t at = from; at + what.size() <= text.size(); ++at) {
    if (EqualsNoCase(text.substr(at, what.size()), what)) return at;
  }
  return std::string_view::npos;
}

std::optional<std::string> Known(platform::Shell& shell, KnownFolder folder) {
  auto path = shell.KnownFolderPath(folder);
  if (!path || path->empty()) return std::nullopt;
  while (path->size() > 3 && path->back() == '\\') path->pop_back();
  return path;
}

}  // namespace

Places FindPlaces(const platform::Platform& platform) {
  Places places;
  auto& shell = *platform.shell;
  for (std::size_t i = 0; i < kVariableCount; ++i) {
    auto& folders = places.folders[i];
    for (KnownFolder known : kKnownFolders[i]) {
      const auto path = Known(shell, known);
      if (path && std::none_of(folders.begin(), folders.end(),
                               [&](const std::string& other) { return EqualsNoCase(other, *path); })) {
        folders.push_back(*path);
      }
    }
  }
  for (std::string& temp : places.folders[static_cast<std::size_t>(Variable::Temp)]) temp += "\\Temp";
  for (std::string& drive : places.folders[static_cast<std::size_t>(Variable::SystemDrive)]) {
    drive = drive.size() >= 2 && drive[1] == ':' ? drive.substr(0, 2) : std::string();
  }
  std::erase(places.folders[static_cast<std::size_t>(Variable::SystemDrive)], std::string());
  if (platform.environment) places.userName = platform.environment->UserName();
  for (KnownFolder known : kOwnFolders) {
    if (const auto path = Known(shell, known)) places.own.push_back(*path);
  }
  return places;
}

std::string PlacedFolder::Path() const {
  std::string path = base;
  for (const std::string& part : parts) path.append(path.ends_with('\\') ? "" : "\\").append(part);
  return path;
}

std::vector<PlacedFolder> Place(const Places& places, const FolderForm& form) {
  std::vector<std::string> parts;
  for (std::string_view part : PartsOf(form.below)) {
    std::string placed(part);
    for (std::size_t at = FindNoCase(placed, kUserNameVariable); at != std::string::npos;
         at = FindNoCase(placed, kUserNameVariable, at + places.userName.size())) {
      if (places.userName.empty()) return {};
      placed.replace(at, kUserNameVariable.size(), places.userName);
    }
    if (UnsafePart(placed)) return {};  // a name the system would not have given
    parts.push_back(std::move(placed));
  }
  std::vector<PlacedFolder> placed;
  for (const std::string& base : places.Of(form.start)) placed.push_back({base, parts});
  return placed;
}

}  // namespace vantrelle::community
