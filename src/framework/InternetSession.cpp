#include "framework/InternetSession.h"

#include <vector>

#include "framework/WinApp.h"

namespace {

std::wstring InternetErrorText(DWORD error)
{
    // WinINet keeps the texts of its own codes (12000 and up) in its module, not in the system's.
    bool own = error >= INTERNET_ERROR_BASE && error < INTERNET_ERROR_BASE + 1000;
    return SystemErrorText(error, own ? GetModuleHandleW(L"wininet.dll") : nullptr);
}

}  // namespace

CInternetException::CInternetException(DWORD error) : CException(InternetErrorText(error)), m_dwError(error) {}

CHttpFile::~CHttpFile()
{
    if (m_hRequest)
        InternetCloseHandle(m_hRequest);
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& statusCode) const
{
    statusCode = 0;
    DWORD size = sizeof(statusCode);
    return HttpQueryInfoW(m_hRequest, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &statusCode, &size, nullptr);
}

BOOL CHttpFile::QueryInfo(DWORD infoLevel, std::wstring& value, DWORD* index) const
{
    value.clear();
    DWORD start = index ? *index : 0;
    DWORD bytes = 0;
    DWORD probe = start;
    HttpQueryInfoW(m_hRequest, infoLevel, nullptr, &bytes, &probe);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || bytes == 0)
        return FALSE;
    std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    DWORD at = start;
    if (!HttpQueryInfoW(m_hRequest, infoLevel, text.data(), &bytes, &at))
        return FALSE;
    value.assign(text.data(), bytes / sizeof(wchar_t));
    if (index)
        *index = at;
    return TRUE;
}

BOOL CHttpFile::AddRequestHeaders(const std::wstring& headers, DWORD modifiers)
{
    return HttpAddRequestHeadersW(m_hRequest, headers.c_str(), static_cast<DWORD>(headers.size()), modifiers);
}

UINT CHttpFile::Read(void* buffer, UINT count)
{
    DWORD read = 0;
    if (!InternetReadFile(m_hRequest, buffer, count, &read))
        throw CInternetException(GetLastError());
    return read;
}

void CHttpFile::Close()
{
    if (m_hRequest) {
        InternetCloseHandle(m_hRequest);
        m_hRequest = nullptr;
    }
}

CInternetSession::CInternetSession(const wchar_t* agent, DWORD_PTR context, DWORD accessType,
                                   const wchar_t* proxyName, const wchar_t* proxyBypass, DWORD flags)
    : m_context(context)
{
    // Without an agent of its own the session is known by the application's name.
    CWinApp* app = AfxGetApp();
    if (!agent && app && !app->m_exeName.empty())
        agent = app->m_exeName.c_str();
    m_hSession = InternetOpenW(agent, accessType, proxyName, proxyBypass, flags);
    if (!m_hSession)
        throw CInternetException(GetLastError());
}

CInternetSession::~CInternetSession()
{
    Close();
}

BOOL CInternetSession::SetOption(DWORD option, DWORD value)
{
    return InternetSetOptionW(m_hSession, option, &value, sizeof(value));
}

std::unique_ptr<CHttpFile> CInternetSession::OpenURL(const std::wstring& url, DWORD_PTR context, DWORD flags,
                                                     const wchar_t* headers, DWORD headersLength)
{
    HINTERNET request = InternetOpenUrlW(m_hSession, url.c_str(), headers, headersLength, flags, context);
    if (!request)
        throw CInternetException(GetLastError());
    return std::make_unique<CHttpFile>(request);
}

void CInternetSession::Close()
{
    if (m_hSession) {
        InternetCloseHandle(m_hSession);
        m_hSession = nullptr;
    }
}
