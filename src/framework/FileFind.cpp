#include "framework/FileFind.h"

BOOL CFileFind::FindFile(const std::wstring& pattern)
{
    Close();
    m_hSearch = FindFirstFileW(pattern.c_str(), &m_next);
    if (m_hSearch == INVALID_HANDLE_VALUE)
        return FALSE;
    m_hasNext = true;
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_hasNext)
        return FALSE;
    m_found = m_next;
    m_hasNext = ::FindNextFileW(m_hSearch, &m_next) != FALSE;
    return m_hasNext;
}

void CFileFind::Close()
{
    if (m_hSearch != INVALID_HANDLE_VALUE)
        FindClose(m_hSearch);
    m_hSearch = INVALID_HANDLE_VALUE;
    m_hasNext = false;
}

BOOL CFileFind::IsDots() const
{
    return wcscmp(m_found.cFileName, L".") == 0 || wcscmp(m_found.cFileName, L"..") == 0;
}
