// Any bytes as the community's list: the reader never crashes, and every rule it lets through passes
// the refusal table and holds only what a rule may hold.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "community/Forms.h"
#include "community/List.h"
#include "community/Refusals.h"

namespace {

void Require(bool holds) {
  if (!holds) std::abort();
}

bool HasControl(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) < 0x20) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantrelle::community;
  const List list = ReadList(std::string(reinterpret_cast<const char*>(data), size));
  for (const Entry& entry : list.Entries()) {
    Require(!entry.name.empty() && !HasControl(entry.name));
    if (entry.Offered()) Require(!list.FileRules(entry).empty() && list.Find(entry.name) == &entry);
    if (entry.notOffered == Reason::NoUsableFileRule) Require(list.FileRules(entry).empty());
    for (const FileRule& rule : list.FileRules(entry)) {
      Require(Refusal(rule) == Reason::None);
      for (std::string_view part : PartsOf(rule.folder.below)) Require(!UnsafePart(part));
      Require(!PatternsOf(rule.patterns).empty());
      for (std::string_view pattern : PatternsOf(rule.patterns)) Require(!UnsafePattern(pattern));
    }
    for (const FileRule& kept : list.Exclusions(entry)) {
      Require(ReadPatterns(kept.patterns) == Reason::None);
      for (std::string_view part : PartsOf(kept.folder.below)) Require(!UnsafePart(part));
    }
  }
  return 0;
}
