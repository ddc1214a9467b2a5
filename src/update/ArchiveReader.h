// Reads a ZIP archive held in memory and extracts its entries below a base folder.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

#include "update/ArchiveEntry.h"

enum ArchiveResult : int {
    kArchiveOk = 0,
    kArchiveBadArgument = 1,
    kArchiveNotOpenable = 2,
    kArchiveCorruptHeader = 3,
    kArchiveReadError = 4,
    kArchiveCreateFailed = 5,
    kArchiveWriteFailed = 6,
    kArchivePasswordRequired = 7,
    kArchiveDecompressError = 8,
};

class ArchiveReader {
public:
    ArchiveReader();
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;

    // The bytes are not copied: they must stay valid until CloseArchive.
    int OpenFromMemory(const void* data, size_t size);
    int SetBaseFolder(const std::wstring& folder);
    // Index -1 gives the number of entries as the record's index.
    int GetEntry(int index, ArchiveEntry& entry);
    // Writes the entry to the base folder + name, replacing an existing file.
    int ExtractEntry(int index, const std::wstring& name);
    void CloseArchive();

    struct MemorySource {
        const unsigned char* data = nullptr;
        unsigned long long size = 0;
        unsigned long long position = 0;
    };

private:
    int MoveTo(int index);
    void CloseCurrentEntry();
    int CopyEntryData(HANDLE file);

    MemorySource m_source;
    void* m_zip = nullptr;  // minizip's unzFile
    int m_entryCount = 0;
    int m_position = -1;      // entry minizip points at
    bool m_entryOpen = false;
    ArchiveEntry m_cached;    // index -1 when nothing is cached
    std::wstring m_baseFolder;
    std::vector<char> m_copyBuffer;
};

// Creates base (when given and missing), then each missing folder of path below it, shortest first.
void EnsureFolder(const std::wstring& base, const std::wstring& path);
