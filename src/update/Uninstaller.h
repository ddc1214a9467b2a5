// The removal run: takes away the shortcuts, the installed executable, its resources folder and
// the start-menu folders that are left empty. Items go to the recycle bin; nothing is shown.
#pragma once
#include <string>

void RemoveInstallation(const std::wstring& installedExe);

// Moves one file or folder (with its contents) to the recycle bin and tells the shell; true when
// the shell reports success.
bool RemoveShellItem(const std::wstring& path);
