// The self-update: ask the version server whether a newer build exists, download it into the
// cache folder, check its size, log its digest and hand over to it with "-d <installed exe>".
#pragma once
#include <string>

// The version server's answer names a download when it is longer than five characters and does
// not read as a negative number (wcstol, base 10); anything else, the empty text too, means current.
bool IsDownloadAnswer(const std::wstring& answer);

// Lives for one update check. Every step writes what it did to the update log.
class CUpdater {
public:
    // Makes the cache folder when it is missing and deletes a download left from an earlier run.
    CUpdater(const std::wstring& downloadFileName, const std::wstring& subFolder);

    // Asks the server; true when an update is due, its address then in m_strDownloadUrl.
    bool CheckVersion(const std::wstring& serverBase, const std::wstring& queryPath, const std::wstring& version);
    // The body of the answer to m_strVersionUrl, at most 1,023 bytes of it; empty on any failure.
    std::wstring HttpGetText();
    // Downloads the address into m_strTempFile. After a complete download the process ends here,
    // handing over to the new copy; it returns when the download or the start of the copy failed.
    void ExcuUpdate(const std::wstring& url);

    std::wstring m_strVersionUrl;
    std::wstring m_strTempFile;    // the downloaded update
    std::wstring m_strTargetFile;  // the installed executable
    std::wstring m_strSubFolder;   // the data folder below the application-data folder, "\...\"
    std::wstring m_strDownloadUrl;
};

// Starts the downloaded update with "-d <installed exe>" and ends this process. When the copy
// cannot be started it logs the failure and returns, so the current copy carries on.
void LaunchNewVersion(const std::wstring& downloadedUpdate, const std::wstring& installedExe);

// The update check of one run: trims the log, asks the version server and, when an update is
// due, downloads it and hands over (the process then ends inside this call).
void RunUpdateCheck();
