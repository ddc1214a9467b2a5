#include "framework/WinApp.h"

#include <ole2.h>

namespace {
CWinApp* g_app = nullptr;
bool g_oleInitialised = false;
}

CWinApp::CWinApp()
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

BOOL CWinApp::InitInstance()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(m_hInstance, path, MAX_PATH);
    std::wstring name = path;
    size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name.erase(0, slash + 1);
    size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos)
        name.erase(dot);
    m_exeName = name;
    return TRUE;
}

int CWinApp::ExitInstance()
{
    if (g_oleInitialised)
        OleUninitialize();
    g_oleInitialised = false;
    return 0;
}

void CWinApp::SetRegistryKey(const std::wstring& key)
{
    m_registryKey = key;
}

std::wstring CWinApp::ProfileKeyPath(const std::wstring& section) const
{
    return L"Software\\" + m_registryKey + L"\\" + m_exeName + L"\\" + section;
}

std::wstring CWinApp::GetProfileString(const std::wstring& section, const std::wstring& entry,
                                       const std::wstring& defaultValue) const
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, ProfileKeyPath(section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return defaultValue;
    std::wstring value = defaultValue;
    DWORD type = 0, bytes = 0;
    if (RegQueryValueExW(key, entry.c_str(), nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS && type == REG_SZ) {
        std::wstring data(bytes / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(key, entry.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&data[0]), &bytes) == ERROR_SUCCESS)
            value = data.c_str();
    }
    RegCloseKey(key);
    return value;
}

BOOL CWinApp::WriteProfileString(const std::wstring& section, const std::wstring& entry,
                                 const std::wstring& value) const
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, ProfileKeyPath(section).c_str(), 0, nullptr, 0, KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return FALSE;
    LONG result = RegSetValueExW(key, entry.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

void AfxEnableControlContainer()
{
    if (!g_oleInitialised)
        g_oleInitialised = SUCCEEDED(OleInitialize(nullptr));
}

int AfxWinMain(HINSTANCE instance)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = instance;
    if (!app->InitInstance())
        return app->ExitInstance();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return app->ExitInstance();
}
