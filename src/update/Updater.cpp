#include "update/Updater.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <vector>

#include "app/FileUtils.h"
#include "app/Paths.h"
#include "app/ProcessStart.h"
#include "framework/File.h"
#include "framework/InternetSession.h"
#include "framework/ResString.h"
#include "res/resource.h"
#include "update/UpdateLog.h"

namespace {

constexpr DWORD kConnectTimeoutMs = 5000;
constexpr UINT kTransferBufferSize = 1024;  // both the answer buffer and the download buffer
constexpr DWORD kFirstErrorStatus = 400;

// Hands the body to the file in pieces of 64 KiB: under Wine one file write per 1,024-byte read
// costs a noticeable share of the transfer. Only a piece is held, never the whole body.
class WriteBehind {
public:
    explicit WriteBehind(CFile& file) : m_file(file), m_buffer(64 * 1024) {}

    void Add(const char* bytes, UINT count)
    {
        if (m_used + count > m_buffer.size())
            Flush();
        memcpy(m_buffer.data() + m_used, bytes, count);
        m_used += count;
    }
    void Flush()
    {
        UINT count = m_used;
        m_used = 0;
        if (count)
            m_file.Write(m_buffer.data(), count);
    }

private:
    CFile& m_file;
    std::vector<char> m_buffer;
    UINT m_used = 0;
};

std::wstring NumberLine(const wchar_t* format, long value)
{
    wchar_t line[128];
    swprintf(line, 128, format, value);
    return line;
}

void LogException(const CException& error)
{
    wchar_t description[255];
    error.GetErrorMessage(description, 255);
    WriteUpdateLog(L"Try Download File Exception");
    WriteUpdateLog(description);
}

void LogStatus(const CHttpFile& response, DWORD& status)
{
    response.QueryInfoStatusCode(status);
    WriteUpdateLog(NumberLine(L"Http QueryInfoStatusCode:%ld", static_cast<long>(status)));
}

std::wstring VersionQueryUrl(const std::wstring& serverBase, const std::wstring& queryPath, const std::wstring& version)
{
    return serverBase + L"/" + queryPath + version;
}

}  // namespace

bool IsDownloadAnswer(const std::wstring& answer)
{
    return answer.size() > 5 && std::wcstol(answer.c_str(), nullptr, 10) >= 0;
}

CUpdater::CUpdater(const std::wstring& downloadFileName, const std::wstring& subFolder)
{
    std::wstring cache = CacheFolder();
    if (!cache.empty() && !PathFileExistsW(cache.c_str()))
        CreateDirectoryW(cache.c_str(), nullptr);
    m_strTempFile = ComposePath({cache, downloadFileName});
    if (!m_strTempFile.empty() && PathFileExistsW(m_strTempFile.c_str()))
        DeleteFileW(m_strTempFile.c_str());
    m_strTargetFile = ComposePath({AppDataFolder(), subFolder, FileNameOf(RunningExePath())});
    m_strSubFolder = subFolder;
}

bool CUpdater::CheckVersion(const std::wstring& serverBase, const std::wstring& queryPath, const std::wstring& version)
{
    m_strVersionUrl = VersionQueryUrl(serverBase, queryPath, version);
    std::wstring answer = HttpGetText();
    WriteUpdateLog(L"Server response check version msg:" + answer);
    if (!IsDownloadAnswer(answer)) {
        WriteUpdateLog(L"Finish Update.");
        WriteUpdateLog(kUpdateLogSeparator);
        return false;
    }
    m_strDownloadUrl = answer;
    return true;
}

std::wstring CUpdater::HttpGetText()
{
    try {
        CInternetSession session(nullptr, 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
        session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, kConnectTimeoutMs);
        std::unique_ptr<CHttpFile> response = session.OpenURL(m_strVersionUrl, 1, INTERNET_FLAG_TRANSFER_ASCII);
        DWORD status = 0;
        LogStatus(*response, status);
        if (status >= kFirstErrorStatus)
            return std::wstring();

        // The last byte always stays zero: a longer answer is cut, never written past the buffer.
        char buffer[kTransferBufferSize] = {};
        UINT used = 0;
        while (used < sizeof(buffer) - 1) {
            UINT read = response->Read(buffer + used, sizeof(buffer) - 1 - used);
            if (read == 0)
                break;
            used += read;
        }
        response->Close();
        session.Close();

        int length = MultiByteToWideChar(CP_THREAD_ACP, 0, buffer, -1, nullptr, 0);
        std::wstring text(length > 0 ? length : 1, L'\0');
        if (length > 0)
            MultiByteToWideChar(CP_THREAD_ACP, 0, buffer, -1, text.data(), length);
        text.resize(wcslen(text.c_str()));
        return text;
    } catch (const CException& error) {
        LogException(error);
        return std::wstring();
    }
}

