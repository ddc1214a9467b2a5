// Walks the entries matching a search pattern, one at a time.
#pragma once
#include <windows.h>
#include <string>

class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind() { Close(); }
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts the search; FALSE when nothing matches (or the folder does not exist).
    BOOL FindFile(const std::wstring& pattern);
    // Moves to the next entry; FALSE when the entry moved to is the last one (it is still valid).
    BOOL FindNextFile();
    void Close();

    BOOL IsDots() const;

private:
    HANDLE m_hSearch = INVALID_HANDLE_VALUE;
    bool m_hasNext = false;
    WIN32_FIND_DATAW m_next{};
    WIN32_FIND_DATAW m_found{};
};
