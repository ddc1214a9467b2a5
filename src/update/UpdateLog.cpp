#include "update/UpdateLog.h"

#include <cstdio>

#include "app/Paths.h"
#include "framework/File.h"

const wchar_t kUpdateLogSeparator[] = L"=====================";

std::wstring FormatUpdateLogLine(const SYSTEMTIME& time, const std::wstring& message)
{
    wchar_t stamp[64];
    swprintf(stamp, 64, L"%2d-%2d-%2d %2d:%2d:%2d : \t", time.wYear, time.wMonth, time.wDay, time.wHour,
             time.wMinute, time.wSecond);
    return stamp + std::wstring(L"UpdateModule\t") + message;
}

int WriteUpdateLog(const std::wstring& message)
{
    std::wstring path = UpdateLogPath();
    if (path.empty())
        return -1;
    SYSTEMTIME now;
    GetLocalTime(&now);
    std::wstring line = FormatUpdateLogLine(now, message) + L"\r\n";

    try {
        CFile file;
        // Open or create, never truncate: an existing log must survive a failed first open.
        if (!file.Open(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite))
            return -1;
        file.SeekToEnd();
        file.Write(line.data(), static_cast<UINT>(line.size() * sizeof(wchar_t)));
        file.Close();
    } catch (const CException&) {
        return -1;
    }
    return 0;
}

void TrimUpdateLog()
{
    std::wstring path = UpdateLogPath();
    WIN32_FILE_ATTRIBUTE_DATA attributes;
    if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes))
        return;
    ULONGLONG size = (static_cast<ULONGLONG>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
    if (size > kUpdateLogSizeLimit)
        DeleteFileW(path.c_str());
}
