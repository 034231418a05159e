#!/usr/bin/env python3
"""Writes zip archives that no honest zip program makes into the folder given
as the only argument, for the intake's tests."""
import struct
import sys
import zipfile
import zlib
from pathlib import Path

out = Path(sys.argv[1])


def write(name, entries):
    """entries: (ZipInfo or name, bytes) pairs; returns the archive's bytes."""
    path = out / name
    with zipfile.ZipFile(path, "w") as archive:
        for info, data in entries:
            archive.writestr(info, data)
    return path.read_bytes()


def info(name, method=zipfile.ZIP_STORED, extra=b""):
    entry = zipfile.ZipInfo(name, date_time=(2020, 1, 1, 0, 0, 0))
    entry.compress_type = method
    entry.extra = extra
    return entry


def patch(name, data):
    (out / name).write_bytes(data)


def central_at(data):
    return data.index(b"PK\x01\x02")


# Paths that would climb out of a folder or start at the root.
write("paths.zip", [("../evil.gmx", b"map"), ("/abs/evil2.gmx", b"map")])

# A symbolic link entry, as Unix zip programs store one.
link = info("link.gmx")
link.create_system = 3
link.external_attr = 0o120777 << 16
write("link.zip", [(link, b"/etc/passwd")])

# Eight MB of zeros that the headers say are ten bytes.
data = bytearray(write("bomb.zip", [(info("big.gmx", zipfile.ZIP_DEFLATED), bytes(8 << 20))]))
struct.pack_into("<I", data, 22, 10)
struct.pack_into("<I", data, central_at(data) + 24, 10)
patch("bomb.zip", bytes(data))

# Two directory entries for the one local entry.
data = write("overlap.zip", [("a.gmx", b"map")])
start, end = central_at(data), data.index(b"PK\x05\x06")
record = data[start:end]
tail = bytearray(data[end:])
struct.pack_into("<HHI", tail, 8, 2, 2, 2 * len(record))
patch("overlap.zip", data[:end] + record + bytes(tail))

# Names: code page 437 without the UTF-8 mark ("Lac\x82" is "Lacé"), the
# UTF-8 mark ("Forêt"), the Unicode Path field over a code page 437 name, and
# one such field written for another name (so not believed).
unicode_field = lambda raw, crc, name: struct.pack("<HHBI", 0x7075, 5 + len(name.encode()), 1, crc) + name.encode()
data = write("names.zip", [
    ("Lac_.gmx", b"map"),
    ("For\u00eat.gmx", b"map"),
    (info("Ma_.gmx", extra=unicode_field(b"Ma\x81.gmx", zlib.crc32(b"Ma\x81.gmx"), "Ma\u00f1.gmx")), b"map"),
    (info("Pi_.gmx", extra=unicode_field(b"Pi\x81.gmx", 1234, "Wrong.gmx")), b"map"),
])
for placeholder, raw in ((b"Lac_", b"Lac\x82"), (b"Ma_", b"Ma\x81"), (b"Pi_", b"Pi\x81")):
    data = data.replace(placeholder, raw)
patch("names.zip", data)

# Names that clash once folders are dropped, or but for letter case.
write("clash.zip", [("a/Lake.gmx", b"1"), ("b/Lake.gmx", b"2"), ("Moss.gmx", b"3"), ("MOSS.gmx", b"4")])

# A stored entry with one byte changed after its check sum was taken.
data = bytearray(write("crc.zip", [("Lake.gmx", b"map bytes")]))
data[30 + len("Lake.gmx")] ^= 0xFF
patch("crc.zip", bytes(data))

# A local header naming another file than the directory does.
data = bytearray(write("disagree.zip", [("Lake.gmx", b"map")]))
data[30] = ord("X")
patch("disagree.zip", bytes(data))

# The last part of an archive split over two disks.
data = bytearray(write("split.zip", [("Lake.gmx", b"map")]))
end = data.index(b"PK\x05\x06")
struct.pack_into("<HH", data, end + 4, 1, 1)
patch("split.zip", bytes(data))
