#include "cleaning/ProtectedFolders.h"

#include <array>
#include <vector>

#include "base/Strings.h"
#include "cleaning/Paths.h"
#include "platform/Environment.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

namespace vantrelle::cleaning {

namespace {

constexpr int kProfileShellFolder = 0x0028;

// Shell folder identifiers of the folders a person keeps their own files in, and of system folders.
constexpr std::array kProtectedShellFolders = {
    0x0005,  // Documents
    0x0010,  // Desktop
    0x0027,  // Pictures
    0x000d,  // Music
    0x000e,  // Videos
    kProfileShellFolder,
    0x0024,  // Windows
    0x0026,  // Program Files
    0x002a,  // Program Files (x86)
    0x0023,  // ProgramData
    0x0019,  // the public Desktop
    0x002e,  // the public Documents
};

constexpr std::array kProtectedVariables = {
    "WINDIR",      "SystemRoot",      "ProgramFiles", "ProgramFiles(x86)", "ProgramW6432",
    "ProgramData", "ALLUSERSPROFILE", "PUBLIC",       "USERPROFILE",
};

// The folders of a profile that hold the person's own files.
constexpr std::array kProfileFolders = {"Documents", "My Documents", "Desktop", "Pictures", "Music", "Videos"};

std::size_t RootLength(std::string_view path) {
  if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') return 3;
  if (path.rfind("\\\\", 0) == 0) {  // \\server\share
    const auto server = path.find('\\', 2);
    if (server == std::string_view::npos || server == 2) return 0;
    const auto share = path.find('\\', server + 1);
    return share == std::string_view::npos ? path.size() : share + 1;
  }
  return 0;
}

bool IsRoot(std::string_view normalized) {
  const std::size_t root = RootLength(normalized);
  return root != 0 && normalized.size() <= root;
}

std::string Parent(const std::string& normalized) {
  const auto slash = normalized.find_last_of('\\');
  if (slash == std::string::npos || slash + 1 <= RootLength(normalized)) return {};
  return normalized.substr(0, slash);
}

// `inner` is `outer` or lies somewhere below it.
bool IsSameOrBelow(std::string_view inner, std::string_view outer) {
  if (EqualsNoCase(inner, outer)) return true;
  std::string prefix(outer);
  if (prefix.empty()) return false;
  if (prefix.back() != '\\') prefix += '\\';
  return inner.size() > prefix.size() && EqualsNoCase(inner.substr(0, prefix.size()), prefix);
}

struct ProtectedSet {
  std::vector<std::string> folders;       // refused, and so is every folder containing one
  std::vector<std::string> usersFolders;  // every profile below them is refused too
};

void AddFolder(std::vector<std::string>& list, std::string_view path) {
  if (auto normalized = NormalizeFolderPath(path)) list.push_back(std::move(*normalized));
}

void AddParent(std::vector<std::string>& list, std::string_view path) {
  if (auto normalized = NormalizeFolderPath(path)) {
    const std::string parent = Parent(*normalized);
    if (!parent.empty()) list.push_back(parent);
  }
}

ProtectedSet CollectProtected(const platform::Platform& platform) {
  ProtectedSet set;
  if (platform.environment) {
    const auto& environment = *platform.environment;
    for (const char* name : kProtectedVariables) AddFolder(set.folders, environment.Get(name));
    const std::string systemDrive = environment.Get("SystemDrive");
    if (!systemDrive.empty()) AddFolder(set.usersFolders, systemDrive + "\\Users");
    // Whatever folder the known profiles lie in holds the other profiles too.
    AddParent(set.usersFolders, environment.Get("USERPROFILE"));
    AddParent(set.usersFolders, environment.Get("PUBLIC"));
  }
  if (platform.shell) {
    for (int id : kProtectedShellFolders) {
      if (auto path = platform.shell->SpecialFolderPath(id)) AddFolder(set.folders, *path);
    }
    if (auto profile = platform.shell->SpecialFolderPath(kProfileShellFolder)) AddParent(set.usersFolders, *profile);
  }
  for (const auto& users : set.usersFolders) set.folders.push_back(users);
  return set;
}

// `path` is a profile below a Users folder, or one of a profile's own folders.
bool IsProfileOrItsFolder(const std::string& path, const std::vector<std::string>& usersFolders) {
  for (const auto& users : usersFolders) {
    if (!IsSameOrBelow(path, users) || EqualsNoCase(path, users)) continue;
    const std::string_view rest = std::string_view(path).substr(users.size() + 1);
    const auto slash = rest.find('\\');
    if (slash == std::string_view::npos) return true;  // a profile
    const std::string_view inside = rest.substr(slash + 1);
    for (const char* name : kProfileFolders) {
      if (EqualsNoCase(inside, name)) return true;
    }
  }
  return false;
}

}  // namespace

std::optional<std::string> NormalizeFolderPath(std::string_view path) {
  std::string text = TrimSpaces(path);
  for (char& c : text) {
    if (c == '/') c = '\\';
  }
  if (text.rfind("\\\\?\\UNC\\", 0) == 0) {
    text = "\\\\" + text.substr(8);
  } else if (text.rfind("\\\\?\\", 0) == 0) {
    text = text.substr(4);
  }
  if (text.size() == 2 && text[1] == ':') text += '\\';
  const std::size_t root = RootLength(text);
  if (root == 0) return std::nullopt;
  std::string result = text.substr(0, root);
  if (result.back() != '\\') result += '\\';
  std::vector<std::string> parts;
  std::size_t start = root;
  while (start < text.size()) {
    std::size_t end = text.find('\\', start);
    if (end == std::string::npos) end = text.size();
    const std::string part = text.substr(start, end - start);
    if (part == "..") {
      if (parts.empty()) return std::nullopt;
      parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) result += '\\';
    result += parts[i];
  }
  if (parts.empty() && result.size() > 3) result.pop_back();  // a share root: "\\server\share"
  return ToUpper(result.substr(0, 1)) + result.substr(1);
}

bool IsProtectedFolder(const platform::Platform& platform, std::string_view path) {
  const auto normalized = NormalizeFolderPath(path);
  if (!normalized || IsRoot(*normalized)) return true;
  std::vector<std::string> forms{*normalized};
  // Short (8.3) names would otherwise slip past: "C:\PROGRA~1" is Program Files.
  if (platform.files) {
    if (auto longForm = NormalizeFolderPath(LongPath(*platform.files, *normalized))) {
      forms.push_back(*longForm);
    }
  }
  const ProtectedSet set = CollectProtected(platform);
  for (const auto& form : forms) {
    if (IsRoot(form)) return true;
    for (const auto& folder : set.folders) {
      if (IsSameOrBelow(folder, form)) return true;
    }
    if (IsProfileOrItsFolder(form, set.usersFolders)) return true;
  }
  return false;
}

}  // namespace vantrelle::cleaning
