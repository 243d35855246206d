#include "settings/PolicyTable.h"

#include <deque>
#include <string>
#include <vector>

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

}  // namespace

PolicyValue NamedChoicePolicy(const Key& setting) {
  return {setting.name, PolicyType::Number, 0, 1, &setting, StoredAs::OneZero};
}

std::span<const PolicyValue> PolicyValues() {
  static const PolicyRows rows;  // immutable once built; C++ makes the first call thread-safe
  return rows.Rows();
}

}  // namespace vantrelle::settings
