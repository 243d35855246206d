#pragma once
#include <cstdint>
#include <string>

#include "platform/Shell.h"

namespace vantrelle::platform {

// A picture as the host hands it over: the platform's handle and what kind of picture it is.
// The notification area only shows icons; the handle stays owned by whoever loaded it.
enum PictureType : int { PictureNone = 0, PictureBitmap = 1, PictureMetafile = 2, PictureIcon = 3 };
struct Picture {
  std::uintptr_t Handle = 0;
  int Type = PictureNone;
  friend bool operator==(const Picture&, const Picture&) = default;
};

enum class NotifyOperation { Add = 0, Modify = 1, Delete = 2 };

// Which fields of the record are valid.
enum NotifyFlags : std::uint32_t {
  NotifyMessage = 0x1,
  NotifyIcon = 0x2,
  NotifyTip = 0x4,
  NotifyInfo = 0x10,
};

// One notify-icon record in the classic callback form: the shell reports mouse activity on the icon
// with the callback message, the mouse message in lParam and the icon identifier in wParam.
// Texts are whole here; the platform cuts them to its field sizes.
struct NotifyIconRecord {
  WindowHandle window = 0;
  std::uint32_t id = 0;
  std::uint32_t flags = 0;
  std::uint32_t callbackMessage = 0;
  std::uintptr_t icon = 0;
  std::string tip;
  std::string info;
  std::uint32_t timeoutMs = 0;
  std::string infoTitle;
  friend bool operator==(const NotifyIconRecord&, const NotifyIconRecord&) = default;
};

// The notification area (system tray) of the shell.
class NotifyArea {
 public:
  virtual ~NotifyArea() = default;
  // True when the shell accepted the record.
  virtual bool Notify(NotifyOperation operation, const NotifyIconRecord& record) = 0;
};

}  // namespace vantrelle::platform
