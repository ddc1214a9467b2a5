#include <gtest/gtest.h>

#include <windows.h>

#include "app/Paths.h"
#include "support/Scratch.h"

namespace {

TEST(Paths, ComposedFromTheBrandingUnderTheUserFolders)
{
    const ScopedShellFolders& user = TestShellFolders();
    std::wstring exeName = FileNameOf(RunningExePath());
    std::wstring data = user.appData + L"\\r6m_3\\qz\\";

    EXPECT_EQ(GetDataFolder(), data);
    EXPECT_EQ(InstalledExePath(), data + exeName);
    EXPECT_EQ(ResourcesFolder(), data + L"res");
    EXPECT_EQ(SettingsFilePath(), data + L"res//systemset.ini");
    EXPECT_EQ(UninstallIconPath(), data + L"res\\uninstall.ico");
    EXPECT_EQ(UpdateLogPath(), data + L"res\\update.log");
    EXPECT_EQ(CacheFolder(), user.appData + L"\\cache");
    EXPECT_EQ(DownloadedUpdatePath(), user.appData + L"\\cache\\jnqztmp.exe");
    EXPECT_EQ(UninstallCopyPath(), user.appData + L"\\cache\\jnqztmpu.exe");
    EXPECT_EQ(UpdateTargetPath(), InstalledExePath());
    EXPECT_EQ(DesktopShortcutPath(), user.desktop + L"\\r6m《Velmora》.lnk");
    EXPECT_EQ(StartMenuGroupFolder(), user.programs + L"\\Velmora-r6m");
    EXPECT_EQ(StartMenuFolder(), user.programs + L"\\Velmora-r6m\\Velmora");
    EXPECT_EQ(GameShortcutPath(), user.programs + L"\\Velmora-r6m\\Velmora\\Velmora.lnk");
    EXPECT_EQ(UninstallShortcutPath(), user.programs + L"\\Velmora-r6m\\Velmora\\卸载-Velmora.lnk");
}

TEST(Paths, DataFolderIsWorkedOutOnce)
{
    std::wstring first = GetDataFolder();
    {
        ScopedShellFolders moved(ScratchRoot() + L"\\elsewhere");
        EXPECT_EQ(AppDataFolder(), moved.appData);  // the platform does see the move...
        EXPECT_EQ(GetDataFolder(), first);          // ...the cached data folder does not
    }
    EXPECT_EQ(first.back(), L'\\');
}

TEST(Paths, ComposeRefusesWhatWouldNotFitAPathBuffer)
{
    std::wstring base(250, L'a');
    EXPECT_EQ(ComposePath({base, L"\\", std::wstring(8, L'b')}), base + L"\\" + std::wstring(8, L'b'));  // 259
    EXPECT_EQ(ComposePath({base, L"\\", std::wstring(9, L'b')}), L"");                                   // 260
    EXPECT_EQ(ComposePath({L"", L"\\res"}), L"");  // no base folder, no path
    EXPECT_EQ(FileNameOf(L"C:\\a b\\launcher.exe"), L"launcher.exe");
    EXPECT_EQ(FileNameOf(L"launcher.exe"), L"launcher.exe");
}

}  // namespace
