// One timed download of an update from the given address, by one of two ways:
//   launcher  the launcher's own download code (CUpdater::ExcuUpdate: 1,024-byte reads, file
//             writes, log lines and the digest; the body is no program, so the hand-over fails
//             and the call returns)
//   bare      a bare WinINet loop with the same 1,024-byte reads, the bytes thrown away
// Prints "<wall seconds> <cpu seconds> <bytes>" on one line.
#include <windows.h>
#include <shlobj.h>
#include <wininet.h>

#include <cstdio>
#include <string>

#include "app/Paths.h"
#include "update/Updater.h"

namespace {

double Seconds(const FILETIME& time)
{
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return Seconds(kernel) + Seconds(user);
}

// The launcher's download, logging into the update log as it does, into a file of its own.
unsigned long long LauncherDownload(const std::wstring& url)
{
    SHCreateDirectoryExW(nullptr, ResourcesFolder().c_str(), nullptr);
    CUpdater updater(L"\\bench_update.exe", L"\\bench\\");
    updater.ExcuUpdate(url);
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExW(updater.m_strTempFile.c_str(), GetFileExInfoStandard, &data);
    DeleteFileW(updater.m_strTempFile.c_str());
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

unsigned long long BareDownload(const std::wstring& url)
{
    unsigned long long total = 0;
    HINTERNET session = InternetOpenW(L"bench", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    HINTERNET request = session ? InternetOpenUrlW(session, url.c_str(), nullptr, 0, INTERNET_FLAG_TRANSFER_ASCII, 1)
                                : nullptr;
    if (request) {
        char buffer[1024];
        DWORD read = 0;
        while (InternetReadFile(request, buffer, sizeof(buffer), &read) && read > 0)
            total += read;
        InternetCloseHandle(request);
    }
    if (session)
        InternetCloseHandle(session);
    return total;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3 || (wcscmp(argv[1], L"launcher") != 0 && wcscmp(argv[1], L"bare") != 0)) {
        fwprintf(stderr, L"usage: update_download_bench launcher|bare <address>\n");
        return 2;
    }
    const bool launcher = wcscmp(argv[1], L"launcher") == 0;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    double cpuStart = CpuSeconds();
    QueryPerformanceCounter(&start);
    unsigned long long bytes = launcher ? LauncherDownload(argv[2]) : BareDownload(argv[2]);
    QueryPerformanceCounter(&end);
    double cpu = CpuSeconds() - cpuStart;
    double wall = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    printf("%.6f %.6f %llu\n", wall, cpu, bytes);
    return bytes > 0 ? 0 : 1;
}
