#include "settings/PolicyTable.h"

#include <deque>
#include <string>
#include <vector>

#include "cleaning/Catalogue.h"
#include "settings/MoreLocations.h"

namespace vantrelle::settings {

namespace {

// The rows with those of the further locations. A deque keeps every name and key where it was made,
// so the rows may point into it.
class PolicyRows {
 public:
  PolicyRows() : rows_(std::begin(kFixedPolicyValues), std::end(kFixedPolicyValues)) {
    for (const cleaning::CatalogueRow& location : cleaning::Catalogue()) {
      const std::string& keyName = names_.emplace_back(MoreKeyName(location.id));
      const Key& key = keys_.emplace_back(Key{keyName, "0", Form::OneZero});
      const std::string& valueName = names_.emplace_back("Clean" + std::string(location.id));
      rows_.push_back({valueName, PolicyType::Number, 0, 1, &key, StoredAs::OneZero});
    }
  }
  std::span<const PolicyValue> Rows() const { return rows_; }

 private:
  std::deque<std::string> names_;
  std::deque<Key> keys_;
  std::vector<PolicyValue> rows_;
};

}  // namespace

std::span<const PolicyValue> PolicyValues() {
  static const PolicyRows rows;  // immutable once built; C++ makes the first call thread-safe
  return rows.Rows();
}

}  // namespace vantrelle::settings
