// Unpacks the archive built into the program (default settings file, uninstall icon) into the
// resources folder, once: the "start" marker in the settings file makes later calls return.
#pragma once
#include <string>

// folder: the data folder without its final backslash.
void UnpackResources(const std::wstring& folder);
