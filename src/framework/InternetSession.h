// HTTP over WinINet: a session that opens addresses and the response it hands back. Failed calls
// raise CInternetException carrying WinINet's own description of the error.
#pragma once
#include <windows.h>
#include <wininet.h>

#include <memory>
#include <string>

#include "framework/Exception.h"

class CInternetException : public CException {
public:
    explicit CInternetException(DWORD error);
    DWORD m_dwError;
};

// The response to one request, opened by CInternetSession::OpenURL.
class CHttpFile {
public:
    explicit CHttpFile(HINTERNET request) : m_hRequest(request) {}
    ~CHttpFile();
    CHttpFile(const CHttpFile&) = delete;
    CHttpFile& operator=(const CHttpFile&) = delete;

    // FALSE when the status line cannot be read; the code is then 0.
    BOOL QueryInfoStatusCode(DWORD& statusCode) const;
    // A response header as text; FALSE (and an empty text) when the response has no such header.
    BOOL QueryInfo(DWORD infoLevel, std::wstring& value, DWORD* index = nullptr) const;
    // Adds header lines to the request this response belongs to.
    BOOL AddRequestHeaders(const std::wstring& headers, DWORD modifiers = HTTP_ADDREQ_FLAG_ADD);
    // Reads up to count body bytes; 0 at the end of the body. Raises CInternetException.
    UINT Read(void* buffer, UINT count);
    void Close();

private:
    HINTERNET m_hRequest;
};

class CInternetSession {
public:
    // A null agent sends the application's name. Raises CInternetException when WinINet
    // cannot open a session.
    explicit CInternetSession(const wchar_t* agent = nullptr, DWORD_PTR context = 1,
                              DWORD accessType = INTERNET_OPEN_TYPE_PRECONFIG, const wchar_t* proxyName = nullptr,
                              const wchar_t* proxyBypass = nullptr, DWORD flags = 0);
    ~CInternetSession();
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

    BOOL SetOption(DWORD option, DWORD value);
    // Sends a GET for the address and waits for the response headers; redirects are followed.
    // Raises CInternetException when no response arrives.
    std::unique_ptr<CHttpFile> OpenURL(const std::wstring& url, DWORD_PTR context = 1,
                                       DWORD flags = INTERNET_FLAG_TRANSFER_ASCII, const wchar_t* headers = nullptr,
                                       DWORD headersLength = 0);
    void Close();

private:
    HINTERNET m_hSession = nullptr;
    DWORD_PTR m_context;
};
