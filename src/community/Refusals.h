#pragma once
// What the community's list may never clean, whatever it says: one table, read in order, the first
// row that refuses a file rule giving the reason. The reader applies it to every rule's form; the run
// applies it again to each folder a rule leads to on this computer.
#include <span>
#include <string>
#include <string_view>

#include "community/List.h"

namespace vantrelle::community {

// The folders of this computer a check needs: the person's own (Desktop, Documents, ... as the shell
// names them, wherever they were moved).
struct OwnFolders {
  std::span<const std::string> paths;
};

// Whether `rule` may be used: None, or the reason of the first row of the table that refuses it.
// `concrete` is a folder the rule leads to on this computer (its variable expanded, wildcards
// resolved), "" to judge the rule's form alone.
Reason Refusal(const FileRule& rule, std::string_view concrete = {}, OwnFolders own = {});

// `path` is `folder` or lies below it (whole parts, ignoring case, trailing "\" aside).
bool InOrBelow(std::string_view path, std::string_view folder);

}  // namespace vantrelle::community
