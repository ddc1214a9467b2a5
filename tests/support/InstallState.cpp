#include "support/InstallState.h"

#include <shlobj.h>

#include "app/Paths.h"
#include "support/Scratch.h"

const wchar_t kUninstallEntryKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TolmexVelmora";
std::wstring ProfileSectionKey()
{
    std::wstring name = FileNameOf(RunningExePath());
    return L"Software\\应用程序向导生成的本地应用程序\\" + name.substr(0, name.rfind(L'.')) + L"\\TolmexVelmora";
}

ShortcutInfo ReadShortcut(const std::wstring& path)
{
    ShortcutInfo info;
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return info;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
            wchar_t text[MAX_PATH] = {};
            info.loaded = true;
            link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
            info.target = text;
            text[0] = 0;
            link->GetArguments(text, MAX_PATH);
            info.arguments = text;
            text[0] = 0;
            link->GetIconLocation(text, MAX_PATH, &info.iconIndex);
            info.iconPath = text;
            link->GetShowCmd(&info.showCommand);
        }
        file->Release();
    }
    link->Release();
    return info;
}

RegistryValue ReadRegistryValue(HKEY root, const std::wstring& key, const std::wstring& name, REGSAM view)
{
    RegistryValue value;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | view, &opened) != ERROR_SUCCESS)
        return value;
    wchar_t data[1024] = {};
    value.bytes = sizeof(data) - sizeof(wchar_t);
    value.found = RegQueryValueExW(opened, name.c_str(), nullptr, &value.type, reinterpret_cast<BYTE*>(data),
                                   &value.bytes) == ERROR_SUCCESS;
    value.text = data;
    RegCloseKey(opened);
    return value;
}

void ClearInstallation()
{
    RemoveTree(PlatformFolder());
    RemoveTree(DesktopShortcutPath());
    RemoveTree(StartMenuGroupFolder());
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kUninstallEntryKey, KEY_WOW64_64KEY, 0);
    RegDeleteKeyW(HKEY_CURRENT_USER, ProfileSectionKey().c_str());
}

CWinApp InstallationTest::app;

void InstallationTest::SetUpTestSuite()
{
    CoInitialize(nullptr);
    app.InitInstance();
    app.SetRegistryKey(L"应用程序向导生成的本地应用程序");
}
