// Starting another copy of the launcher; every hand-over between copies goes through here.
#pragma once
#include <string>

// Starts the executable; a null command line lets it see only its own path. True when started.
bool StartLauncherCopy(const std::wstring& exePath, const wchar_t* commandLine);
