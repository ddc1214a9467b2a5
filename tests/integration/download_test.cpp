// The download's outcomes that return to the caller: each leaves exactly its log lines, leaves
// the downloaded update as described and starts nothing (the test process itself goes on).
#include <gtest/gtest.h>

#include <windows.h>

#include "app/Paths.h"
#include "framework/InternetSession.h"
#include "support/Scratch.h"
#include "support/UpdateServer.h"
#include "support/UpdateTest.h"
#include "update/Updater.h"

namespace {

enum class Leftover {
    None,
    Undeletable,  // held open while the updater is made, so it survives with its old bytes
    HeldOpen,     // held open for the whole download
};

using Download = UpdateTest;

TEST_F(Download, FailuresReturnWithTheirLinesAndStartNothing)
{
    const std::wstring url = UpdateServerUrl() + L"/dl/new.exe";
    const std::string body = PatternBytes(5000);
    const std::string old = "old bytes of an earlier download";
    struct Case {
        const char* name;
        std::vector<ServerRoute> routes;
        Leftover leftover;
        std::vector<std::wstring> lines;  // after "ExcuUpdate,URL=..."
        bool fileExists;
        std::string fileBytes;
    } cases[] = {
        {"status 404", {ServerRoute("/dl/new.exe", 404, body)}, Leftover::None, {L"Http QueryInfoStatusCode:404"}, false, ""},
        {"302 to a missing file",
         {ServerRoute("/dl/new.exe", 302).RedirectTo("/dl/gone.exe"), ServerRoute("/dl/gone.exe", 404, body)},
         Leftover::None, {L"Http QueryInfoStatusCode:404"}, false, ""},
        {"no Content-Length", {ServerRoute("/dl/new.exe", 200, body).Length("absent")}, Leftover::None,
         {L"Http QueryInfoStatusCode:200", L"Content length:0", L"ERROR!Before download dwFileSize == dwToatlSize,exit"},
         true, ""},
        {"body cut short", {ServerRoute("/dl/new.exe", 200, body).CutAfter(3000)}, Leftover::None,
         {L"Http QueryInfoStatusCode:200", L"Content length:5000"}, true, body.substr(0, 3000)},
        {"fewer bytes than announced", {ServerRoute("/dl/new.exe", 200, body).Length("6000")}, Leftover::None,
         {L"Http QueryInfoStatusCode:200", L"Content length:6000"}, true, body},
        {"leftover that could not be deleted", {ServerRoute("/dl/new.exe", 200, body)}, Leftover::Undeletable,
         {L"Http QueryInfoStatusCode:200", L"Content length:5000"}, true, old + body},
        {"leftover as long as announced", {ServerRoute("/dl/new.exe", 200, body).Length(std::to_string(old.size()))},
         Leftover::Undeletable,
         {L"Http QueryInfoStatusCode:200", L"Content length:" + std::to_wstring(old.size()),
          L"ERROR!Before download dwFileSize == dwToatlSize,exit"},
         true, old},
        {"download file cannot be opened", {ServerRoute("/dl/new.exe", 200, body)}, Leftover::HeldOpen,
         {L"Http QueryInfoStatusCode:200", L"Content length:5000"}, true, old},
    };
    CreateDirectoryW(CacheFolder().c_str(), nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(ServeRoutes(c.routes));
        DeleteFileW(UpdateLogPath().c_str());
        DeleteFileW(DownloadedUpdatePath().c_str());
        HANDLE held = INVALID_HANDLE_VALUE;
        if (c.leftover != Leftover::None) {
            WriteFileBytes(DownloadedUpdatePath(), old);
            held = CreateFileW(DownloadedUpdatePath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        }
        CUpdater updater(L"\\jnqztmp.exe", L"\\r6m_3\\qz\\");
        if (c.leftover == Leftover::Undeletable)
            CloseHandle(held);

        updater.ExcuUpdate(url);
        if (c.leftover == Leftover::HeldOpen)
            CloseHandle(held);

        std::vector<std::wstring> expected = {L"ExcuUpdate,URL=" + url};
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
        EXPECT_EQ(LogMessages(), expected);
        EXPECT_EQ(FileExists(DownloadedUpdatePath()), c.fileExists);
        EXPECT_EQ(ReadFileBytes(DownloadedUpdatePath()), c.fileBytes);
    }
}

TEST_F(Download, RefusedConnectionLogsTheException)
{
    const std::wstring url = L"http://127.0.0.1:1/dl/new.exe";
    CUpdater updater(L"\\jnqztmp.exe", L"\\r6m_3\\qz\\");
    updater.ExcuUpdate(url);
    std::vector<std::wstring> expected = {L"ExcuUpdate,URL=" + url, L"Try Download File Exception",
                                          CInternetException(ERROR_INTERNET_CANNOT_CONNECT).Text()};
    EXPECT_EQ(LogMessages(), expected);
    EXPECT_FALSE(FileExists(DownloadedUpdatePath()));
}

}  // namespace
