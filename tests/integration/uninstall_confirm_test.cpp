// The uninstall confirmation run across processes: an installed launcher started with a command
// line ending in "-u" asks in the skinned box; this test answers it from outside, as a user would,
// and on OK the temporary copy removes the installation.
#include <gtest/gtest.h>

#include <thread>

#include "app/Paths.h"
#include "support/InstallState.h"
#include "support/TracedRun.h"
#include "support/Scratch.h"
#include "update/Installer.h"

namespace {

const int kCloseButtonId = 1001;

// The box of another process: a visible dialog with the close button's control.
HWND FindBox()
{
    struct Search {
        HWND found;
    } search = {nullptr};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (wcscmp(className, L"#32770") == 0 && IsWindowVisible(window) && process != GetCurrentProcessId() &&
                GetDlgItem(window, kCloseButtonId)) {
                reinterpret_cast<Search*>(context)->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class UninstallConfirmRun : public InstallationTest {
protected:
    void SetUp() override
    {
        InstallationTest::SetUp();
        // The session's desktop process starts with the first window of the session; let that
        // happen here rather than inside the launcher's run, where it would count as started.
        GetDesktopWindow();
        DeleteFileW(UninstallCopyPath().c_str());
        InstallLauncher();
        ASSERT_TRUE(CopyFileW(launcher.c_str(), installed.c_str(), FALSE));
    }
    void TearDown() override
    {
        DeleteFileW(UninstallCopyPath().c_str());
        InstallationTest::TearDown();
    }

    static void ExpectInstalled(bool whole)
    {
        for (const std::wstring& item : {DesktopShortcutPath(), GameShortcutPath(), UninstallShortcutPath(),
                                         ResourcesFolder(), StartMenuGroupFolder(), GetDataFolder() + L"launcher.exe"})
            EXPECT_EQ(FileExists(item), whole) << testing::PrintToString(item);
    }

    // Starts the installed launcher as the uninstall shortcut does and clicks `button` in its box.
    TracedRun AnswerWith(int button)
    {
        bool clicked = false;
        std::thread user([&] {
            for (int i = 0; i < 250 && !clicked; ++i) {
                if (HWND box = FindBox()) {
                    Sleep(100);
                    SendMessageW(GetDlgItem(box, button), BM_CLICK, 0, 0);
                    clicked = true;
                } else {
                    Sleep(40);
                }
            }
        });
        TracedRun run = RunLauncherTraced(installed, L"\"" + installed + L"\" -u", 20000);
        user.join();
        EXPECT_TRUE(clicked);
        return run;
    }

    std::wstring launcher = BinaryFolder() + L"\\launcher.exe";
    std::wstring installed = GetDataFolder() + L"launcher.exe";
};

TEST_F(UninstallConfirmRun, DecliningCopiesAndStartsNothing)
{
    for (int button : {IDCANCEL, kCloseButtonId}) {
        SCOPED_TRACE(button);
        TracedRun run = AnswerWith(button);
        EXPECT_TRUE(run.finished);
        EXPECT_TRUE(run.started.empty());
        EXPECT_FALSE(FileExists(UninstallCopyPath()));
        ExpectInstalled(true);
    }
}

TEST_F(UninstallConfirmRun, OkHandsTheRemovalToACopyStartedWithTheInstalledPath)
{
    TracedRun run = AnswerWith(IDOK);
    EXPECT_TRUE(run.finished);
    ASSERT_TRUE(FileExists(UninstallCopyPath()));
    EXPECT_TRUE(ReadFileBytes(UninstallCopyPath()) == ReadFileBytes(launcher));
    ASSERT_EQ(run.started.size(), 1u);
    EXPECT_EQ(run.started[0], UninstallCopyPath());
    ASSERT_EQ(run.commandLines.size(), 1u);
    EXPECT_EQ(run.commandLines[0], L"-u " + installed);
    ExpectInstalled(false);  // the copy has removed it
}

TEST_F(UninstallConfirmRun, CopyThatCannotBeWrittenStartsNothingInItsPlace)
{
    // An older program at the copy's path, open for reading elsewhere: it cannot be replaced,
    // though it could still be started, and it is not the program the user asked to run.
    CreateDirectoryW(CacheFolder().c_str(), nullptr);
    const std::string older = ReadFileBytes(launcher) + "older";
    WriteFileBytes(UninstallCopyPath(), older);
    HANDLE reader = CreateFileW(UninstallCopyPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    TracedRun run = AnswerWith(IDOK);
    CloseHandle(reader);

    EXPECT_TRUE(run.finished);
    EXPECT_TRUE(run.started.empty());
    EXPECT_TRUE(ReadFileBytes(UninstallCopyPath()) == older);
    ExpectInstalled(true);
}

}  // namespace
