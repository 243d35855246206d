#pragma once
// Choices stored by a name only a machine or a list knows ("Windows.<key name>", "Community.<entry
// name>"): one value each in the person's settings, "1" chosen or "0"; anything but "1" is not chosen.
#include <string>
#include <string_view>

namespace vantrelle::platform {
class SettingsStore;
}

namespace vantrelle::settings {

class NamedChoices {
 public:
  constexpr explicit NamedChoices(std::string_view prefix) : prefix_(prefix) {}
  std::string KeyName(std::string_view name) const;
  // The name a value of this kind (its prefix in any case) is for; "" for any other value.
  std::string_view NameOf(std::string_view valueName) const;
  bool Chosen(platform::SettingsStore& store, std::string_view name) const;
  // Throws RuntimeError when the store refuses the write.
  void Save(platform::SettingsStore& store, std::string_view name, bool chosen) const;

 private:
  std::string_view prefix_;
};

}  // namespace vantrelle::settings
