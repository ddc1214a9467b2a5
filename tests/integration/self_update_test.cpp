// The whole self-update across processes: an old launcher (update_driver.exe) checks against the
// local server, downloads the newer copy it offers and hands over to it; the new copy's update
// receive run replaces the installed executable and starts it.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/FileUtils.h"
#include "app/Paths.h"
#include "support/LauncherProcess.h"
#include "support/Scratch.h"
#include "support/UpdateServer.h"
#include "support/UpdateTest.h"
#include "update/UpdateLog.h"

namespace {

class SelfUpdate : public UpdateTest {
protected:
    void SetUp() override
    {
        UpdateTest::SetUp();
        WriteFileBytes(installed, "the old launcher");
    }
    void TearDown() override
    {
        DeleteFileW(installed.c_str());
        UpdateTest::TearDown();
    }

    // Offers the body as the update and runs the old launcher's update check.
    LauncherRun OfferAndCheck(const std::string& update)
    {
        EXPECT_TRUE(ServeRoutes({ServerRoute("/getClientVersion.php", 200, address),
                                 ServerRoute("/dl/launcher.exe", 200, update)}));
        return RunLauncher(driver, L"update_driver");
    }

    // The old launcher's eight lines of a complete download.
    std::vector<std::wstring> DownloadLines(const std::string& update, const std::wstring& digest) const
    {
        const std::wstring size = std::to_wstring(update.size());
        return {UpdateServerUrl() + L"/getClientVersion.php?p=r6m&g=qz&v=" + GetFileVersionString(driver),
                L"Http QueryInfoStatusCode:200",
                L"Server response check version msg:" + Widen(address),
                L"ExcuUpdate,URL=" + Widen(address),
                L"Http QueryInfoStatusCode:200",
                L"Content length:" + size,
                L"Finish download,file size=" + size,
                L"Finish download,file md5=" + digest};
    }

    std::wstring driver = BinaryFolder() + L"\\update_driver.exe";
    std::wstring installed = GetDataFolder() + L"update_driver.exe";  // where the driver is installed
    std::string address = UpdateServerUrlA() + "/dl/launcher.exe";
};

TEST_F(SelfUpdate, NewerCopyReplacesTheInstalledExecutable)
{
    const std::wstring newer = BinaryFolder() + L"\\launcher_next.exe";
    const std::string update = ReadFileBytes(newer);
    ASSERT_FALSE(update.empty());
    std::wstring digest;
    GetFileMd5(newer, digest);
    ASSERT_EQ(digest.size(), 32u);

    LauncherRun run = OfferAndCheck(update);

    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0u);  // the old process ended inside the update check
    ASSERT_EQ(run.started.size(), 2u);
    if (!run.started[0].empty()) {
        EXPECT_EQ(run.started[0], DownloadedUpdatePath());
    }
    if (!run.started[1].empty()) {
        EXPECT_EQ(run.started[1], installed);
    }
    EXPECT_EQ(ReadFileBytes(installed), update);
    EXPECT_EQ(GetFileVersionString(installed), LAUNCHER_NEXT_FILE_VERSION);

    std::vector<std::wstring> expected = DownloadLines(update, digest);
    expected.push_back(L"Finish download,current file md5=" + digest);
    expected.push_back(L"Update success.Current Version:" LAUNCHER_NEXT_FILE_VERSION);
    expected.push_back(kUpdateLogSeparator);
    EXPECT_EQ(LogMessages(), expected);
    // The range line is added after the answer, so it never reaches the server.
    const std::string requests = SeenRequests();
    EXPECT_NE(requests.find("\"/dl/launcher.exe\""), std::string::npos);
    EXPECT_EQ(requests.find("Range"), std::string::npos);
}

TEST_F(SelfUpdate, UpdateThatCannotBeStartedIsLoggedAndTheOldCopyGoesOn)
{
    const std::string update = "this is not a program";
    LauncherRun run = OfferAndCheck(update);

    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 3u);  // the update check returned to the login
    EXPECT_TRUE(run.started.empty());
    EXPECT_EQ(ReadFileBytes(installed), "the old launcher");
    EXPECT_EQ(ReadFileBytes(DownloadedUpdatePath()), update);

    std::wstring digest;
    GetFileMd5(DownloadedUpdatePath(), digest);
    std::vector<std::wstring> expected = DownloadLines(update, digest);
    expected.push_back(L"Update failure.Error Code:" + std::to_wstring(ERROR_BAD_EXE_FORMAT));
    EXPECT_EQ(LogMessages(), expected);
}

}  // namespace
