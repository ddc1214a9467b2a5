#!/usr/bin/env python3
"""Builds src/res/settings.zip, the archive the launcher unpacks into its resources folder.

Two deflated entries, written as by an MS-DOS host with the archive attribute and fixed time
stamps, no extra field in the local headers; the icon carries an NTFS time block in the central
directory only. The output is committed; run this again after changing either source file.
"""
import datetime
import pathlib
import struct
import zlib

RES = pathlib.Path(__file__).resolve().parent.parent / "src" / "res"
ENTRIES = [  # name, local time stamp
    ("systemset.ini", datetime.datetime(2013, 11, 27, 9, 52, 6)),
    ("uninstall.ico", datetime.datetime(2013, 11, 22, 11, 28, 40)),
]
NTFS_TIME_ENTRIES = {"uninstall.ico"}
MADE_BY_MSDOS_V20 = 20        # host 0 (MS-DOS) in the high byte, version 2.0
ARCHIVE_ATTRIBUTE = 0x20
LOCAL_UTC_OFFSET = datetime.timedelta(hours=8)  # the time stamps are China Standard Time


def dos_date_time(stamp):
    date = ((stamp.year - 1980) << 9) | (stamp.month << 5) | stamp.day
    time = (stamp.hour << 11) | (stamp.minute << 5) | (stamp.second // 2)
    return date, time


def ntfs_time_block(stamp):
    utc = stamp - LOCAL_UTC_OFFSET
    ticks = int((utc - datetime.datetime(1601, 1, 1)).total_seconds()) * 10_000_000
    times = struct.pack("<QQQ", ticks, ticks, ticks)  # modification, access, creation
    body = struct.pack("<IHH", 0, 1, len(times)) + times
    return struct.pack("<HH", 0x000A, len(body)) + body


def deflate(data):
    compressor = zlib.compressobj(9, zlib.DEFLATED, -15)
    return compressor.compress(data) + compressor.flush()


def build():
    local_part = b""
    central = b""
    for name, stamp in ENTRIES:
        data = (RES / name).read_bytes()
        packed = deflate(data)
        crc = zlib.crc32(data)
        date, time = dos_date_time(stamp)
        raw_name = name.encode("ascii")
        offset = len(local_part)
        local_part += struct.pack("<IHHHHHIIIHH", 0x04034B50, 20, 0, 8, time, date, crc, len(packed),
                                  len(data), len(raw_name), 0) + raw_name + packed
        extra = ntfs_time_block(stamp) if name in NTFS_TIME_ENTRIES else b""
        central += struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, MADE_BY_MSDOS_V20, 20, 0, 8, time, date, crc,
                               len(packed), len(data), len(raw_name), len(extra), 0, 0, 0, ARCHIVE_ATTRIBUTE,
                               offset) + raw_name + extra
    end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, len(ENTRIES), len(ENTRIES), len(central), len(local_part), 0)
    return local_part + central + end


if __name__ == "__main__":
    archive = build()
    (RES / "settings.zip").write_bytes(archive)
    print(f"settings.zip: {len(archive)} bytes")
