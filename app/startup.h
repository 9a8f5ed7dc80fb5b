// Program entry: start-up in its fixed order, the message loop, the exit.
#pragma once

#include <windows.h>

#include <optional>

namespace qinglan::app {

// Starts GDI+ (gdiplus.dll loaded by name) with `version`, 1 when none is
// given; returns the token, 0 when GDI+ could not be started.
ULONG_PTR StartGdiplus(std::optional<UINT32> version = std::nullopt);

// The application icon: resource 0x81, else "DEFAULT_ICON"; null when neither.
HICON LoadAppIcon();

// GDI+, the icon and the skin's default settings, in that order.
void InitialiseSkinModule();

// Releases the process-wide state, in order.
void ExitRoutine();

// Runs the program; 0 when the main window has closed.
int ProgramEntry();

}  // namespace qinglan::app
