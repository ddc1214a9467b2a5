// Reading back what the installation leaves: shortcuts, registry values, and a clean slate
// of the test run's per-user folders, uninstall key and profile.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "framework/WinApp.h"

struct ShortcutInfo {
    bool loaded = false;
    std::wstring target, arguments, iconPath;
    int iconIndex = -1;
    int showCommand = 0;
};
ShortcutInfo ReadShortcut(const std::wstring& path);

struct RegistryValue {
    bool found = false;
    DWORD type = 0;
    DWORD bytes = 0;
    std::wstring text;
};
RegistryValue ReadRegistryValue(HKEY root, const std::wstring& key, const std::wstring& name, REGSAM view = 0);

extern const wchar_t kUninstallEntryKey[];  // HKLM, 64-bit view
std::wstring ProfileSectionKey();          // HKCU, this executable's profile section

// Removes the data folder's tree, the desktop and start-menu entries, the uninstall key and the
// profile section, so the next installation starts from nothing.
void ClearInstallation();

// Tests that install: COM for the shell links and an application object for the profile, as the
// launcher has them; every test starts and ends with nothing installed.
class InstallationTest : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite() { CoUninitialize(); }
    void SetUp() override { ClearInstallation(); }
    void TearDown() override { ClearInstallation(); }

    static CWinApp app;
};
