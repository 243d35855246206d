#include "settings/PolicyTable.h"

#include <deque>
#include <string>
#include <vector>

#include "base/Strings.h"
#include "cleaning/Catalogue.h"
#include "cleaning/WindowsHandlers.h"
#include "settings/MoreLocations.h"
#include "settings/WindowsCleanups.h"

namespace vantrelle::settings {

namespace {

// The rows with those of the further locations and of Windows' shipped cleanups. A deque keeps every name and key where
// it was made, so the rows may point into it.
class PolicyRows {
 public:
  PolicyRows() : rows_(std::begin(kFixedPolicyValues), std::end(kFixedPolicyValues)) {
    for (const cleaning::CatalogueRow& location : cleaning::Catalogue()) {
      const std::string& keyName = names_.emplace_back(MoreKeyName(location.id));
      const Key& key = keys_.emplace_back(Key{keyName, "0", Form::OneZero});
      const std::string& valueName = names_.emplace_back("Clean" + std::string(location.id));
      rows_.push_back({valueName, PolicyType::Number, 0, 1, &key, StoredAs::OneZero});
    }
    for (std::string_view handler : cleaning::ShippedPersonHandlerNames()) {
      const std::string& name = names_.emplace_back(WindowsCleanupKeyName(handler));
      rows_.push_back(NamedChoicePolicy(keys_.emplace_back(Key{name, "0", Form::OneZero})));
    }
  }
  std::span<const PolicyValue> Rows() const { return rows_; }

 private:
  std::deque<std::string> names_;
  std::deque<Key> keys_;
  std::vector<PolicyValue> rows_;
};

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsFullPath(std::string_view text) {
  if (text.size() >= 3 && IsLetter(text[0]) && text[1] == ':' && IsSeparator(text[2])) return true;
  // A share: two separators and a server's name.
  return text.size() >= 3 && IsSeparator(text[0]) && IsSeparator(text[1]) && !IsSeparator(text[2]);
}

bool IsWebAddress(std::string_view text) {
  for (std::string_view scheme : {"http://", "https://"}) {
    if (!StartsWithNoCase(text, scheme)) continue;
    const std::string_view rest = text.substr(scheme.size());
    const std::size_t hostEnd = rest.find_first_of("/?#");
    if (hostEnd == 0 || rest.empty()) return false;
    // Blanks are no part of an address; one here is a mistake, not something to encode.
    for (char c : rest) {
      if (static_cast<unsigned char>(c) <= ' ' || c == '\x7f') return false;
    }
    return true;
  }
  return false;
}

}  // namespace

bool HasTextForm(TextForm form, std::string_view text) {
  if (form != TextForm::Any) {
    for (char c : text) {
      if (static_cast<unsigned char>(c) < ' ') return false;  // no path or address holds one
    }
  }
  switch (form) {
    case TextForm::Any: return true;
    case TextForm::FullPath: return IsFullPath(text);
    case TextForm::WebAddress: return IsWebAddress(text);
  }
  return false;
}

PolicyValue NamedChoicePolicy(const Key& setting) {
  return {setting.name, PolicyType::Number, 0, 1, &setting, StoredAs::OneZero};
}

std::span<const PolicyValue> PolicyValues() {
  static const PolicyRows rows;  // immutable once built; C++ makes the first call thread-safe
  return rows.Rows();
}

}  // namespace vantrelle::settings
