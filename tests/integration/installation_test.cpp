// Unpacking the built-in archive and installing for the current user, in the test run's scratch
// shell folders and the prefix's real registry.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "app/Paths.h"
#include "app/Settings.h"
#include "support/InstallState.h"
#include "support/Scratch.h"
#include "update/Installer.h"
#include "update/ResourceUnpack.h"

namespace {

const char kDefaultSettings[] =
    "[Info]\r\ncode=\r\npwd=\r\nrem=1\r\n[Setting]\r\nsoundoff=0\r\nautostart=0\r\nautologin=0\r\n"
    "screenshots=Ctrl+Shift+A\r\nscreentoggle=F10\r\nfullscreen=F11\r\n";

ULONGLONG LocalStampAsUtc(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME local = {year, month, 0, day, hour, minute, second, 0};
    FILETIME localFile, utc;
    SystemTimeToFileTime(&local, &localFile);
    LocalFileTimeToFileTime(&localFile, &utc);
    return (static_cast<ULONGLONG>(utc.dwHighDateTime) << 32) | utc.dwLowDateTime;
}

class Installation : public InstallationTest {
protected:
    static std::wstring DataFolderPath() { return GetDataFolder().substr(0, GetDataFolder().size() - 1); }
    static void MakeResourcesFolder() { SHCreateDirectoryExW(nullptr, ResourcesFolder().c_str(), nullptr); }
};

TEST_F(Installation, UnpacksTheBuiltInArchiveOnce)
{
    MakeResourcesFolder();
    WriteFileBytes(ResourcesFolder() + L"\\data.zip", "left over");
    UnpackResources(DataFolderPath());

    EXPECT_EQ(ReadFileBytes(SettingsFilePath()), std::string(kDefaultSettings) + "start=1001\r\n");
    EXPECT_EQ(ReadFileBytes(UninstallIconPath()).size(), 1150u);
    EXPECT_FALSE(FileExists(ResourcesFolder() + L"\\data.zip"));
    std::vector<std::wstring> unpacked;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((ResourcesFolder() + L"\\*").c_str(), &found);
    do {
        if (wcscmp(found.cFileName, L".") && wcscmp(found.cFileName, L".."))
            unpacked.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(unpacked.begin(), unpacked.end());
    EXPECT_EQ(unpacked, (std::vector<std::wstring>{L"systemset.ini", L"uninstall.ico"}));
    EXPECT_EQ(GetFileAttributesW(SettingsFilePath().c_str()), DWORD(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(GetFileAttributesW(UninstallIconPath().c_str()), DWORD(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(LastWriteTime(UninstallIconPath()), LocalStampAsUtc(2013, 11, 22, 11, 28, 40));

    // The marker now stops every further pass: nothing is touched.
    DeleteFileW(UninstallIconPath().c_str());
    WriteFileBytes(ResourcesFolder() + L"\\data.zip", "stays");
    UnpackResources(DataFolderPath());
    EXPECT_FALSE(FileExists(UninstallIconPath()));
    EXPECT_TRUE(FileExists(ResourcesFolder() + L"\\data.zip"));
}

TEST_F(Installation, KeepsThePlayersSettingsAndReplacesTheIcon)
{
    MakeResourcesFolder();
    const std::string mine = "[Setting]\r\nfullscreen=F9\r\n";
    WriteFileBytes(SettingsFilePath(), mine);
    WriteFileBytes(UninstallIconPath(), "old icon");
    UnpackResources(DataFolderPath());
    EXPECT_EQ(ReadFileBytes(SettingsFilePath()), mine + "start=1001\r\n");
    EXPECT_EQ(ReadFileBytes(UninstallIconPath()).size(), 1150u);
}

TEST_F(Installation, ArchiveThatCannotBeReadStillSetsTheMarker)
{
    const std::string notAnArchive = "PK but nothing more";
    for (const void* archive : {static_cast<const void*>(notAnArchive.data()), static_cast<const void*>(nullptr)}) {
        RemoveTree(ResourcesFolder());
        SHCreateDirectoryExW(nullptr, DataFolderPath().c_str(), nullptr);  // made by the installation
        UnpackResourcesFrom(DataFolderPath(), archive, notAnArchive.size());
        EXPECT_FALSE(FileExists(UninstallIconPath()));
        EXPECT_EQ(ReadFileBytes(SettingsFilePath()), "[Setting]\r\nstart=1001\r\n");  // only the marker
    }
}

TEST_F(Installation, MarkerDecidesWhetherToUnpack)
{
    const std::pair<const char*, bool> cases[] = {
        {"start=1001", false}, {"start= 1001abc", false}, {"start=01001", false}, {"start=abc", true}, {"", true}};
    for (const auto& [line, unpacks] : cases) {
        RemoveTree(ResourcesFolder());
        MakeResourcesFolder();
        const std::string before = std::string("[Setting]\r\n") + line + "\r\n";
        WriteFileBytes(SettingsFilePath(), before);
        UnpackResources(DataFolderPath());
        EXPECT_EQ(FileExists(UninstallIconPath()), unpacks) << line;
        if (unpacks) {
            EXPECT_EQ(ReadSetting(L"Setting", L"start", L"-1"), L"1001") << line;
        } else {
            EXPECT_EQ(ReadFileBytes(SettingsFilePath()), before) << line;
        }
    }
}

TEST_F(Installation, LaysOutEverythingOnAFirstRun)
{
    InstallLauncher();
    const std::wstring installed = InstalledExePath();

    EXPECT_EQ(ReadFileBytes(installed), ReadFileBytes(RunningExePath()));
    EXPECT_TRUE(FileExists(SettingsFilePath()));
    EXPECT_TRUE(FileExists(UninstallIconPath()));

    struct Expected {
        std::wstring path, arguments, icon;
    } shortcuts[] = {
        {DesktopShortcutPath(), L"1", L""},
        {GameShortcutPath(), L"1", L""},
        {UninstallShortcutPath(), L"-u", GetDataFolder() + L"res\\uninstall.ico"},
    };
    for (const Expected& expected : shortcuts) {
        ShortcutInfo link = ReadShortcut(expected.path);
        ASSERT_TRUE(link.loaded) << testing::PrintToString(expected.path);
        EXPECT_EQ(link.target, installed);
        EXPECT_EQ(link.arguments, expected.arguments);
        EXPECT_EQ(link.iconPath, expected.icon);
        if (!expected.icon.empty()) {
            EXPECT_EQ(link.iconIndex, 0);
        }
        EXPECT_EQ(link.showCommand, SW_SHOWNORMAL);
    }

    const std::pair<const wchar_t*, std::wstring> values[] = {
        {L"Path", installed}, {L"DisplayName", L"Velmora"}, {L"Publisher", L"r6m"}, {L"UninstallString", installed + L" -u"}};
    for (const auto& [name, data] : values) {
        RegistryValue entry = ReadRegistryValue(HKEY_LOCAL_MACHINE, kUninstallEntryKey, name, KEY_WOW64_64KEY);
        EXPECT_TRUE(entry.found) << name;
        EXPECT_EQ(entry.type, DWORD(REG_SZ)) << name;
        EXPECT_EQ(entry.text, data) << name;
        EXPECT_EQ(entry.bytes, (data.size() + 1) * sizeof(wchar_t)) << name;
        EXPECT_EQ(ReadRegistryValue(HKEY_CURRENT_USER, ProfileSectionKey(), name).text, data) << name;
    }
}

TEST_F(Installation, LaterRunsRepairShortcutsButKeepOtherPeoplesThings)
{
    InstallLauncher();
    DeleteFileW(GameShortcutPath().c_str());
    DeleteFileW(UninstallShortcutPath().c_str());
    WriteFileBytes(DesktopShortcutPath(), "not a shortcut of ours");
    InstallLauncher();
    EXPECT_TRUE(ReadShortcut(GameShortcutPath()).loaded);
    EXPECT_TRUE(ReadShortcut(UninstallShortcutPath()).loaded);
    EXPECT_EQ(ReadFileBytes(DesktopShortcutPath()), "not a shortcut of ours");

    DeleteFileW(DesktopShortcutPath().c_str());
    InstallLauncher();
    EXPECT_EQ(ReadShortcut(DesktopShortcutPath()).target, InstalledExePath());
}

TEST_F(Installation, ExistingUninstallEntryStaysWhileTheProfileFollowsThePath)
{
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, kUninstallEntryKey, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr,
                    &key, nullptr);
    const std::wstring old = L"D:\\elsewhere\\launcher.exe";
    RegSetValueExW(key, L"Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(old.c_str()), DWORD((old.size() + 1) * 2));
    RegCloseKey(key);
    // A profile path differing only in letter case counts as different.
    std::wstring upper = InstalledExePath();
    CharUpperW(&upper[0]);
    app.WriteProfileString(kUninstallKeyName, L"Path", upper);
    app.WriteProfileString(kUninstallKeyName, L"DisplayName", L"stale");

    InstallLauncher();
    EXPECT_EQ(ReadRegistryValue(HKEY_LOCAL_MACHINE, kUninstallEntryKey, L"Path", KEY_WOW64_64KEY).text, old);
    EXPECT_FALSE(ReadRegistryValue(HKEY_LOCAL_MACHINE, kUninstallEntryKey, L"DisplayName", KEY_WOW64_64KEY).found);
    EXPECT_EQ(app.GetProfileString(kUninstallKeyName, L"Path"), InstalledExePath());
    EXPECT_EQ(app.GetProfileString(kUninstallKeyName, L"DisplayName"), L"Velmora");
}

TEST(VersionNumber, DropsTheDotsAndReadsTheDigits)
{
    const std::pair<const wchar_t*, long> cases[] = {{L"1.0.0.5", 1005},  {L"1.0.0.10", 10010}, {L"1.0.1.0", 1010},
                                                     {L"2.0", 20},        {L"", 0},           {L"None VerSion Supprot", 0},
                                                     {L"2.0.0.13.1", 200131}};
    for (const auto& [text, number] : cases)
        EXPECT_EQ(VersionNumber(text), number) << testing::PrintToString(std::wstring(text));
}

TEST_F(Installation, ReplacesTheInstalledExecutableOnlyWithANewerOne)
{
    // The running test executable carries the launcher's version, 1.0.0.5.
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"fixture_version_2_0.exe", true},         // 20 is older than 1005
        {L"fixture_no_version.exe", true},          // no version counts 0
        {L"fixture_version_1_0_0_10.exe", false},   // 10010 is newer
        {L"fixture_version_1_0_1_0.exe", false},    // 1010 is newer
    };
    for (const auto& [fixture, replaced] : cases) {
        ClearInstallation();
        SHCreateDirectoryExW(nullptr, GetDataFolder().c_str(), nullptr);
        const std::string before = ReadFileBytes(BinaryFolder() + L"\\" + fixture);
        WriteFileBytes(InstalledExePath(), before);
        InstallLauncher();
        EXPECT_EQ(ReadFileBytes(InstalledExePath()) == ReadFileBytes(RunningExePath()), replaced)
            << testing::PrintToString(std::wstring(fixture));
    }
}

}  // namespace
