// Every folder and file the launcher uses, composed from the branding strings in one place.
// A composed path that would not fit a MAX_PATH buffer is refused: the result is empty.
#pragma once
#include <string>
#include <initializer_list>

// Plain concatenation; empty when the first part is empty or the whole would not fit MAX_PATH.
std::wstring ComposePath(std::initializer_list<std::wstring> parts);
// The part of a path after its last backslash.
std::wstring FileNameOf(const std::wstring& path);

std::wstring AppDataFolder();      // the user's roaming application-data folder
std::wstring RunningExePath();     // the executable of this process
std::wstring GetDataFolder();      // %APPDATA%\<platform>\<game>\ with its trailing backslash, cached

std::wstring InstalledExePath();   // data folder + own file name
std::wstring ResourcesFolder();    // data folder + "res"
std::wstring SettingsFilePath();   // data folder + "res//systemset.ini"
std::wstring UninstallIconPath();  // resources folder + "\uninstall.ico"
std::wstring UpdateLogPath();      // data folder + "res\update.log"
std::wstring CacheFolder();        // %APPDATA%\cache
std::wstring DownloadedUpdatePath();
std::wstring UpdateSubFolder();    // "\<platform>\<game>\", the data folder below %APPDATA%
std::wstring UpdateTargetPath();
std::wstring UninstallCopyPath();

std::wstring PlatformFolder();     // %APPDATA%\<platform>, the data folder's parent

std::wstring DesktopFolder();         // the user's desktop
std::wstring ProgramsFolder();        // the user's start-menu programs
std::wstring DesktopShortcutName();   // "<platform>《<game>》.lnk"
std::wstring GameShortcutName();      // "<game>.lnk"
std::wstring UninstallShortcutName(); // "卸载-<game>.lnk"
std::wstring DesktopShortcutPath();
std::wstring StartMenuGroupFolder();  // programs\<game-platform>
std::wstring StartMenuFolder();       // programs\<game-platform>\<game>
std::wstring GameShortcutPath();
std::wstring UninstallShortcutPath();
