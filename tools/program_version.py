#!/usr/bin/env python3
"""Prints a Windows program's file version ("3.0.0") from its VERSIONINFO.

usage: program_version.py PROGRAM

The package's name takes its version from the program it packs, so the
version is written in one place only (project(VERSION) in CMakeLists.txt,
which the resource file's VERSIONINFO is built from).
"""
import struct
import sys

FIXED_FILE_INFO_SIGNATURE = struct.pack("<I", 0xFEEF04BD)


def file_version(data):
    at = data.find(FIXED_FILE_INFO_SIGNATURE)
    if at < 0:
        return None
    # VS_FIXEDFILEINFO: signature, struct version, then FileVersionMS and LS.
    ms, ls = struct.unpack_from("<II", data, at + 8)
    return ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    with open(sys.argv[1], "rb") as f:
        version = file_version(f.read())
    if not version:
        raise SystemExit(f"{sys.argv[1]}: no version information")
    major, minor, patch, _ = version
    print(f"{major}.{minor}.{patch}")


if __name__ == "__main__":
    main()
