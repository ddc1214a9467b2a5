// Helpers for tests of windows under the test display: GDI+ for the whole run, pixel capture,
// message pumping as the framework's modal loop does it, and bounded waits.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The pixels of a rectangle of a window's client area, as 0x00RRGGBB, row by row.
std::vector<COLORREF> CapturePixels(HWND window, const RECT& rect);
inline int Red(COLORREF c) { return (c >> 16) & 0xFF; }
inline int Green(COLORREF c) { return (c >> 8) & 0xFF; }
inline int Blue(COLORREF c) { return c & 0xFF; }
inline COLORREF Rgb(int r, int g, int b) { return (static_cast<COLORREF>(r) << 16) | (g << 8) | b; }

// Handles this thread's waiting messages for about ms milliseconds (at least one pass), offering
// each to the windows' PreTranslateMessage first.
void PumpMessages(DWORD ms = 50);

// Polls until found returns a window or timeoutMs passes; null when none appeared.
HWND WaitForWindow(const std::function<HWND()>& found, DWORD timeoutMs = 5000);

// The first visible dialog (#32770) of the thread or process that has a control with that id.
HWND FindDialogOfThread(DWORD threadId, int controlId);
HWND FindDialogOfOtherProcess(int controlId);
