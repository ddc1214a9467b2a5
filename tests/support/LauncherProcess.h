// Runs the built launcher.exe as another process and reports what it started.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct LauncherRun {
    DWORD exitCode = STILL_ACTIVE;
    bool finished = false;
    // Every process the launcher started in turn (its own process not included): their image
    // paths where they could still be read, otherwise empty texts.
    std::vector<std::wstring> started;
};

// Starts exePath with exactly commandLine (as a copy of the launcher starts another) inside a job
// object, waits up to timeoutMs for it and for everything it started, and ends what is left.
LauncherRun RunLauncher(const std::wstring& exePath, const std::wstring& commandLine, DWORD timeoutMs = 30000);

// The lines of the update log with the time stamp and tag taken off.
std::vector<std::wstring> UpdateLogMessages(const std::wstring& logPath);
