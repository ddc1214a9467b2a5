#include "support/Scratch.h"

#include <shlobj.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {
const wchar_t kShellFoldersKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

std::wstring ParentFolder(const std::wstring& path)
{
    return path.substr(0, path.find_last_of(L'\\'));
}
}  // namespace

std::wstring BinaryFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return ParentFolder(path);
}

std::wstring ScratchRoot()
{
    static std::wstring root;
    if (root.empty()) {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        root = std::wstring(temp) + L"lt" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(root.c_str(), nullptr);
    }
    return root;
}

ScratchFolder::ScratchFolder(const std::wstring& name) : m_path(ScratchRoot() + L"\\" + name)
{
    RemoveTree(m_path);
    if (SHCreateDirectoryExW(nullptr, m_path.c_str(), nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create scratch folder");
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(m_path);
}

ScopedShellFolders::ScopedShellFolders(const std::wstring& root)
    : appData(root + L"\\AppData"), desktop(root + L"\\Desktop"), programs(root + L"\\Programs")
{
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, kShellFoldersKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    const std::pair<const wchar_t*, const std::wstring*> folders[] = {
        {L"AppData", &appData}, {L"Desktop", &desktop}, {L"Programs", &programs}};
    for (const auto& [name, path] : folders) {
        wchar_t old[1024] = {};
        DWORD bytes = sizeof(old) - sizeof(wchar_t);
        bool existed = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &bytes) == ERROR_SUCCESS;
        m_saved.push_back({name, existed, old});
        RegSetValueExW(key, name, 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(path->c_str()),
                       static_cast<DWORD>((path->size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
    // Only now: the shell's desktop folder object keeps the path it sees first in a process.
    for (const auto& folder : folders)
        SHCreateDirectoryExW(nullptr, folder.second->c_str(), nullptr);
}

ScopedShellFolders::~ScopedShellFolders()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    for (const Saved& saved : m_saved) {
        if (saved.existed)
            RegSetValueExW(key, saved.name.c_str(), 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(saved.value.c_str()),
                           static_cast<DWORD>((saved.value.size() + 1) * sizeof(wchar_t)));
        else
            RegDeleteValueW(key, saved.name.c_str());
    }
    RegCloseKey(key);
}

std::string ReadFileBytes(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot write test file");
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

bool FileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

ULONGLONG LastWriteTime(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

void RemoveTree(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) || (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileW(path.c_str()))
            RemoveDirectoryW(path.c_str());
        return;
    }
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L"..")
                RemoveTree(path + L"\\" + name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(path.c_str());
}

std::wstring Utf16Text(const std::string& bytes)
{
    std::wstring text(bytes.size() / 2, L'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return text;
}

std::vector<std::wstring> SplitCrLf(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
