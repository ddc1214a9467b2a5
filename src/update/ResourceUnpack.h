// Unpacks the archive built into the program (default settings file, uninstall icon) into the
// resources folder, once: the "start" marker in the settings file makes later calls return.
#pragma once
#include <cstddef>
#include <string>

// folder: the data folder without its final backslash.
void UnpackResources(const std::wstring& folder);

// The same with the archive's bytes given; an archive that cannot be read unpacks nothing, and
// the marker is written all the same, so the next start does not try again.
void UnpackResourcesFrom(const std::wstring& folder, const void* archive, size_t size);
