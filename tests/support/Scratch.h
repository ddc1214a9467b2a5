// Scratch folders and files for tests, and the redirection of the user's shell folders into them.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// A fresh folder under the test run's scratch root, removed with everything in it at destruction.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring operator/(const std::wstring& child) const { return m_path + L"\\" + child; }

private:
    std::wstring m_path;
};

// Points the per-user AppData, Desktop and Programs folders of the prefix at scratch folders
// for the lifetime of the object, and puts the old values back afterwards.
class ScopedShellFolders {
public:
    explicit ScopedShellFolders(const std::wstring& root);
    ~ScopedShellFolders();
    ScopedShellFolders(const ScopedShellFolders&) = delete;
    ScopedShellFolders& operator=(const ScopedShellFolders&) = delete;

    std::wstring appData, desktop, programs;

private:
    struct Saved {
        std::wstring name;
        bool existed;
        std::wstring value;
    };
    std::vector<Saved> m_saved;
};

// The folder holding the test executables, launcher.exe and the fixtures.
std::wstring BinaryFolder();
// The running test's scratch root (one per test process).
std::wstring ScratchRoot();

std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);
ULONGLONG LastWriteTime(const std::wstring& path);  // 100-ns units, UTC
void RemoveTree(const std::wstring& path);
// The UTF-16LE text of a byte string (the update log's encoding), without conversion of line ends.
std::wstring Utf16Text(const std::string& bytes);
// Lines of a text split at CRLF; a trailing CRLF does not start an empty line.
std::vector<std::wstring> SplitCrLf(const std::wstring& text);

// The scratch shell folders the whole test run uses (set up by the test entry point).
const ScopedShellFolders& TestShellFolders();
