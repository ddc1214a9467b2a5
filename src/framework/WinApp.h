// The application object: start-up and exit hooks and the per-user profile in the registry.
#pragma once
#include <windows.h>
#include <string>

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returning FALSE skips the message loop: the framework goes straight to ExitInstance.
    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Profile values live under HKEY_CURRENT_USER\Software\<key>\<executable base name>\<section>.
    void SetRegistryKey(const std::wstring& key);
    std::wstring GetProfileString(const std::wstring& section, const std::wstring& entry,
                                  const std::wstring& defaultValue = L"") const;
    BOOL WriteProfileString(const std::wstring& section, const std::wstring& entry,
                            const std::wstring& value) const;

    HINSTANCE m_hInstance = nullptr;
    std::wstring m_exeName;  // base name of the executable, without extension

private:
    std::wstring ProfileKeyPath(const std::wstring& section) const;
    std::wstring m_registryKey;
};

CWinApp* AfxGetApp();
// The body of wWinMain: start-up, then (when it asks for it) the message loop, then exit.
int AfxWinMain(HINSTANCE instance);
// Lets dialogs host ActiveX controls (initialises OLE on this thread).
void AfxEnableControlContainer();
