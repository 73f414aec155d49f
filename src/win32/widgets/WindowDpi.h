// The DPI of the screen a window shows on, read with the functions of the
// Windows that has them and with the older ones elsewhere, and the system
// measures at a given DPI.
#pragma once
#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace qv::win {

// The DPI of the screen the window is on (GetDpiForWindow where the system has
// it, since Windows 10; else the screen's).
int WindowDpi(HWND window);
// The DPI of the primary screen as the program saw it at its start.
int SystemDpi();
// GetSystemMetrics as at dpi.
int SystemMetricForDpi(int index, int dpi);
// The window rectangle around a client area of the given size at dpi.
SIZE WindowSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

}  // namespace qv::win
