#include "app/Settings.h"

#include <windows.h>

#include <cwchar>

#include "app/Paths.h"

std::wstring ReadSetting(const std::wstring& section, const std::wstring& key, const std::wstring& defaultValue)
{
    std::wstring file = SettingsFilePath();
    if (file.empty())
        return defaultValue;
    wchar_t value[MAX_PATH] = {};
    GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultValue.c_str(), value, MAX_PATH, file.c_str());
    return value;
}

void WriteSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value)
{
    std::wstring file = SettingsFilePath();
    if (!file.empty())
        WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

long SettingNumber(const std::wstring& text)
{
    return std::wcstol(text.c_str(), nullptr, 10);
}

bool IsResourcesUnpackedMarker(const std::wstring& text)
{
    return SettingNumber(text) == kResourcesUnpackedMarker;
}
