#include "platform/ProtectedPlace.h"

namespace vantrelle::platform {

namespace {

bool Trusted(std::string_view sid) {
  return sid == kAdministratorsSid || sid == kSystemSid || sid == kTrustedInstallerSid;
}

char Folded(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool OnlyAdministratorsMayChange(const ObjectSecurity& security) {
  if (!Trusted(security.owner) || !security.hasList) return false;
  for (const AccessEntry& entry : security.entries) {
    if (entry.kind == AccessEntry::Kind::Unknown) return false;
    if (entry.kind != AccessEntry::Kind::Allows || entry.inheritOnly) continue;
    if ((entry.mask & kChangingAccess) != 0 && !Trusted(entry.sid)) return false;
  }
  return true;
}

bool InsideFolder(std::string_view path, std::string_view folder) {
  while (!folder.empty() && folder.back() == '\\') folder.remove_suffix(1);
  if (folder.empty() || path.size() <= folder.size() + 1 || path[folder.size()] != '\\') return false;
  for (std::size_t i = 0; i < folder.size(); ++i) {
    if (Folded(path[i]) != Folded(folder[i])) return false;
  }
  return true;
}

}  // namespace vantrelle::platform
