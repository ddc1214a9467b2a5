#include "framework/Exception.h"

BOOL CException::GetErrorMessage(wchar_t* buffer, UINT maxChars) const
{
    if (!buffer || maxChars == 0)
        return FALSE;
    size_t count = m_message.size() < maxChars - 1 ? m_message.size() : maxChars - 1;
    m_message.copy(buffer, count);
    buffer[count] = L'\0';
    return !m_message.empty();
}

std::wstring SystemErrorText(DWORD code, HMODULE messageSource)
{
    wchar_t* text = nullptr;
    DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                  (messageSource ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM);
    DWORD length = FormatMessageW(flags, messageSource, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring result;
    if (length && text) {
        result.assign(text, length);
        while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r'))
            result.pop_back();
    }
    LocalFree(text);
    if (result.empty())
        result = L"Error " + std::to_wstring(code);
    return result;
}

CFileException::CFileException(DWORD osError, const std::wstring& fileName)
    : CException(SystemErrorText(osError) + (fileName.empty() ? L"" : L" (" + fileName + L")"))
{
}
