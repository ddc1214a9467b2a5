// Builds small ZIP archives in memory for the archive reader's tests, with every header field
// the tests need to vary.
#pragma once
#include <string>
#include <vector>

struct ZipEntrySpec {
    std::string name;               // raw bytes of the name (UTF-8)
    std::string data;
    bool deflate = true;
    unsigned short versionMadeBy = 20;  // host 0 (MS-DOS) in the high byte
    unsigned long externalAttributes = 0x20;
    unsigned long dosDateTime = 0x437B4E43;  // 2013-11-27 09:50:06
    unsigned short flags = 0;
    std::string localExtra;
    std::string centralExtra;
    size_t keepCompressedBytes = std::string::npos;  // cut the stored data short, headers agreeing
};

struct ZipLayout {
    std::string bytes;
    std::vector<size_t> localHeaderOffsets;  // where each entry's local header starts
    std::vector<size_t> dataOffsets;         // where each entry's stored data starts
};

ZipLayout BuildZip(const std::vector<ZipEntrySpec>& entries);

// An extra-field block: 2-byte id, 2-byte length, data.
std::string ExtraBlock(const std::string& id, const std::string& data);
// A "UT" block's data: the flag byte, then each given time as 4 little-endian bytes.
std::string ExtendedTimeData(unsigned char flags, const std::vector<long>& times);
