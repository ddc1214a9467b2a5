#include "app/FileUtils.h"

#include <windows.h>
#include <shlwapi.h>
#include <wincrypt.h>

#include <cstdio>
#include <vector>

#include "framework/FileFind.h"

std::wstring GetFileVersionString(const std::wstring& path)
{
    if (!PathFileExistsW(path.c_str()))
        return std::wstring();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0)
        return L"None VerSion Supprot";
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data()))
        return std::wstring();

    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT bytes = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &bytes))
        return std::wstring();

    std::wstring result;
    for (UINT i = 0; i < bytes / sizeof(Translation); ++i) {
        wchar_t subBlock[64];
        swprintf(subBlock, 64, L"\\StringFileInfo\\%04x%04x\\FileVersion", translations[i].language,
                 translations[i].codePage);
        wchar_t* text = nullptr;
        UINT length = 0;
        if (VerQueryValueW(block.data(), subBlock, reinterpret_cast<void**>(&text), &length) && text)
            result += text;
    }
    return result;
}

bool IsFolderEmpty(const std::wstring& folder)
{
    CFileFind finder;
    if (!finder.FindFile(folder + L"\\*.*"))
        return true;
    bool empty = true;
    BOOL more = TRUE;
    while (more) {
        more = finder.FindNextFile();
        if (!finder.IsDots())
            empty = false;
    }
    finder.Close();
    return empty;
}

void GetFileMd5(const std::wstring& path, std::wstring& digest)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;

    HCRYPTPROV provider = 0;
    HCRYPTHASH hash = 0;
    BYTE value[16] = {};
    DWORD valueSize = 0;
    bool hashed = false;
    if (CryptAcquireContextW(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT)) {
        if (CryptCreateHash(provider, CALG_MD5, 0, 0, &hash)) {
            DWORD size = GetFileSize(file, nullptr);
            std::vector<BYTE> content(size ? size : 1);
            DWORD read = 0;
            if (size != INVALID_FILE_SIZE && ReadFile(file, content.data(), size, &read, nullptr) &&
                CryptHashData(hash, content.data(), read, 0)) {
                DWORD lengthSize = sizeof(valueSize);
                hashed = CryptGetHashParam(hash, HP_HASHSIZE, reinterpret_cast<BYTE*>(&valueSize), &lengthSize, 0) &&
                         valueSize == sizeof(value) &&
                         CryptGetHashParam(hash, HP_HASHVAL, value, &valueSize, 0);
            }
            CryptDestroyHash(hash);
        }
        CryptReleaseContext(provider, 0);
    }
    CloseHandle(file);

    if (!hashed)
        return;
    for (BYTE byte : value) {
        wchar_t hex[3];
        swprintf(hex, 3, L"%02x", byte);
        digest += hex;
    }
}
