// A file handle with the open modes and the raising read, write and seek of the framework.
#pragma once
#include "framework/Exception.h"

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
    };
    enum SeekPosition : UINT { begin = FILE_BEGIN, current = FILE_CURRENT, end = FILE_END };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE on failure, with the reason in *error when given; never raises.
    BOOL Open(const std::wstring& fileName, UINT openFlags, CFileException* error = nullptr);
    // These raise CFileException on failure.
    void Write(const void* buffer, UINT count);
    ULONGLONG Seek(LONGLONG offset, UINT from);
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    void Close();

    HANDLE m_hFile = INVALID_HANDLE_VALUE;

private:
    [[noreturn]] void ThrowLastError() const;
    std::wstring m_fileName;
};
