#pragma once
// What a community entry deletes, in words and whole paths on this computer: each file rule with its
// folder expanded, what its exclusions keep, each key not used with its reason, its registry parts and
// its own warning. The person reads this before ticking the entry.
#include <string>

#include "base/Locale.h"
#include "community/List.h"
#include "community/Places.h"

namespace vantrelle {

std::string CommunityEntryDetails(const Locale& locale, const community::List& list, const community::Places& places,
                                  const community::Entry& entry);

}  // namespace vantrelle
