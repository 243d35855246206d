#pragma once
// Whether a window is tidy as a person sees it: no two sibling controls overlap (group frames
// aside), every caption fits its control in the control's own font (a wrapping label by its lines),
// every control lies inside its window, and the window inside the screen's work area, clear of
// the taskbar. Measures in the process that owns the window, whose fonts it reads.
#include <windows.h>

#include <string>
#include <vector>

namespace vantrelle::e2e {

// One line a fault, naming the controls by class, identifier and caption; none for a tidy window.
std::vector<std::string> LayoutFaults(HWND window);

}  // namespace vantrelle::e2e
