#include "support/ZipBuilder.h"

#include <zlib.h>

namespace {

void Put16(std::string& out, unsigned long value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, unsigned long value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, (value >> 16) & 0xFFFF);
}

std::string RawDeflate(const std::string& data)
{
    z_stream stream = {};
    deflateInit2(&stream, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, data.size()) + 16, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

}  // namespace

ZipLayout BuildZip(const std::vector<ZipEntrySpec>& entries)
{
    ZipLayout layout;
    std::string central;
    for (const ZipEntrySpec& entry : entries) {
        const std::string packed = (entry.deflate ? RawDeflate(entry.data) : entry.data).substr(0, entry.keepCompressedBytes);
        const unsigned long crc = crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()),
                                        static_cast<uInt>(entry.data.size()));
        const unsigned short method = entry.deflate ? 8 : 0;
        const size_t offset = layout.bytes.size();
        layout.localHeaderOffsets.push_back(offset);

        std::string& out = layout.bytes;
        Put32(out, 0x04034B50);
        Put16(out, 20);
        Put16(out, entry.flags);
        Put16(out, method);
        Put32(out, entry.dosDateTime);
        Put32(out, crc);
        Put32(out, packed.size());
        Put32(out, entry.data.size());
        Put16(out, entry.name.size());
        Put16(out, entry.localExtra.size());
        out += entry.name + entry.localExtra;
        layout.dataOffsets.push_back(out.size());
        out += packed;

        Put32(central, 0x02014B50);
        Put16(central, entry.versionMadeBy);
        Put16(central, 20);
        Put16(central, entry.flags);
        Put16(central, method);
        Put32(central, entry.dosDateTime);
        Put32(central, crc);
        Put32(central, packed.size());
        Put32(central, entry.data.size());
        Put16(central, entry.name.size());
        Put16(central, entry.centralExtra.size());
        Put16(central, 0);  // comment
        Put16(central, 0);  // disk
        Put16(central, 0);  // internal attributes
        Put32(central, entry.externalAttributes);
        Put32(central, offset);
        central += entry.name + entry.centralExtra;
    }
    const size_t centralOffset = layout.bytes.size();
    layout.bytes += central;
    Put32(layout.bytes, 0x06054B50);
    Put16(layout.bytes, 0);
    Put16(layout.bytes, 0);
    Put16(layout.bytes, entries.size());
    Put16(layout.bytes, entries.size());
    Put32(layout.bytes, central.size());
    Put32(layout.bytes, centralOffset);
    Put16(layout.bytes, 0);
    return layout;
}

std::string ExtraBlock(const std::string& id, const std::string& data)
{
    std::string block = id;
    Put16(block, data.size());
    return block + data;
}

std::string ExtendedTimeData(unsigned char flags, const std::vector<long>& times)
{
    std::string data(1, static_cast<char>(flags));
    for (long time : times)
        Put32(data, static_cast<unsigned long>(time));
    return data;
}
