// One entry of a ZIP archive as the archive reader reports it, and the pure rules that turn the
// archive's raw fields into it: name cleaning, attributes by host system, time stamps.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct ArchiveEntry {
    int index = -1;               // position in the central directory; for index -1 the entry count
    std::wstring name;            // converted from UTF-8 and cleaned, relative to the base folder
    DWORD attributes = 0;         // FILE_ATTRIBUTE_* bits
    FILETIME accessTime{}, creationTime{}, modificationTime{};  // UTC
    DWORD compressedSize = 0, uncompressedSize = 0;
};

// Drops drive prefixes, leading separators and everything up to a "..": the result never climbs
// out of the folder it is extracted to.
std::wstring CleanArchiveEntryName(std::wstring name);

// FILE_ATTRIBUTE_* bits from the host system (high byte of "version made by") and the external
// attributes: MS-DOS style hosts keep their bits, other hosts carry a Unix mode in the high word.
DWORD ArchiveEntryAttributes(unsigned long versionMadeBy, unsigned long externalAttributes);

// An MS-DOS date (high word) and time (low word), read as local time, as UTC.
FILETIME DosDateTimeToFileTime(unsigned long dosDateTime);

// Replaces the entry's times with those of the first extended time-stamp ("UT") block of a local
// extra field, each only where its flag is set and its bytes lie inside the field.
void ApplyExtendedTimes(const std::vector<unsigned char>& extraField, ArchiveEntry& entry);
