#!/usr/bin/env bash
# The packages a school installs from (scripts/package): both are named with
# the version of project(VERSION) that the programs carry, hold the folder
# "Tabulo" with exactly the program, its theme files and the read-me, whose
# name Windows 7 reads in GBK and whose text its Notepad shows (byte order
# mark, CRLF); the 64-bit package unpacked into an empty folder starts, and
# the 32-bit one carries a 32-bit program.
source "$(dirname "$0")/lib.sh"

packages="$E2E_OUT/packages"
TABULO_SKIP_BUILD=1 TABULO_PACKAGE_DIR="$packages" "$TABULO_ROOT/scripts/package" >"$E2E_OUT/package.log" 2>&1 ||
  e2e_fail "scripts/package failed: $(cat "$E2E_OUT/package.log")"
version=$(sed -n 's/^project(Tabulo VERSION \([0-9.]*\).*/\1/p' "$TABULO_ROOT/CMakeLists.txt")
[ -n "$version" ] || e2e_fail "no version in CMakeLists.txt"
for bits in 64 32; do
  [ -f "$packages/Tabulo-$version-win$bits.zip" ] || e2e_fail "no Tabulo-$version-win$bits.zip: $(ls "$packages")"
done

# Names as stored (GBK where not ASCII), the read-me's first bytes and
# whether any line ends without CR, the program's machine.
zip_facts() {
  python3 - "$1" <<'PY'
import struct, sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
for info in z.infolist():
    raw = info.orig_filename.encode("cp437") if not info.flag_bits & 0x800 else info.orig_filename.encode()
    print("name", raw.decode("gbk"))
readme = z.read("Tabulo/说明.txt".encode("gbk").decode("cp437"))
print("readme starts", readme[:3].hex(), "bare LF" if b"\n" in readme.replace(b"\r\n", b"") else "CRLF")
program = z.read("Tabulo/Tabulo.exe")
pe = struct.unpack_from("<I", program, 0x3C)[0]
print("machine", hex(struct.unpack_from("<H", program, pe + 4)[0]))
PY
}
expected_names=$'name Tabulo/Tabulo.exe\nname Tabulo/User Interface.ext\nname Tabulo/Default.ext\nname Tabulo/说明.txt'
for bits in 64 32; do
  facts=$(zip_facts "$packages/Tabulo-$version-win$bits.zip") || e2e_fail "win$bits: cannot read the package"
  echo "$facts" >"$E2E_OUT/win$bits.txt"
  [ "$(grep '^name' <<<"$facts")" = "$expected_names" ] || e2e_fail "win$bits holds: $facts"
  grep -qx 'readme starts efbbbf CRLF' <<<"$facts" || e2e_fail "win$bits: the read-me is not UTF-8 with BOM and CRLF: $facts"
done
grep -qx 'machine 0x8664' "$E2E_OUT/win64.txt" || e2e_fail "the win64 program is not 64-bit"
grep -qx 'machine 0x14c' "$E2E_OUT/win32.txt" || e2e_fail "the win32 program is not 32-bit"

# Unpacked into an empty folder, the program starts from there: the
# start-up window, then the bar.
mkdir "$E2E_OUT/unpacked"
unzip -q "$packages/Tabulo-$version-win64.zip" -d "$E2E_OUT/unpacked" || e2e_fail "unzip failed"
E2E_RUN="$E2E_OUT/unpacked/Tabulo"
e2e_start
e2e_wait_sized_window "$E2E_APP_PID" 318 218 30 >/dev/null || e2e_fail "no start-up window"
e2e_wait_sized_window "$E2E_APP_PID" 146 702 10 >/dev/null || e2e_fail "no bar"
e2e_shot bar
echo "PASS"
