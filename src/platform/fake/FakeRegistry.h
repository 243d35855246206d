#pragma once
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Strings.h"
#include "platform/Registry.h"

namespace vantrelle::fake {

// Keys and text values in memory, found without regard to case or a trailing backslash. The Run
// keys exist from the start; a root in `refusedRoots` refuses to open (as the machine-wide keys do
// for a standard user). The machine-wide software keys of the 32-bit view live below
// "software\wow6432node", as on 64-bit Windows. Open keys are counted so a test can see that each one
// was closed.
class FakeRegistry : public platform::Registry {
 public:
  static constexpr char RunKey[] = "software\\microsoft\\windows\\currentversion\\run";
  static constexpr char RunKey32[] = "software\\wow6432node\\microsoft\\windows\\currentversion\\run";

  FakeRegistry() {
    AddKey(platform::RegistryRoot::LocalMachine, RunKey);
    AddKey(platform::RegistryRoot::LocalMachine, RunKey32);
    AddKey(platform::RegistryRoot::CurrentUser, RunKey);
  }

  std::int32_t OpenKey(platform::RegistryRoot root, const std::string& subKey, std::uint32_t access,
                       platform::RegistryKey& key) override {
    ++opens;
    lastAccess = access;
    if (refusedRoots.count(root)) return platform::RegistryAccessDenied;
    std::string name = Normalize(subKey);
    constexpr std::string_view kSoftware = "software\\";
    if (root == platform::RegistryRoot::LocalMachine && (access & platform::kRegistry32BitView) &&
        name.starts_with(kSoftware)) {
      name.insert(kSoftware.size(), "wow6432node\\");
    }
    const Path path{root, name};
    if (!keys.count(path)) return platform::RegistryNotFound;
    key = nextKey++;
    open[key] = path;
    return platform::RegistrySuccess;
  }
  std::int32_t CreateKey(platform::RegistryRoot root, const std::string& subKey, std::uint32_t access,
                         platform::RegistryKey& key) override {
    if (!refusedRoots.count(root) && !(access & platform::kRegistry32BitView)) AddKey(root, subKey);
    return OpenKey(root, subKey, access, key);
  }
  std::int32_t SetStringValue(platform::RegistryKey key, const std::string& name, const std::string& value) override {
    auto it = open.find(key);
    if (it == open.end()) return InvalidHandle;
    keys[it->second][ToLower(name)] = {name, value};
    types.erase({it->second, ToLower(name)});
    ++writes;
    return platform::RegistrySuccess;
  }
  std::int32_t QueryValue(platform::RegistryKey key, const std::string& name, platform::RegistryValue& value) override {
    auto it = open.find(key);
    if (it == open.end()) return InvalidHandle;
    ++reads;
    const auto& values = keys[it->second];
    auto found = values.find(ToLower(name));
    if (found == values.end()) return platform::RegistryNotFound;
    const auto type = types.find({it->second, ToLower(name)});
    platform::RegistryValue read;
    read.type = type == types.end() ? platform::kRegistryText : type->second;
    if (read.type == platform::kRegistryNumber)
      read.number = static_cast<std::uint32_t>(std::stoul(found->second.second));
    if (read.type == platform::kRegistryText) read.text = found->second.second;
    value = read;
    return platform::RegistrySuccess;
  }
  std::int32_t DeleteValue(platform::RegistryKey key, const std::string& name) override {
    auto it = open.find(key);
    if (it == open.end()) return InvalidHandle;
    ++deletes;
    types.erase({it->second, ToLower(name)});
    return keys[it->second].erase(ToLower(name)) ? platform::RegistrySuccess : platform::RegistryNotFound;
  }
  std::int32_t ValueNames(platform::RegistryKey key, std::vector<std::string>& names) override {
    auto it = open.find(key);
    if (it == open.end()) return InvalidHandle;
    names.clear();
    for (const auto& [lower, value] : keys[it->second]) names.push_back(value.first);
    return platform::RegistrySuccess;
  }
  void CloseKey(platform::RegistryKey key) override { open.erase(key); }

  void AddKey(platform::RegistryRoot root, const std::string& subKey) { keys[{root, Normalize(subKey)}]; }
  // Writes a value of any type, as an administrator's tool would; the key is made when missing.
  // A REG_DWORD's data is its decimal number; a type other than text or number keeps only its type.
  void SetTyped(platform::RegistryRoot root, const std::string& subKey, const std::string& name, std::uint32_t type,
                const std::string& data) {
    const Path path{root, Normalize(subKey)};
    keys[path][ToLower(name)] = {name, data};
    types[{path, ToLower(name)}] = type;
  }
  void SetNumber(platform::RegistryRoot root, const std::string& subKey, const std::string& name,
                 std::uint32_t number) {
    SetTyped(root, subKey, name, platform::kRegistryNumber, std::to_string(number));
  }
  void RemoveKey(platform::RegistryRoot root, const std::string& subKey) { keys.erase({root, Normalize(subKey)}); }
  // The value's data, or nothing when there is no such value.
  std::optional<std::string> Value(platform::RegistryRoot root, const std::string& subKey,
                                   const std::string& name) const {
    auto key = keys.find({root, Normalize(subKey)});
    if (key == keys.end()) return std::nullopt;
    auto value = key->second.find(ToLower(name));
    if (value == key->second.end()) return std::nullopt;
    return value->second.second;
  }
  std::size_t ValueCount(platform::RegistryRoot root, const std::string& subKey) const {
    auto key = keys.find({root, Normalize(subKey)});
    return key == keys.end() ? 0 : key->second.size();
  }

  static constexpr std::int32_t InvalidHandle = 6;
  using Path = std::pair<platform::RegistryRoot, std::string>;
  // key -> lower-cased value name -> (name as written, data)
  std::map<Path, std::map<std::string, std::pair<std::string, std::string>>> keys;
  std::map<platform::RegistryKey, Path> open;
  // The type of each value not written as text; absent means REG_SZ.
  std::map<std::pair<Path, std::string>, std::uint32_t> types;
  std::set<platform::RegistryRoot> refusedRoots;
  std::uint32_t lastAccess = 0;
  int opens = 0;
  int writes = 0;
  int deletes = 0;
  int reads = 0;

 private:
  static std::string Normalize(const std::string& subKey) {
    std::string path = ToLower(subKey);
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
  }
  platform::RegistryKey nextKey = 0x100;
};

}  // namespace vantrelle::fake
