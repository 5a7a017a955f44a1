#!/usr/bin/env python3
"""Writes a zip package a school unpacks on Windows 7 to 11.

usage: make_package.py ZIP FOLDER NAME=SOURCE...

Each SOURCE goes into the zip as FOLDER/NAME. A NAME ending in ".txt" is a
UTF-8 text that is written with a byte order mark and CRLF line ends, so the
Notepad of Windows 7 shows it (it shows LF-only text as one line).

Names that are not ASCII are stored in GBK, which is what the zip folders
of a Chinese Windows 7 read them as (they ignore the UTF-8 flag), and once
more in UTF-8 in an Info-ZIP Unicode Path field for unpackers that read it.
"""
import os
import struct
import sys
import time
import zipfile
import zlib

UNICODE_PATH_FIELD = 0x7075


class GbkNamedEntry(zipfile.ZipInfo):
    def _encodeFilenameFlags(self):
        try:
            return self.filename.encode("ascii"), self.flag_bits
        except UnicodeEncodeError:
            return self.filename.encode("gbk"), self.flag_bits & ~0x800


def entry(name, source):
    info = GbkNamedEntry(name, date_time=time.localtime(os.path.getmtime(source))[:6])
    info.compress_type = zipfile.ZIP_DEFLATED
    info.external_attr = 0o644 << 16
    if not name.isascii():
        utf8 = name.encode("utf-8")
        info.extra = struct.pack("<HHBI", UNICODE_PATH_FIELD, 5 + len(utf8), 1,
                                 zlib.crc32(name.encode("gbk"))) + utf8
    return info


def content(name, source):
    with open(source, "rb") as f:
        data = f.read()
    if name.endswith(".txt"):
        text = data.decode("utf-8").lstrip("\ufeff").replace("\r\n", "\n").replace("\n", "\r\n")
        data = "\ufeff".encode("utf-8") + text.encode("utf-8")
    return data


def main():
    if len(sys.argv) < 4 or not all("=" in a for a in sys.argv[3:]):
        raise SystemExit(__doc__)
    archive, folder = sys.argv[1], sys.argv[2]
    with zipfile.ZipFile(archive, "w") as z:
        for pair in sys.argv[3:]:
            name, source = pair.split("=", 1)
            z.writestr(entry(f"{folder}/{name}", source), content(name, source))


if __name__ == "__main__":
    main()
