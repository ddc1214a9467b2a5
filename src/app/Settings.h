// Reading and writing keys of the per-user settings file (res\systemset.ini in the data folder).
#pragma once
#include <string>

// The value (at most 259 characters), or the default when the file, section or key is missing.
std::wstring ReadSetting(const std::wstring& section, const std::wstring& key, const std::wstring& defaultValue);
void WriteSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value);

// The number a setting's text stands for, read as the C library's wcstol does in base 10.
long SettingNumber(const std::wstring& text);

// The value of the "start" key once the embedded resources have been unpacked.
constexpr long kResourcesUnpackedMarker = 1001;
bool IsResourcesUnpackedMarker(const std::wstring& text);
