#include "app/Paths.h"

#include <windows.h>
#include <shlobj.h>

#include "framework/ResString.h"
#include "res/resource.h"

namespace {

std::wstring ShellFolder(int csidl)
{
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &items)) || !items)
        return std::wstring();
    wchar_t path[MAX_PATH] = {};
    BOOL found = SHGetPathFromIDListW(items, path);
    CoTaskMemFree(items);
    return found ? std::wstring(path) : std::wstring();
}

std::wstring& DataFolderCache()
{
    static std::wstring cache;
    return cache;
}

}  // namespace

std::wstring ComposePath(std::initializer_list<std::wstring> parts)
{
    if (parts.size() == 0 || parts.begin()->empty())
        return std::wstring();
    std::wstring path;
    for (const std::wstring& part : parts)
        path += part;
    return path.size() < MAX_PATH ? path : std::wstring();
}

std::wstring FileNameOf(const std::wstring& path)
{
    size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring AppDataFolder()
{
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, path)))
        return std::wstring();
    return path;
}

std::wstring RunningExePath()
{
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(path, length) : std::wstring();
}

std::wstring GetDataFolder()
{
    std::wstring& cache = DataFolderCache();
    if (cache.empty())
        cache = ComposePath({PlatformFolder(), L"\\", LoadResString(IDS_GAME_CODE), L"\\"});
    return cache;
}

std::wstring InstalledExePath() { return ComposePath({GetDataFolder(), FileNameOf(RunningExePath())}); }
std::wstring ResourcesFolder() { return ComposePath({GetDataFolder(), L"res"}); }
std::wstring SettingsFilePath() { return ComposePath({GetDataFolder(), LoadResString(IDS_SETTINGS_FILE)}); }
std::wstring UninstallIconPath() { return ComposePath({ResourcesFolder(), L"\\uninstall.ico"}); }
std::wstring UpdateLogPath() { return ComposePath({GetDataFolder(), L"res\\update.log"}); }
std::wstring CacheFolder() { return ComposePath({AppDataFolder(), L"\\cache"}); }
std::wstring DownloadedUpdatePath() { return ComposePath({CacheFolder(), LoadResString(IDS_DOWNLOAD_FILE)}); }
std::wstring UninstallCopyPath() { return ComposePath({AppDataFolder(), LoadResString(IDS_UNINSTALL_COPY)}); }

std::wstring UpdateSubFolder() { return LoadResString(IDS_PLATFORM_PATH) + LoadResString(IDS_GAME_CODE) + L"\\"; }

std::wstring UpdateTargetPath() { return ComposePath({AppDataFolder(), UpdateSubFolder(), FileNameOf(RunningExePath())}); }

std::wstring PlatformFolder() { return ComposePath({AppDataFolder(), L"\\", LoadResString(IDS_PLATFORM_FOLDER)}); }

std::wstring DesktopFolder() { return ShellFolder(CSIDL_DESKTOP); }
std::wstring ProgramsFolder() { return ShellFolder(CSIDL_PROGRAMS); }

std::wstring DesktopShortcutName()
{
    return LoadResString(IDS_PLATFORM_CODE) + L"《" + LoadResString(IDS_GAME_NAME) + L"》.lnk";
}

std::wstring GameShortcutName() { return LoadResString(IDS_GAME_NAME) + L".lnk"; }
std::wstring UninstallShortcutName() { return LoadResString(IDS_UNINSTALL_NAME) + L".lnk"; }

std::wstring DesktopShortcutPath() { return ComposePath({DesktopFolder(), L"\\", DesktopShortcutName()}); }

std::wstring StartMenuGroupFolder()
{
    return ComposePath({ProgramsFolder(), L"\\", LoadResString(IDS_START_MENU_FOLDER)});
}

std::wstring StartMenuFolder() { return ComposePath({StartMenuGroupFolder(), L"\\", LoadResString(IDS_GAME_NAME)}); }
std::wstring GameShortcutPath() { return ComposePath({StartMenuFolder(), L"\\", GameShortcutName()}); }
std::wstring UninstallShortcutPath() { return ComposePath({StartMenuFolder(), L"\\", UninstallShortcutName()}); }
