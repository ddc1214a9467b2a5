#include "update/Uninstaller.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "app/FileUtils.h"
#include "app/Paths.h"

namespace {

constexpr size_t kSourceListChars = 256;  // the item, then the two NULs that end the list

void RemoveFolderIfEmpty(const std::wstring& folder)
{
    if (!folder.empty() && IsFolderEmpty(folder))
        RemoveShellItem(folder);
}

}  // namespace

bool RemoveShellItem(const std::wstring& path)
{
    if (path.empty() || path.size() > kSourceListChars - 2)
        return false;
    wchar_t source[kSourceListChars] = {};
    path.copy(source, path.size());

    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = source;
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO;
    if (SHFileOperationW(&operation) != 0)
        return false;

    const std::wstring parent = path.substr(0, path.rfind(L'\\'));
    SHChangeNotify(SHCNE_RMDIR | SHCNE_INTERRUPT, SHCNF_PATHW | SHCNF_FLUSH, path.c_str(), nullptr);
    SHChangeNotify(SHCNE_UPDATEDIR | SHCNE_INTERRUPT, SHCNF_PATHW | SHCNF_FLUSH, parent.c_str(), nullptr);
    return true;
}

void RemoveInstallation(const std::wstring& installedExe)
{
    RemoveShellItem(DesktopShortcutPath());
    RemoveShellItem(UninstallShortcutPath());
    RemoveShellItem(GameShortcutPath());

    if (PathFileExistsW(installedExe.c_str()))
        DeleteFileW(installedExe.c_str());
    // Without a folder in the path there is no resources folder to name: nothing more goes.
    const size_t slash = installedExe.rfind(L'\\');
    if (slash != std::wstring::npos)
        RemoveShellItem(installedExe.substr(0, slash) + L"\\res");

    RemoveFolderIfEmpty(StartMenuFolder());
    RemoveFolderIfEmpty(StartMenuGroupFolder());
}
