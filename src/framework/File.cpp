#include "framework/File.h"

CFile::~CFile()
{
    if (m_hFile != INVALID_HANDLE_VALUE)
        CloseHandle(m_hFile);
}

BOOL CFile::Open(const std::wstring& fileName, UINT openFlags, CFileException* error)
{
    if (m_hFile != INVALID_HANDLE_VALUE)
        Close();

    DWORD access = 0;
    switch (openFlags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    default: access = GENERIC_READ | GENERIC_WRITE; break;
    }
    DWORD share = 0;
    switch (openFlags & 0x70) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: share = 0; break;
    }
    DWORD disposition = OPEN_EXISTING;
    if (openFlags & modeCreate)
        disposition = (openFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    SECURITY_ATTRIBUTES security = {sizeof(security), nullptr, FALSE};
    HANDLE handle = CreateFileW(fileName.c_str(), access, share, &security, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        if (error)
            *error = CFileException(GetLastError(), fileName);
        return FALSE;
    }
    m_hFile = handle;
    m_fileName = fileName;
    return TRUE;
}

void CFile::ThrowLastError() const
{
    throw CFileException(GetLastError(), m_fileName);
}

void CFile::Write(const void* buffer, UINT count)
{
    DWORD written = 0;
    if (!WriteFile(m_hFile, buffer, count, &written, nullptr))
        ThrowLastError();
    if (written != count)
        throw CFileException(ERROR_DISK_FULL, m_fileName);
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from)
{
    LARGE_INTEGER distance, position;
    distance.QuadPart = offset;
    if (!SetFilePointerEx(m_hFile, distance, &position, from))
        ThrowLastError();
    return static_cast<ULONGLONG>(position.QuadPart);
}

void CFile::Close()
{
    if (m_hFile == INVALID_HANDLE_VALUE)
        return;
    BOOL closed = CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    if (!closed)
        ThrowLastError();
}
