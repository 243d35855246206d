#pragma once
// The further locations as the "More locations..." dialog shows them: a checked list the person ticks
// through, each tick stored the moment it is made. The view draws it and calls Set; it holds no
// behaviour of its own.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/Shell.h"

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
  static constexpr char kTitle[] = "More locations";
  static constexpr char kNote[] =
      "Each location is cleaned after those of the window, with the same care. A browser's cache is left "
      "whole while the browser runs.";
  // Ends the description of a location Windows' own cleanup handler may clean.
  static constexpr char kWindowsCleanupNote[] =
      "Windows' own cleanup, where present, decides what goes: the hours kept do not apply.";

  MoreLocationsChoice(const platform::Platform& platform, const FoundSizes& found);
  const std::vector<MoreLocationItem>& Items() const { return items_; }
  // Ticks or unticks an item and stores it at once. When the store refuses, the tick stays as it was
  // and the reason is returned ("" on success).
  std::string Set(std::size_t index, bool chosen);
  std::size_t ChosenCount() const;
  // Runs after every stored change.
  std::function<void()> OnChange;

 private:
  const platform::Platform& platform_;
  std::vector<MoreLocationItem> items_;
};

// "More locations: 3 chosen".
std::string MoreLocationsLine(std::size_t chosen);

// The dialog itself: modal over `owner`, returning once the person closes it.
class MoreLocationsDialog {
 public:
  virtual ~MoreLocationsDialog() = default;
  virtual void ShowModal(platform::WindowHandle owner, MoreLocationsChoice& choice) = 0;
};

}  // namespace vantrelle
