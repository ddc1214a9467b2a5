// Per-user installation, run at every start: the data folder, the unpacked resources, the
// shortcuts, the uninstall entry, the profile values and the installed executable itself.
#pragma once
#include <string>

// The name of the uninstall registry key and of the profile section.
extern const wchar_t kUninstallKeyName[];

void InstallLauncher();

// Saves folder\fileName as a shortcut to target with the arguments; with the icon flag the icon
// is res\uninstall.ico beside the target. True when saved. COM must be initialised.
bool CreateShortcut(const std::wstring& target, const std::wstring& arguments, const std::wstring& folder,
                    const std::wstring& fileName, bool withIcon);

// A file version text with its dots removed, as a decimal number: "1.0.0.5" is 1005. Texts that
// do not start with digits (no file, no version resource) give 0.
long VersionNumber(const std::wstring& versionText);
