#pragma once
// The further locations as the "More locations..." dialog shows them: a checked list the person ticks
// through, each tick stored the moment it is made, then Windows' cleanups and the machine's choices
// (WindowsCleanupChoice). The view draws them and calls Set; it holds no behaviour of its own.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/Shell.h"
#include "window/morelocations/WindowsCleanupChoice.h"

namespace vantrelle {

struct MoreLocationItem {
  std::string id;
  std::string name;
  std::string description;
  std::string found;  // "1.50 MB found", or "not looked at yet"
  bool chosen = false;
};

// What the last preview or run found per catalogue id, in bytes.
using FoundSizes = std::map<std::string, std::uint64_t>;

class MoreLocationsChoice {
 public:
  MoreLocationsChoice(const platform::Platform& platform, const FoundSizes& found);
  const std::vector<MoreLocationItem>& Items() const { return items_; }
  // Ticks or unticks an item and stores it at once. When the store refuses, the tick stays as it was
  // and the reason is returned ("" on success).
  std::string Set(std::size_t index, bool chosen);
  std::size_t ChosenCount() const;
  // The person's language, for the dialog's own captions.
  const Locale& TextLocale() const { return *platform_.locale; }
  // The community's entries may be chosen: an administrator has not switched them off.
  bool CommunityOffered() const { return communityOffered_; }
  // Runs after every stored change of a further location.
  std::function<void()> OnChange;

  WindowsCleanupChoice windowsCleanups;

 private:
  const platform::Platform& platform_;
  std::vector<MoreLocationItem> items_;
  bool communityOffered_ = true;
};

// "More locations: 3 chosen".
std::string MoreLocationsLine(const Locale& locale, std::size_t chosen);

// Stores a tick through `save` and reads back through `holds` what now holds: "" when it is `chosen`,
// else why not (a policy forces the other value, or the store's own failure).
std::string StoreChoice(const Locale& locale, const std::function<void()>& save, const std::function<bool()>& holds,
                        bool chosen);

// The dialog itself: modal over `owner`, returning once the person closes it.
class MoreLocationsDialog {
 public:
  virtual ~MoreLocationsDialog() = default;
  virtual void ShowModal(platform::WindowHandle owner, MoreLocationsChoice& choice) = 0;
};

}  // namespace vantrelle
