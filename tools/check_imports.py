#!/usr/bin/env python3
"""Fails when a Windows program imports what Windows 7 SP1 lacks.

usage: check_imports.py LIST PROGRAM...

LIST is tools/windows7_imports.txt: the DLLs the programs may import from,
the functions of those DLLs that are newer than Windows 7, and the DLLs the
programs load only when a window first needs them, which they must not
import (each import is loaded before the program starts, and costs time). Each PROGRAM's
import table is read with the MinGW-w64 objdump of its machine (x86-64 or
i686). Prints every import that breaks the rule and exits 1 when there is one.
"""
import struct
import subprocess
import sys

OBJDUMP = {0x8664: "x86_64-w64-mingw32-objdump", 0x014C: "i686-w64-mingw32-objdump"}


def read_list(path):
    dlls, newer, later = set(), {}, set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            words = line.split("#", 1)[0].split()
            if not words:
                continue
            if words[0] == "dll" and len(words) == 2:
                dlls.add(words[1].lower())
            elif words[0] == "later" and len(words) == 2:
                later.add(words[1].lower())
            elif words[0] == "newer" and len(words) == 3:
                newer[words[1]] = words[2].replace("-", " ")
            else:
                raise SystemExit(f"{path}: cannot read: {line.strip()}")
    return dlls, newer, later


def machine_of(program):
    try:
        with open(program, "rb") as f:
            header = f.read(4096)
    except OSError as error:
        raise SystemExit(f"{program}: {error.strerror}")
    if header[:2] != b"MZ":
        raise SystemExit(f"{program}: not a Windows program")
    pe = struct.unpack_from("<I", header, 0x3C)[0]
    if header[pe:pe + 4] != b"PE\0\0":
        raise SystemExit(f"{program}: not a Windows program")
    return struct.unpack_from("<H", header, pe + 4)[0]


def imports_of(program):
    """(dll, function) pairs; a function imported by ordinal is "#N"."""
    tool = OBJDUMP.get(machine_of(program))
    if not tool:
        raise SystemExit(f"{program}: unknown machine type")
    dump = subprocess.run([tool, "-p", program], check=True, capture_output=True, text=True).stdout
    pairs, dll = [], None
    for line in dump.splitlines():
        line = line.strip()
        if line.startswith("DLL Name:"):
            dll = line.split(":", 1)[1].strip().lower()
        elif not line:
            dll = None
        elif dll and not line.startswith("vma:"):
            # "<thunk address> <hint> <name>", or "<thunk> <ordinal> <none>"
            words = line.split()
            if len(words) >= 3 and words[2] == "<none>":
                pairs.append((dll, "#" + words[1]))
            elif len(words) >= 3:
                pairs.append((dll, words[2]))
    return pairs


def faults_of(pairs, dlls, newer, later):
    if not pairs:
        return ["no imports found"]
    imported = {d for d, _ in pairs}
    faults = [f"imports {dll}, which Windows 7 does not have" for dll in sorted(imported - dlls - later)]
    faults += [f"imports {dll}, which it should load when first needed" for dll in sorted(imported & later)]
    faults += [f"imports {function} from {dll}, which needs {newer[function]}"
               for dll, function in pairs if function in newer]
    return faults


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    dlls, newer, later = read_list(sys.argv[1])
    failed = False
    for program in sys.argv[2:]:
        faults = faults_of(imports_of(program), dlls, newer, later)
        for fault in faults:
            print(f"{program}: {fault}")
        if not faults:
            print(f"{program}: every import is in Windows 7")
        failed = failed or bool(faults)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
