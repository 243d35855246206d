#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <string_view>

#include "platform/NotifyArea.h"

namespace vantrelle::win32 {

// At most `maxUnits` UTF-16 units of `text`, never ending in half of a surrogate pair.
std::wstring CutText(std::wstring_view text, std::size_t maxUnits);

// The shell's record for one call: texts cut to fit their fields with a NUL, the classic callback
// form (no version set), no balloon icon.
NOTIFYICONDATAW ToNotifyIconData(const platform::NotifyIconRecord& record);

class Win32NotifyArea : public platform::NotifyArea {
 public:
  bool Notify(platform::NotifyOperation operation, const platform::NotifyIconRecord& record) override;
};

}  // namespace vantrelle::win32
