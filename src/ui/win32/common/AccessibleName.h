#pragma once
// A name for a control that shows none a screen reader could use and has no label before it: the
// control answers WM_GETOBJECT with the system's own accessible object for it, whose name is
// replaced. Everything else (role, state, location, value) stays the system's.
#include <windows.h>

#include <string>

namespace vantrelle::win32 {

// Gives `control` that name for as long as it lives. An empty name leaves the control as it is.
void GiveAccessibleName(HWND control, const std::wstring& name);

}  // namespace vantrelle::win32
