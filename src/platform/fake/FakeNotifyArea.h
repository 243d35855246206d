#pragma once
#include <map>
#include <utility>
#include <vector>

#include "platform/NotifyArea.h"

namespace vantrelle::fake {

// Records every record it is sent and keeps the icons as a shell would show them: an add of a
// present icon and a modify or delete of a missing one are refused.
class FakeNotifyArea : public platform::NotifyArea {
 public:
  struct Call {
    platform::NotifyOperation operation;
    platform::NotifyIconRecord record;
  };
  struct Shown {
    std::uintptr_t icon = 0;
    std::string tip;
    std::uint32_t callbackMessage = 0;
  };
  using IconKey = std::pair<platform::WindowHandle, std::uint32_t>;

  bool Notify(platform::NotifyOperation operation, const platform::NotifyIconRecord& record) override {
    calls.push_back({operation, record});
    if (refuse) return false;
    const IconKey key{record.window, record.id};
    auto it = icons.find(key);
    switch (operation) {
      case platform::NotifyOperation::Add:
        if (it != icons.end()) return false;
        Apply(icons[key], record);
        return true;
      case platform::NotifyOperation::Modify:
        if (it == icons.end()) return false;
        Apply(it->second, record);
        return true;
      case platform::NotifyOperation::Delete:
        if (it == icons.end()) return false;
        icons.erase(it);
        return true;
    }
    return false;
  }

  // The shell restarted: every icon is gone.
  void Restart() { icons.clear(); }

  std::vector<Call> calls;
  std::map<IconKey, Shown> icons;
  bool refuse = false;

 private:
  static void Apply(Shown& shown, const platform::NotifyIconRecord& record) {
    if (record.flags & platform::NotifyIcon) shown.icon = record.icon;
    if (record.flags & platform::NotifyTip) shown.tip = record.tip;
    if (record.flags & platform::NotifyMessage) shown.callbackMessage = record.callbackMessage;
  }
};

}  // namespace vantrelle::fake
