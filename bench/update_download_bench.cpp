// One timed download of an update from the given address, by one of two ways:
//   launcher  the launcher's own download code (CUpdater::ExcuUpdate: 1,024-byte reads, file
//             writes, log lines and the digest; the body is no program, so the hand-over fails
//             and the call returns)
//   bare      a bare WinINet loop with the same 1,024-byte reads, the bytes thrown away
// Prints "<wall seconds> <cpu seconds> <bytes> <digest seconds>" on one line. The last is how
// long the launcher's digest of the downloaded file takes on its own, timed once more after the
// download (0 for the bare loop); it is not part of the first two.
#include <windows.h>
#include <shlobj.h>
#include <wininet.h>

#include <cstdio>
#include <string>

#include "app/FileUtils.h"
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

double WallSeconds()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Timing {
    double wall = 0, cpu = 0, digest = 0;
    unsigned long long bytes = 0;
};

template <typename Work>
void Time(Timing& timing, Work work)
{
    double wall = WallSeconds(), cpu = CpuSeconds();
    work();
    timing.wall = WallSeconds() - wall;
    timing.cpu = CpuSeconds() - cpu;
}

// The launcher's download, logging into the update log as it does, into a file of its own.
Timing LauncherDownload(CUpdater& updater, const std::wstring& url)
{
    Timing timing;
    Time(timing, [&] { updater.ExcuUpdate(url); });

    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExW(updater.m_strTempFile.c_str(), GetFileExInfoStandard, &data);
    timing.bytes = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    double start = WallSeconds();
    std::wstring digest;
    GetFileMd5(updater.m_strTempFile, digest);
    timing.digest = WallSeconds() - start;
    DeleteFileW(updater.m_strTempFile.c_str());
    return timing;
}

Timing BareDownload(const std::wstring& url)
{
    Timing timing;
    Time(timing, [&] {
        HINTERNET session = InternetOpenW(L"bench", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
        HINTERNET request =
            session ? InternetOpenUrlW(session, url.c_str(), nullptr, 0, INTERNET_FLAG_TRANSFER_ASCII, 1) : nullptr;
        if (request) {
            char buffer[1024];
            DWORD read = 0;
            while (InternetReadFile(request, buffer, sizeof(buffer), &read) && read > 0)
                timing.bytes += read;
            InternetCloseHandle(request);
        }
        if (session)
            InternetCloseHandle(session);
    });
    return timing;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3 || (wcscmp(argv[1], L"launcher") != 0 && wcscmp(argv[1], L"bare") != 0)) {
        fwprintf(stderr, L"usage: update_download_bench launcher|bare <address>\n");
        return 2;
    }
    // Both ways start from the same process state: the folders made and the updater constructed.
    SHCreateDirectoryExW(nullptr, ResourcesFolder().c_str(), nullptr);
    CUpdater updater(L"\\bench_update.exe", L"\\bench\\");
    Timing timing = wcscmp(argv[1], L"launcher") == 0 ? LauncherDownload(updater, argv[2]) : BareDownload(argv[2]);
    printf("%.6f %.6f %llu %.6f\n", timing.wall, timing.cpu, timing.bytes, timing.digest);
    return timing.bytes > 0 ? 0 : 1;
}