void CUpdater::ExcuUpdate(const std::wstring& url)
{
    WriteUpdateLog(L"ExcuUpdate,URL=" + url);
    try {
        CInternetSession session(nullptr, 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
        std::unique_ptr<CHttpFile> response = session.OpenURL(url, 1, INTERNET_FLAG_TRANSFER_ASCII);
        DWORD status = 0;
        LogStatus(*response, status);
        if (status >= kFirstErrorStatus)
            return;

        std::wstring lengthText;
        DWORD index = 0;
        response->QueryInfo(HTTP_QUERY_CONTENT_LENGTH, lengthText, &index);
        const long announced = std::wcstol(lengthText.c_str(), nullptr, 10);
        WriteUpdateLog(NumberLine(L"Content length:%ld", announced));

        // The download normally starts empty: the constructor removed any leftover.
        HANDLE existing = CreateFileW(m_strTempFile.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (existing == INVALID_HANDLE_VALUE)
            return;
        const DWORD startOffset = GetFileSize(existing, nullptr);
        CloseHandle(existing);
        if (static_cast<long long>(startOffset) == announced) {
            WriteUpdateLog(L"ERROR!Before download dwFileSize == dwToatlSize,exit");
            return;
        }

        // The response is already in, so this line no longer reaches the server: the body that
        // follows starts at its first byte whatever the start offset.
        wchar_t range[64];
        swprintf(range, 64, L"Range: bytes=%d-%d", static_cast<int>(startOffset), static_cast<int>(announced));
        response->AddRequestHeaders(range, HTTP_ADDREQ_FLAG_ADD_IF_NEW);
        index = 0;
        response->QueryInfo(HTTP_QUERY_CONTENT_LENGTH, lengthText, &index);

        CFile file;
        if (!file.Open(m_strTempFile, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite))
            return;
        file.SeekToEnd();
        DWORD received = 0;
        char buffer[kTransferBufferSize];
        WriteBehind staged(file);
        try {
            for (;;) {
                ZeroMemory(buffer, sizeof(buffer));
                UINT read = response->Read(buffer, sizeof(buffer));
                if (read == 0)
                    break;
                staged.Add(buffer, read);
                received += read;
            }
        } catch (const CException&) {
            staged.Flush();  // the bytes received so far stay in the file
            throw;
        }
        staged.Flush();
        file.Close();
        response->Close();

        if (static_cast<long long>(startOffset) + received != announced)
            return;
        WriteUpdateLog(NumberLine(L"Finish download,file size=%ld", announced));
        std::wstring digest;
        GetFileMd5(m_strTempFile, digest);
        WriteUpdateLog(L"Finish download,file md5=" + digest);
        LaunchNewVersion(m_strTempFile, m_strTargetFile);
    } catch (const CException& error) {
        LogException(error);
    }
}

void LaunchNewVersion(const std::wstring& downloadedUpdate, const std::wstring& installedExe)
{
    const std::wstring commandLine = L"-d " + installedExe;
    if (StartLauncherCopy(downloadedUpdate, commandLine.c_str()))
        exit(0);
    // Ending here would leave no launcher running at all: record why and let the login go on.
    const DWORD error = GetLastError();
    WriteUpdateLog(NumberLine(L"Update failure.Error Code:%ld", static_cast<long>(error)));
}

void RunUpdateCheck()
{
    TrimUpdateLog();
    const std::wstring downloadFileName = LoadResString(IDS_DOWNLOAD_FILE);
    CUpdater updater(downloadFileName, UpdateSubFolder());

    const std::wstring version = GetFileVersionString(RunningExePath());
    const std::wstring server = LoadResString(IDS_VERSION_SERVER);
    const std::wstring query = LoadResString(IDS_VERSION_QUERY);
    WriteUpdateLog(VersionQueryUrl(server, query, version));
    if (updater.CheckVersion(server, query, version))
        updater.ExcuUpdate(updater.m_strDownloadUrl);
}
