#include "update/Installer.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <cwchar>
#include <vector>

#include "app/FileUtils.h"
#include "app/Paths.h"
#include "framework/ResString.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "update/ResourceUnpack.h"

const wchar_t kUninstallKeyName[] = L"TolmexVelmora";

namespace {

const wchar_t kUninstallRoot[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

void CreateFolderIfMissing(const std::wstring& folder)
{
    if (!folder.empty() && !PathFileExistsW(folder.c_str()))
        CreateDirectoryW(folder.c_str(), nullptr);
}

struct UninstallValue {
    const wchar_t* name;
    std::wstring data;
};

std::vector<UninstallValue> UninstallValues(const std::wstring& installedExe)
{
    return {{L"Path", installedExe},
            {L"DisplayName", LoadResString(IDS_GAME_NAME)},
            {L"Publisher", LoadResString(IDS_PLATFORM_CODE)},
            {L"UninstallString", installedExe + L" -u"}};
}

// Written only when the key is new: an entry from an earlier installation is left as it is.
void RegisterUninstallEntry(const std::vector<UninstallValue>& values)
{
    const REGSAM access = KEY_ALL_ACCESS | KEY_WOW64_64KEY;
    HKEY root = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallRoot, 0, access, &root) != ERROR_SUCCESS)
        return;
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(root, kUninstallKeyName, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key,
                        &disposition) == ERROR_SUCCESS && key) {
        if (disposition == REG_CREATED_NEW_KEY) {
            for (const UninstallValue& value : values)
                RegSetValueExW(key, value.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.data.c_str()),
                               static_cast<DWORD>((value.data.size() + 1) * sizeof(wchar_t)));
        }
        RegCloseKey(key);
    }
    RegCloseKey(root);
}

void WriteProfileEntries(const std::wstring& installedExe, const std::vector<UninstallValue>& values)
{
    CWinApp* app = AfxGetApp();
    if (!app || app->GetProfileString(kUninstallKeyName, L"Path", L"no find!") == installedExe)
        return;
    for (const UninstallValue& value : values)
        app->WriteProfileString(kUninstallKeyName, value.name, value.data);
}

}  // namespace

long VersionNumber(const std::wstring& versionText)
{
    std::wstring digits;
    for (wchar_t c : versionText)
        if (c != L'.')
            digits += c;
    return std::wcstol(digits.c_str(), nullptr, 10);
}

bool CreateShortcut(const std::wstring& target, const std::wstring& arguments, const std::wstring& folder,
                    const std::wstring& fileName, bool withIcon)
{
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return false;
    IPersistFile* file = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        link->Release();
        return false;
    }
    link->SetPath(target.c_str());
    link->SetArguments(arguments.c_str());
    link->SetDescription(L"");
    if (withIcon) {
        std::wstring icon = target.substr(0, target.rfind(L'\\')) + L"\\res\\uninstall.ico";
        link->SetIconLocation(icon.c_str(), 0);
    }
    link->SetShowCmd(SW_SHOWNORMAL);
    std::wstring path = ComposePath({folder, L"\\", fileName});
    bool saved = !path.empty() && SUCCEEDED(file->Save(path.c_str(), TRUE));
    file->Release();
    link->Release();
    return saved;
}

void InstallLauncher()
{
    const std::wstring runningExe = RunningExePath();
    CreateFolderIfMissing(PlatformFolder());
    const std::wstring dataFolder = GetDataFolder();
    if (dataFolder.empty())
        return;
    const std::wstring dataFolderPath = dataFolder.substr(0, dataFolder.size() - 1);
    CreateFolderIfMissing(dataFolderPath);
    UnpackResources(dataFolderPath);

    const std::wstring installedExe = InstalledExePath();
    const std::wstring desktopShortcut = DesktopShortcutPath();
    if (!desktopShortcut.empty() && !PathFileExistsW(desktopShortcut.c_str()))
        CreateShortcut(installedExe, L"1", DesktopFolder(), DesktopShortcutName(), false);

    CreateFolderIfMissing(StartMenuGroupFolder());
    const std::wstring startMenu = StartMenuFolder();
    CreateFolderIfMissing(startMenu);
    if (!startMenu.empty()) {
        CreateShortcut(installedExe, L"1", startMenu, GameShortcutName(), false);
        CreateShortcut(installedExe, L"-u", startMenu, UninstallShortcutName(), true);
    }

    const long installedVersion = VersionNumber(GetFileVersionString(installedExe));
    const long runningVersion = VersionNumber(GetFileVersionString(runningExe));
    const std::vector<UninstallValue> values = UninstallValues(installedExe);
    RegisterUninstallEntry(values);
    WriteProfileEntries(installedExe, values);

    if (installedVersion == 0 || installedVersion < runningVersion)
        CopyFileW(runningExe.c_str(), installedExe.c_str(), FALSE);
}
