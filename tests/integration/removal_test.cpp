// The removal run: what installation put in place goes to the recycle bin of the test prefix
// (the scratch home's Trash), the installed executable is deleted, other things stay.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "app/Paths.h"
#include "support/InstallState.h"
#include "support/LauncherProcess.h"
#include "support/Scratch.h"
#include "update/Installer.h"
#include "update/Uninstaller.h"

namespace {

// Wine's recycle bin is the freedesktop trash of the Unix user, reached through drive Z:.
std::wstring Trash()
{
    wchar_t dataHome[MAX_PATH] = {};
    GetEnvironmentVariableW(L"XDG_DATA_HOME", dataHome, MAX_PATH);
    std::wstring path = std::wstring(L"Z:") + dataHome + L"/Trash";
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

// The trash adds a suffix to a name it holds already, so an item is found by its name's start.
bool InTrash(const std::wstring& name)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((Trash() + L"\\files\\" + name + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

class Removal : public InstallationTest {
protected:
    void SetUp() override
    {
        ClearInstallation();
        // Emptied, not removed: Wine sets the trash folders up once per process.
        for (const wchar_t* part : {L"\\files", L"\\info"}) {
            RemoveTree(Trash() + part);
            SHCreateDirectoryExW(nullptr, (Trash() + part).c_str(), nullptr);
        }
        InstallLauncher();
    }
};

TEST_F(Removal, TakesAwayWhatInstallationMadeIntoTheRecycleBin)
{
    ASSERT_TRUE(FileExists(InstalledExePath()));
    ASSERT_TRUE(FileExists(GameShortcutPath()));
    RemoveInstallation(InstalledExePath());

    for (const std::wstring& gone : {DesktopShortcutPath(), GameShortcutPath(), UninstallShortcutPath(),
                                     InstalledExePath(), ResourcesFolder(), StartMenuFolder(), StartMenuGroupFolder()})
        EXPECT_FALSE(FileExists(gone)) << testing::PrintToString(gone);
    EXPECT_TRUE(FileExists(GetDataFolder()));  // the data folder itself stays
    for (const std::wstring& binned : {DesktopShortcutName(), GameShortcutName(), UninstallShortcutName(),
                                       std::wstring(L"res"), std::wstring(L"Velmora-r6m")})
        EXPECT_TRUE(InTrash(binned)) << testing::PrintToString(binned);
    EXPECT_FALSE(InTrash(FileNameOf(InstalledExePath())));  // deleted for good
}

TEST_F(Removal, StartMenuFolderWithSomethingElseInItStays)
{
    WriteFileBytes(StartMenuFolder() + L"\\readme.txt", "mine");
    RemoveInstallation(InstalledExePath());
    EXPECT_FALSE(FileExists(GameShortcutPath()));
    EXPECT_FALSE(FileExists(UninstallShortcutPath()));
    EXPECT_EQ(ReadFileBytes(StartMenuFolder() + L"\\readme.txt"), "mine");
    EXPECT_TRUE(FileExists(StartMenuGroupFolder()));
}

TEST_F(Removal, RunOfTheProgramRemovesTheResourcesBesideTheNamedExecutable)
{
    ScratchFolder elsewhere(L"elsewhere");
    CreateDirectoryW((elsewhere / L"res").c_str(), nullptr);
    WriteFileBytes(elsewhere / L"res\\update.log", "x");
    WriteFileBytes(elsewhere / L"my launcher.exe", "x");

    LauncherRun run = RunLauncher(BinaryFolder() + L"\\launcher.exe", L"-u " + (elsewhere / L"my launcher.exe"));
    EXPECT_TRUE(run.finished);
    EXPECT_TRUE(run.started.empty());
    EXPECT_FALSE(FileExists(elsewhere / L"my launcher.exe"));
    EXPECT_FALSE(FileExists(elsewhere / L"res"));
    EXPECT_TRUE(FileExists(ResourcesFolder()));  // the installed one was not named
    EXPECT_FALSE(FileExists(GameShortcutPath()));

    // Nothing left to remove: the run just ends.
    LauncherRun again = RunLauncher(BinaryFolder() + L"\\launcher.exe", L"-u " + (elsewhere / L"my launcher.exe"));
    EXPECT_TRUE(again.finished);
    EXPECT_EQ(again.exitCode, 0u);
}

}  // namespace
