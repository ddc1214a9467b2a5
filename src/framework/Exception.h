// Exception types raised by the framework's wrappers around platform calls.
#pragma once
#include <windows.h>
#include <string>

class CException {
public:
    explicit CException(std::wstring message) : m_message(std::move(message)) {}
    virtual ~CException() = default;

    // Copies the description into the caller's buffer, cut to fit it; FALSE when there is none.
    BOOL GetErrorMessage(wchar_t* buffer, UINT maxChars) const;
    const std::wstring& Text() const { return m_message; }

protected:
    std::wstring m_message;
};

// A failed file operation, described by the system's text for its error code.
class CFileException : public CException {
public:
    CFileException(DWORD osError, const std::wstring& fileName);
};

// The system's own description of an error code, without the trailing line break.
std::wstring SystemErrorText(DWORD code, HMODULE messageSource = nullptr);
