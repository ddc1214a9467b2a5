#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "app/Paths.h"
#include "support/Scratch.h"
#include "update/UpdateLog.h"

namespace {

SYSTEMTIME Time(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    return time;
}

std::string Utf16Bytes(const std::wstring& text)
{
    std::string bytes;
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

TEST(FormatUpdateLogLine, PadsEveryFieldWithBlanks)
{
    struct Case {
        SYSTEMTIME time;
        std::wstring message;
        std::wstring line;
    } cases[] = {
        {Time(2017, 1, 3, 9, 5, 7), L"Finish Update.", L"2017- 1- 3  9: 5: 7 : \tUpdateModule\tFinish Update."},
        {Time(2024, 1, 1, 0, 0, 0), L"x", L"2024- 1- 1  0: 0: 0 : \tUpdateModule\tx"},
        {Time(2026, 12, 31, 23, 59, 58), L"", L"2026-12-31 23:59:58 : \tUpdateModule\t"},
        {Time(2026, 12, 31, 23, 59, 58), L"a\tb\r\nc", L"2026-12-31 23:59:58 : \tUpdateModule\ta\tb\r\nc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatUpdateLogLine(c.time, c.message), c.line);
}

class UpdateLogFile : public testing::Test {
protected:
    void SetUp() override { RemoveTree(ResourcesFolder()); }
    void TearDown() override { RemoveTree(ResourcesFolder()); }

    static void MakeResourcesFolder() { SHCreateDirectoryExW(nullptr, ResourcesFolder().c_str(), nullptr); }

    // Writes one line and checks its exact bytes against the clock read around the call.
    static std::string WriteAndExpectLine(const std::wstring& message)
    {
        SYSTEMTIME before, after;
        GetLocalTime(&before);
        EXPECT_EQ(WriteUpdateLog(message), 0);
        GetLocalTime(&after);
        std::string early = Utf16Bytes(FormatUpdateLogLine(before, message) + L"\r\n");
        std::string late = Utf16Bytes(FormatUpdateLogLine(after, message) + L"\r\n");
        std::string log = ReadFileBytes(UpdateLogPath());
        std::string tail = log.size() >= early.size() ? log.substr(log.size() - early.size()) : log;
        EXPECT_TRUE(tail == early || tail == late);
        return log;
    }
};

TEST_F(UpdateLogFile, FirstLineStartsTheFileWithoutByteOrderMark)
{
    MakeResourcesFolder();
    std::string log = WriteAndExpectLine(L"http://127.0.0.1/getClientVersion.php?v=1.0.0.5");
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.substr(0, 2), std::string("2\0", 2));
}

TEST_F(UpdateLogFile, AppendsToAnExistingLogAndKeepsOddMessagesUnchanged)
{
    MakeResourcesFolder();
    const std::string earlier = Utf16Bytes(L"earlier line\r\n");
    WriteFileBytes(UpdateLogPath(), earlier);
    WriteAndExpectLine(L"");
    WriteAndExpectLine(L"tab\there\r\nsecond row");
    std::wstring text = Utf16Text(ReadFileBytes(UpdateLogPath()));
    std::vector<std::wstring> lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], L"earlier line");
    EXPECT_EQ(lines[1].substr(lines[1].size() - 14), L"\tUpdateModule\t");
    EXPECT_EQ(lines[3], L"second row");
}

TEST_F(UpdateLogFile, MissingResourcesFolderLosesTheLineAndCreatesNothing)
{
    EXPECT_EQ(WriteUpdateLog(L"lost"), -1);
    EXPECT_FALSE(FileExists(ResourcesFolder()));
}

TEST_F(UpdateLogFile, LogHeldOpenElsewhereIsLeftAsItWas)
{
    MakeResourcesFolder();
    const std::string earlier = Utf16Bytes(L"kept\r\n");
    WriteFileBytes(UpdateLogPath(), earlier);
    HANDLE held = CreateFileW(UpdateLogPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WriteUpdateLog(L"lost"), -1);
    CloseHandle(held);
    EXPECT_EQ(ReadFileBytes(UpdateLogPath()), earlier);
}

TEST_F(UpdateLogFile, TrimDeletesOnlyALogPastTheLimit)
{
    MakeResourcesFolder();
    for (ULONGLONG size : {kUpdateLogSizeLimit, kUpdateLogSizeLimit + 1}) {
        HANDLE file = CreateFileW(UpdateLogPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        LARGE_INTEGER end;
        end.QuadPart = static_cast<LONGLONG>(size);
        SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
        TrimUpdateLog();
        EXPECT_EQ(FileExists(UpdateLogPath()), size == kUpdateLogSizeLimit) << size;
    }
    TrimUpdateLog();  // no log at all is fine too
}

}  // namespace
