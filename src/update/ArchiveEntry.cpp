#include "update/ArchiveEntry.h"

namespace {

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

// Removes every ".." component that is left, so the name stays below the base folder.
std::wstring DropParentComponents(const std::wstring& name)
{
    std::wstring result;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = start;
        while (end < name.size() && !IsSeparator(name[end]))
            ++end;
        std::wstring component = name.substr(start, end - start);
        bool hasSeparator = end < name.size();
        if (component != L"..")
            result += component + (hasSeparator ? std::wstring(1, name[end]) : std::wstring());
        start = end + 1;
    }
    return result;
}

FILETIME UnixSecondsToFileTime(long seconds)
{
    ULONGLONG units = (static_cast<LONGLONG>(seconds) + 11644473600LL) * 10000000ULL;
    return FILETIME{static_cast<DWORD>(units), static_cast<DWORD>(units >> 32)};
}

}  // namespace

std::wstring CleanArchiveEntryName(std::wstring name)
{
    static const wchar_t* const kParentSteps[] = {L"\\..\\", L"\\../", L"/../", L"/..\\"};
    for (bool changed = true; changed;) {
        changed = false;
        if (name.size() >= 2 && name[1] == L':') {
            name.erase(0, 2);
            changed = true;
        }
        if (!name.empty() && IsSeparator(name[0])) {
            name.erase(0, 1);
            changed = true;
        }
        for (const wchar_t* step : kParentSteps) {
            size_t at = name.find(step);
            if (at != std::wstring::npos) {
                name.erase(0, at + wcslen(step));
                changed = true;
                break;
            }
        }
    }
    return DropParentComponents(name);
}

DWORD ArchiveEntryAttributes(unsigned long versionMadeBy, unsigned long externalAttributes)
{
    const unsigned long host = (versionMadeBy >> 8) & 0xFF;
    const unsigned long a = externalAttributes;
    bool readOnly, hidden, system, directory, archive;
    if (host == 0 || host == 7 || host == 11 || host == 14) {  // MS-DOS, Macintosh, NTFS, VFAT
        readOnly = a & 0x01;
        hidden = a & 0x02;
        system = a & 0x04;
        directory = a & 0x10;
        archive = a & 0x20;
    } else {
        directory = a & 0x40000000;
        readOnly = !(a & 0x00800000);  // owner write permission clear
        archive = true;
        hidden = system = false;
    }
    return (readOnly ? FILE_ATTRIBUTE_READONLY : 0) | (hidden ? FILE_ATTRIBUTE_HIDDEN : 0) |
           (system ? FILE_ATTRIBUTE_SYSTEM : 0) | (directory ? FILE_ATTRIBUTE_DIRECTORY : 0) |
           (archive ? FILE_ATTRIBUTE_ARCHIVE : 0);
}

FILETIME DosDateTimeToFileTime(unsigned long dosDateTime)
{
    const unsigned long date = dosDateTime >> 16, time = dosDateTime & 0xFFFF;
    SYSTEMTIME local = {};
    local.wYear = static_cast<WORD>((date >> 9) + 1980);
    local.wMonth = static_cast<WORD>((date >> 5) & 0x0F);
    local.wDay = static_cast<WORD>(date & 0x1F);
    local.wHour = static_cast<WORD>((time >> 11) & 0x1F);
    local.wMinute = static_cast<WORD>((time >> 5) & 0x3F);
    local.wSecond = static_cast<WORD>(2 * (time & 0x1F));
    SYSTEMTIME utc = {};
    FILETIME result = {};
    if (TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc))
        SystemTimeToFileTime(&utc, &result);
    return result;
}

void ApplyExtendedTimes(const std::vector<unsigned char>& extra, ArchiveEntry& entry)
{
    auto word = [&](size_t at) { return static_cast<size_t>(extra[at] | (extra[at + 1] << 8)); };
    size_t position = 0;
    while (position + 4 < extra.size()) {
        const size_t dataLength = word(position + 2);
        if (extra[position] != 'U' || extra[position + 1] != 'T') {
            position += 4 + dataLength;
            continue;
        }
        const unsigned char flags = extra[position + 4];
        size_t at = position + 5;
        FILETIME* targets[] = {&entry.modificationTime, &entry.accessTime, &entry.creationTime};
        for (int bit = 0; bit < 3; ++bit) {
            if (!(flags & (1 << bit)))
                continue;
            if (at + 4 <= extra.size()) {
                long seconds = static_cast<long>(static_cast<int32_t>(extra[at] | (extra[at + 1] << 8) |
                                                                      (extra[at + 2] << 16) |
                                                                      (static_cast<uint32_t>(extra[at + 3]) << 24)));
                *targets[bit] = UnixSecondsToFileTime(seconds);
            }
            at += 4;
        }
        break;
    }
}
