// Runs the built launcher.exe under the debugging interface, so every process it starts is held
// at its first instruction long enough to read its image and command line, however short-lived.
#pragma once
#include <string>

#include "support/LauncherProcess.h"

struct TracedRun : LauncherRun {
    // The command line of each started process, in the order of `started`.
    std::vector<std::wstring> commandLines;
};

// Starts exePath with exactly commandLine, waits up to timeoutMs for it and everything it
// started, and ends what is left.
TracedRun RunLauncherTraced(const std::wstring& exePath, const std::wstring& commandLine, DWORD timeoutMs = 30000);
