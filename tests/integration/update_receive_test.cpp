// The update receive run, driven across processes as the updater drives it: launcher.exe started
// with the explicit command line "-d <installed exe>".
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "app/FileUtils.h"
#include "app/Paths.h"
#include "support/LauncherProcess.h"
#include "support/Scratch.h"

namespace {

class UpdateReceiveRun : public testing::Test {
protected:
    void SetUp() override
    {
        RemoveTree(ResourcesFolder());
        SHCreateDirectoryExW(nullptr, ResourcesFolder().c_str(), nullptr);
        CreateDirectoryW(installFolder.c_str(), nullptr);
        WriteFileBytes(installed, "the old launcher");
    }
    void TearDown() override { RemoveTree(ResourcesFolder()); }

    ScratchFolder scratch{L"receive"};
    std::wstring download = BinaryFolder() + L"\\launcher.exe";
    std::wstring installFolder = scratch / L"my games";
    std::wstring installed = installFolder + L"\\installed launcher.exe";
};

TEST_F(UpdateReceiveRun, ReplacesTheInstalledExecutableAndStartsIt)
{
    LauncherRun run = RunLauncher(download, L"-d " + installed);

    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(ReadFileBytes(installed), ReadFileBytes(download));
    ASSERT_EQ(run.started.size(), 1u);
    if (!run.started[0].empty()) {
        EXPECT_EQ(run.started[0], installed);
    }

    std::wstring digest;
    GetFileMd5(download, digest);
    ASSERT_EQ(digest.size(), 32u);
    std::vector<std::wstring> expected = {
        L"Finish download,current file md5=" + digest,
        L"Update success.Current Version:1.0.0.5",
        L"=====================",
    };
    EXPECT_EQ(UpdateLogMessages(UpdateLogPath()), expected);
}

TEST_F(UpdateReceiveRun, TargetThatCannotBeWrittenLogsTheFailureAndStartsNothing)
{
    HANDLE held = CreateFileW(installed.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    LauncherRun run = RunLauncher(download, L"-d " + installed);
    CloseHandle(held);

    EXPECT_TRUE(run.finished);
    EXPECT_TRUE(run.started.empty());
    EXPECT_EQ(ReadFileBytes(installed), "the old launcher");
    std::vector<std::wstring> expected = {L"Update failure.Error Code:32", L"====================="};
    EXPECT_EQ(UpdateLogMessages(UpdateLogPath()), expected);
}

TEST_F(UpdateReceiveRun, SwitchAloneOrWithoutPathIsNoHandOver)
{
    LauncherRun alone = RunLauncher(download, L"-d");
    EXPECT_TRUE(alone.finished);
    EXPECT_TRUE(alone.started.empty());
    EXPECT_FALSE(FileExists(UpdateLogPath()));

    LauncherRun noPath = RunLauncher(download, L"-d ");
    EXPECT_TRUE(noPath.finished);
    EXPECT_TRUE(noPath.started.empty());
    std::vector<std::wstring> messages = UpdateLogMessages(UpdateLogPath());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].rfind(L"Update failure.Error Code:", 0), 0u);
    EXPECT_EQ(messages[1], L"=====================");
}

}  // namespace
