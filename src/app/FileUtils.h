// File version, folder emptiness and MD5 digest helpers. None of them raises or reports an error:
// a failure shows as an empty or fixed text, or as an unchanged output.
#pragma once
#include <string>

// The FileVersion text of every translation, joined; empty for a missing file;
// "None VerSion Supprot" for a file without a version resource.
std::wstring GetFileVersionString(const std::wstring& path);

// True when the folder holds nothing but "." and "..", or cannot be searched.
bool IsFolderEmpty(const std::wstring& folder);

// Appends the file's MD5 digest as 32 lower-case hex digits; appends nothing on failure.
void GetFileMd5(const std::wstring& path, std::wstring& digest);
