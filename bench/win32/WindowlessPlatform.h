#pragma once
// The real services a benchmark runs the cleaning on when no window takes part.
#include "platform/Platform.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32FileServices.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32RunningPrograms.h"
#include "platform/win32/Win32Shell.h"

namespace vantrelle::bench {

struct WindowlessPlatform {
  WindowlessPlatform() = default;
  WindowlessPlatform(const WindowlessPlatform&) = delete;  // `platform` points into this object
  WindowlessPlatform& operator=(const WindowlessPlatform&) = delete;

  win32::Win32FileServices files;
  win32::Win32EventPump events;
  win32::Win32Environment environment;
  win32::Win32Shell shell;
  win32::Win32Clock clock;
  win32::Win32Locale locale;
  win32::Win32RunningPrograms runningPrograms;
  const platform::Platform platform{.files = &files,
                                    .shell = &shell,
                                    .environment = &environment,
                                    .clock = &clock,
                                    .events = &events,
                                    .locale = &locale,
                                    .runningPrograms = &runningPrograms};
};

}  // namespace vantrelle::bench
