// The version check against the local update server: the answer rule, the status rule, the log
// lines of every outcome, and the log trim and cache preparation of a whole check.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/FileUtils.h"
#include "app/Paths.h"
#include "framework/InternetSession.h"
#include "support/Scratch.h"
#include "support/UpdateServer.h"
#include "support/UpdateTest.h"
#include "update/UpdateLog.h"
#include "update/Updater.h"

namespace {

const wchar_t kQuery[] = L"getClientVersion.php?p=r6m&g=qz&v=";

class VersionCheck : public UpdateTest {
protected:
    static std::wstring SubFolder() { return L"\\r6m_3\\qz\\"; }
};

TEST_F(VersionCheck, AnswerDecidesAndEveryOutcomeLeavesItsLines)
{
    const std::string address = UpdateServerUrlA() + "/dl/new.exe";
    struct Case {
        const char* name;
        ServerRoute route;
        bool due;
        std::wstring answer;  // the text logged and, when due, kept as the download address
    } cases[] = {
        {"zero", ServerRoute("/getClientVersion.php", 200, "0"), false, L"0"},
        {"minus one", ServerRoute("/getClientVersion.php", 200, "-1"), false, L"-1"},
        {"five digits", ServerRoute("/getClientVersion.php", 200, "12345"), false, L"12345"},
        {"empty body", ServerRoute("/getClientVersion.php", 200, ""), false, L""},
        {"six digits", ServerRoute("/getClientVersion.php", 200, "123456"), true, L"123456"},
        {"minus and six digits", ServerRoute("/getClientVersion.php", 200, "-123456"), false, L"-123456"},
        {"address and CRLF", ServerRoute("/getClientVersion.php", 200, address + "\r\n"), true, Widen(address) + L"\r\n"},
        {"zero byte ends the text", ServerRoute("/getClientVersion.php", 200, std::string("12\0" "3456789", 10)), false, L"12"},
        {"exactly the buffer", ServerRoute("/getClientVersion.php", 200, address + std::string(1024 - address.size(), 'a')),
         true, Widen(address) + std::wstring(1023 - address.size(), L'a')},
        {"longer than the buffer", ServerRoute("/getClientVersion.php", 200, address + std::string(5000, 'b')), true,
         Widen(address) + std::wstring(1023 - address.size(), L'b')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(ServeRoutes({c.route}));
        DeleteFileW(UpdateLogPath().c_str());
        CUpdater updater(L"\\jnqztmp.exe", SubFolder());

        EXPECT_EQ(updater.CheckVersion(UpdateServerUrl(), kQuery, L"1.0.0.5"), c.due);
        EXPECT_EQ(updater.m_strVersionUrl, UpdateServerUrl() + L"/" + kQuery + L"1.0.0.5");
        EXPECT_EQ(updater.m_strDownloadUrl, c.due ? c.answer : L"");
        // A line break in the answer splits its log line; the log keeps the answer unchanged.
        std::vector<std::wstring> expected = {L"Http QueryInfoStatusCode:200"};
        for (const std::wstring& line : SplitCrLf(L"Server response check version msg:" + c.answer + L"\r\n"))
            expected.push_back(line);
        if (!c.due) {
            expected.push_back(L"Finish Update.");
            expected.push_back(kUpdateLogSeparator);
        }
        EXPECT_EQ(LogMessages(), expected);
    }
}

TEST_F(VersionCheck, BytesThatAreNotTextAreConvertedFromTheAnsiCodePage)
{
    const std::string body = "\xff\xfe\x81\x30\xd6\xd0\xce\xc4\x80";
    ASSERT_TRUE(ServeRoutes({ServerRoute("/getClientVersion.php", 200, body)}));
    int length = MultiByteToWideChar(CP_THREAD_ACP, 0, body.c_str(), -1, nullptr, 0);
    std::wstring converted(length, L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, body.c_str(), -1, converted.data(), length);
    converted.resize(wcslen(converted.c_str()));

    CUpdater updater(L"\\jnqztmp.exe", SubFolder());
    EXPECT_EQ(updater.CheckVersion(UpdateServerUrl(), kQuery, L"1.0.0.5"), IsDownloadAnswer(converted));
    std::vector<std::wstring> log = LogMessages();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[1], L"Server response check version msg:" + converted);
}

TEST_F(VersionCheck, StatusDecidesWhetherTheBodyIsRead)
{
    struct Case {
        const char* name;
        std::vector<ServerRoute> routes;
        long status;
        bool due;
    } cases[] = {
        {"404 with an address as body", {ServerRoute("/getClientVersion.php", 404, "http://127.0.0.1/dl/new.exe")}, 404, false},
        {"400 is already an error", {ServerRoute("/getClientVersion.php", 400, "123456")}, 400, false},
        {"399 is not", {ServerRoute("/getClientVersion.php", 399, "123456")}, 399, true},
        {"302 to an answer", {ServerRoute("/getClientVersion.php", 302).RedirectTo("/answer"), ServerRoute("/answer", 200, "123456")},
         200, true},
        {"302 to a missing answer", {ServerRoute("/getClientVersion.php", 302).RedirectTo("/gone"), ServerRoute("/gone", 404, "123456")},
         404, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(ServeRoutes(c.routes));
        DeleteFileW(UpdateLogPath().c_str());
        CUpdater updater(L"\\jnqztmp.exe", SubFolder());

        EXPECT_EQ(updater.CheckVersion(UpdateServerUrl(), kQuery, L"1.0.0.5"), c.due);
        std::vector<std::wstring> expected = {L"Http QueryInfoStatusCode:" + std::to_wstring(c.status),
                                              c.due ? L"Server response check version msg:123456"
                                                    : L"Server response check version msg:"};
        if (!c.due) {
            expected.push_back(L"Finish Update.");
            expected.push_back(kUpdateLogSeparator);
        }
        EXPECT_EQ(LogMessages(), expected);
    }
}

TEST_F(VersionCheck, RefusedConnectionLogsWinInetsOwnDescription)
{
    CUpdater updater(L"\\jnqztmp.exe", SubFolder());
    EXPECT_FALSE(updater.CheckVersion(L"http://127.0.0.1:1", kQuery, L"1.0.0.5"));

    const std::wstring description = CInternetException(ERROR_INTERNET_CANNOT_CONNECT).Text();
    EXPECT_NE(description, L"Error 12029");  // the text comes from wininet.dll, not a stand-in
    std::vector<std::wstring> expected = {L"Try Download File Exception", description,
                                          L"Server response check version msg:", L"Finish Update.", kUpdateLogSeparator};
    EXPECT_EQ(LogMessages(), expected);
}

TEST_F(VersionCheck, ConstructionMakesTheCacheFolderAndDeletesALeftoverDownload)
{
    EXPECT_FALSE(FileExists(CacheFolder()));
    { CUpdater first(L"\\jnqztmp.exe", SubFolder()); }
    EXPECT_TRUE(FileExists(CacheFolder()));

    WriteFileBytes(DownloadedUpdatePath(), "left from an earlier run");
    CUpdater updater(L"\\jnqztmp.exe", SubFolder());
    EXPECT_FALSE(FileExists(DownloadedUpdatePath()));
    EXPECT_EQ(updater.m_strTempFile, DownloadedUpdatePath());
    EXPECT_EQ(updater.m_strTargetFile, UpdateTargetPath());
    EXPECT_EQ(updater.m_strSubFolder, SubFolder());
    EXPECT_FALSE(FileExists(UpdateLogPath()));  // nothing is logged before the first request
}

TEST_F(VersionCheck, RunWithoutUpdateLeavesFiveLinesAfterTheLogTrim)
{
    ASSERT_TRUE(ServeRoutes({ServerRoute("/getClientVersion.php", 200, "0")}));
    const std::wstring version = GetFileVersionString(RunningExePath());
    ASSERT_EQ(version, L"1.0.0.5");
    const std::wstring query = UpdateServerUrl() + L"/" + kQuery + version;
    const std::vector<std::wstring> fiveLines = {query, L"Http QueryInfoStatusCode:200",
                                                 L"Server response check version msg:0", L"Finish Update.", kUpdateLogSeparator};

    for (ULONGLONG size : {kUpdateLogSizeLimit, kUpdateLogSizeLimit + 1}) {
        SCOPED_TRACE(size);
        // 524,288 old lines of 20 bytes fill the limit exactly; the odd size has one byte more.
        std::string old;
        const std::string line("o\0l\0d\0 \0l\0i\0n\0e\0\r\0\n\0", 20);
        while (old.size() + line.size() <= size)
            old += line;
        old.resize(static_cast<size_t>(size), '\0');
        WriteFileBytes(UpdateLogPath(), old);
        RunUpdateCheck();

        std::vector<std::wstring> log = LogMessages();
        if (size > kUpdateLogSizeLimit) {
            EXPECT_EQ(log, fiveLines);
        } else {
            ASSERT_GE(log.size(), 5u);
            EXPECT_EQ(std::vector<std::wstring>(log.end() - 5, log.end()), fiveLines);
            EXPECT_EQ(ReadFileBytes(UpdateLogPath()).substr(0, old.size()), old);
        }
    }
    EXPECT_NE(SeenRequests().find("\"/getClientVersion.php?p=r6m&g=qz&v=1.0.0.5\""), std::string::npos);
}

}  // namespace
