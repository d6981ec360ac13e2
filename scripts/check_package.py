#!/usr/bin/env python3
"""Checks the release package: zorvik-<version>-win64.zip holds zorvik.exe,
help/zorvik-help.html and readme.txt, and its zorvik.exe carries no debug
sections. Run by the test command after `cmake --build build --target package`.

    scripts/check_package.py ZIP VERSION
"""
import struct
import sys
import zipfile


def section_names(exe):
    pe = struct.unpack_from("<I", exe, 0x3C)[0]
    if exe[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    count = struct.unpack_from("<H", exe, pe + 6)[0]
    optional = struct.unpack_from("<H", exe, pe + 20)[0]
    table = pe + 24 + optional
    return [exe[table + 40 * i:table + 40 * i + 8].rstrip(b"\0").decode("ascii", "replace") for i in range(count)]


def main(path, version):
    top = f"zorvik-{version}-win64/"
    with zipfile.ZipFile(path) as z:
        names = set(z.namelist())
        want = {top + "zorvik.exe", top + "help/zorvik-help.html", top + "readme.txt"}
        missing = sorted(want - names)
        if missing:
            print("package: missing", ", ".join(missing), "in", sorted(names))
            return 1
        exe = z.read(top + "zorvik.exe")
        help_page = z.read(top + "help/zorvik-help.html").decode("utf-8", "replace")
    debug = [s for s in section_names(exe) if s.startswith(".debug") or s.startswith("/")]
    if debug:
        print("package: zorvik.exe has debug sections:", debug)
        return 1
    if version not in help_page:
        print("package: the help page does not name version", version)
        return 1
    print(f"package: {path.split('/')[-1]} holds {len(names)} entries; zorvik.exe {len(exe):,} bytes, no debug sections")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
