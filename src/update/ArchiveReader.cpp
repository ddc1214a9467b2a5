#include "update/ArchiveReader.h"

#include <unzip.h>

#include <cstring>

namespace {

constexpr size_t kCopyBufferSize = 16384;

using Source = ArchiveReader::MemorySource;

voidpf ZCALLBACK OpenSource(voidpf, const void* source, int)
{
    return const_cast<void*>(source);
}

uLong ZCALLBACK ReadSource(voidpf, voidpf stream, void* buffer, uLong size)
{
    Source* source = static_cast<Source*>(stream);
    unsigned long long left = source->position < source->size ? source->size - source->position : 0;
    uLong count = static_cast<uLong>(left < size ? left : size);
    memcpy(buffer, source->data + source->position, count);
    source->position += count;
    return count;
}

uLong ZCALLBACK WriteSource(voidpf, voidpf, const void*, uLong)
{
    return 0;
}

ZPOS64_T ZCALLBACK TellSource(voidpf, voidpf stream)
{
    return static_cast<Source*>(stream)->position;
}

long ZCALLBACK SeekSource(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    Source* source = static_cast<Source*>(stream);
    unsigned long long base = origin == ZLIB_FILEFUNC_SEEK_CUR   ? source->position
                              : origin == ZLIB_FILEFUNC_SEEK_END ? source->size
                                                                 : 0;
    if (offset > source->size || base > source->size - offset)
        return -1;
    source->position = base + offset;
    return 0;
}

int ZCALLBACK CloseSource(voidpf, voidpf)
{
    return 0;
}

int ZCALLBACK SourceError(voidpf, voidpf)
{
    return 0;
}

std::wstring Utf8ToWide(const char* text)
{
    int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (length <= 1)
        return std::wstring();
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, &wide[0], length);
    wide.resize(length - 1);
    return wide;
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

void EnsureFolder(const std::wstring& base, const std::wstring& path)
{
    if (!base.empty() && !Exists(base))
        CreateDirectoryW(base.c_str(), nullptr);
    if (path.empty())
        return;
    size_t last = path.find_last_of(L"\\/");
    if (last != std::wstring::npos && last > 0)
        EnsureFolder(base, path.substr(0, last));
    std::wstring folder = base + path;
    if (!Exists(folder))
        CreateDirectoryW(folder.c_str(), nullptr);
}

ArchiveReader::ArchiveReader()
{
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    m_baseFolder = std::wstring(current) + L"\\";
}

ArchiveReader::~ArchiveReader()
{
    CloseArchive();
}

int ArchiveReader::OpenFromMemory(const void* data, size_t size)
{
    CloseArchive();
    if (!data)
        return kArchiveBadArgument;
    m_source = Source{static_cast<const unsigned char*>(data), size, 0};
    zlib_filefunc64_def functions = {OpenSource, ReadSource, WriteSource, TellSource,
                                     SeekSource, CloseSource, SourceError, nullptr};
    m_zip = unzOpen2_64(&m_source, &functions);
    unz_global_info64 info;
    if (!m_zip || unzGetGlobalInfo64(m_zip, &info) != UNZ_OK || info.number_entry > 0x7FFFFFFF) {
        CloseArchive();
        return kArchiveNotOpenable;
    }
    m_entryCount = static_cast<int>(info.number_entry);
    m_position = m_entryCount > 0 ? 0 : -1;
    m_cached = ArchiveEntry();
    return kArchiveOk;
}

int ArchiveReader::SetBaseFolder(const std::wstring& folder)
{
    if (folder.size() >= MAX_PATH - 1)
        return kArchiveBadArgument;
    m_baseFolder = folder;
    if (m_baseFolder.empty() || (m_baseFolder.back() != L'\\' && m_baseFolder.back() != L'/'))
        m_baseFolder += L'\\';
    return kArchiveOk;
}

void ArchiveReader::CloseCurrentEntry()
{
    if (m_entryOpen)
        unzCloseCurrentFile(m_zip);
    m_entryOpen = false;
}

int ArchiveReader::MoveTo(int index)
{
    if (index < m_position || m_position < 0) {
        if (unzGoToFirstFile(m_zip) != UNZ_OK)
            return kArchiveCorruptHeader;
        m_position = 0;
    }
    while (m_position < index) {
        if (unzGoToNextFile(m_zip) != UNZ_OK)
            return kArchiveCorruptHeader;
        ++m_position;
    }
    return kArchiveOk;
}

int ArchiveReader::GetEntry(int index, ArchiveEntry& entry)
{
    if (!m_zip || index < -1 || index >= m_entryCount)
        return kArchiveBadArgument;
    CloseCurrentEntry();
    if (index != -1 && index == m_cached.index) {
        entry = m_cached;
        return kArchiveOk;
    }
    if (index == -1) {
        entry = ArchiveEntry();
        entry.index = m_entryCount;
        return kArchiveOk;
    }
    if (int result = MoveTo(index))
        return result;

    unz_file_info64 info;
    char rawName[MAX_PATH] = {};
    if (unzGetCurrentFileInfo64(m_zip, &info, rawName, MAX_PATH - 1, nullptr, 0, nullptr, 0) != UNZ_OK)
        return kArchiveCorruptHeader;

    // Opening the entry checks its local header against the directory and gives its extra field.
    if (unzOpenCurrentFile(m_zip) != UNZ_OK)
        return kArchiveCorruptHeader;
    m_entryOpen = true;
    int extraLength = unzGetLocalExtrafield(m_zip, nullptr, 0);
    std::vector<unsigned char> extra(extraLength > 0 ? extraLength : 0);
    if (extraLength < 0 || (extraLength > 0 && unzGetLocalExtrafield(m_zip, extra.data(), extraLength) != extraLength)) {
        CloseCurrentEntry();
        return kArchiveReadError;
    }
    CloseCurrentEntry();

    ArchiveEntry record;
    record.index = index;
    record.name = CleanArchiveEntryName(Utf8ToWide(rawName));
    record.attributes = ArchiveEntryAttributes(info.version, info.external_fa);
    record.compressedSize = static_cast<DWORD>(info.compressed_size);
    record.uncompressedSize = static_cast<DWORD>(info.uncompressed_size);
    record.modificationTime = record.accessTime = record.creationTime = DosDateTimeToFileTime(info.dosDate);
    ApplyExtendedTimes(extra, record);

    m_cached = record;
    entry = record;
    return kArchiveOk;
}

int ArchiveReader::ExtractEntry(int index, const std::wstring& name)
{
    CloseCurrentEntry();
    if (!m_zip || index < 0 || index >= m_entryCount)
        return kArchiveBadArgument;
    ArchiveEntry entry;
    if (int result = GetEntry(index, entry))
        return result;
    if (int result = MoveTo(index))
        return result;

    const std::wstring safeName = CleanArchiveEntryName(name);
    if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) {
        EnsureFolder(m_baseFolder, safeName);
        return kArchiveOk;
    }
    size_t split = safeName.find_last_of(L"\\/");
    std::wstring folderPart = split == std::wstring::npos ? std::wstring() : safeName.substr(0, split + 1);
    std::wstring target = m_baseFolder + safeName;
    if (target.size() >= MAX_PATH)
        return kArchiveCreateFailed;
    EnsureFolder(m_baseFolder, folderPart);

    HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              entry.attributes ? entry.attributes : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return kArchiveCreateFailed;
    int result = CopyEntryData(file);
    if (result == kArchiveOk)
        SetFileTime(file, &entry.creationTime, &entry.accessTime, &entry.modificationTime);
    CloseHandle(file);
    return result;
}

int ArchiveReader::CopyEntryData(HANDLE file)
{
    unz_file_info64 info;
    if (unzGetCurrentFileInfo64(m_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return kArchiveCorruptHeader;
    if (info.flag & 1)  // encrypted: there is no password to give
        return kArchivePasswordRequired;
    if (unzOpenCurrentFile(m_zip) != UNZ_OK)
        return kArchiveCorruptHeader;
    m_entryOpen = true;
    if (m_copyBuffer.empty())
        m_copyBuffer.resize(kCopyBufferSize);

    int result = kArchiveOk;
    for (;;) {
        int read = unzReadCurrentFile(m_zip, m_copyBuffer.data(), static_cast<unsigned>(m_copyBuffer.size()));
        if (read < 0) {
            result = kArchiveDecompressError;
            break;
        }
        if (read == 0) {
            if (!unzeof(m_zip))
                result = kArchiveDecompressError;
            break;
        }
        DWORD written = 0;
        if (!WriteFile(file, m_copyBuffer.data(), static_cast<DWORD>(read), &written, nullptr) ||
            written != static_cast<DWORD>(read)) {
            result = kArchiveWriteFailed;
            break;
        }
    }
    // Closing after a complete read checks the CRC: damaged data is not reported as extracted.
    bool checked = unzCloseCurrentFile(m_zip) == UNZ_OK;
    m_entryOpen = false;
    if (result == kArchiveOk && !checked)
        result = kArchiveDecompressError;
    return result;
}

void ArchiveReader::CloseArchive()
{
    if (m_zip) {
        CloseCurrentEntry();
        unzClose(m_zip);
    }
    m_zip = nullptr;
    m_entryCount = 0;
    m_position = -1;
    m_cached = ArchiveEntry();
    m_copyBuffer.clear();
    m_copyBuffer.shrink_to_fit();
}
