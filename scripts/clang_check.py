#!/usr/bin/env python3
"""Compiles the program's sources (src/, not the tests) with clang for the
MinGW target as well, warnings as errors, so that code only GCC accepts is
caught before a Windows compiler sees it.

    scripts/clang_check.py BUILD_DIR [JOBS]

BUILD_DIR is the MinGW cross build (configured with compile commands); each
of its src/ entries is compiled again by clang with the same definitions and
include folders, against MinGW's C++ library headers, checking only
(-fsyntax-only: no objects are written). Exits 1 and prints the messages of
every file that fails.
"""
import json
import os
import re
import shlex
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

CLANG_FLAGS = ["--target=x86_64-w64-mingw32", "-std=c++17", "-pedantic", "-Wall", "-Wextra",
               "-Wno-unused-parameter", "-Werror", "-fsyntax-only"]


def mingw_cxx_includes(compiler):
    """The C++ library folders of the MinGW compiler (clang brings its own
    compiler headers, so only these and the C library's folder are taken)."""
    out = subprocess.run([compiler, "-E", "-x", "c++", "-", "-v"], input="", capture_output=True, text=True).stderr
    block = out.split("#include <...> search starts here:")[-1].split("End of search list.")[0]
    dirs = [os.path.normpath(line.strip()) for line in block.splitlines() if line.strip()]
    return [d for d in dirs if "/c++" in d or d.endswith("x86_64-w64-mingw32/include")]


def main(build, jobs):
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        entries = json.load(f)
    root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    src = os.path.join(root, "src") + os.sep
    entries = [e for e in entries if os.path.normpath(e["file"]).startswith(src) and e["file"].endswith(".cpp")]
    if not entries:
        print("clang check: no sources of src/ in", build)
        return 1
    compiler = shlex.split(entries[0]["command"])[0]
    system = [flag for d in mingw_cxx_includes(compiler) for flag in ("-isystem", d)]

    def check(entry):
        args = []
        for a in shlex.split(entry["command"]):
            if a.startswith("@"):  # a response file (CMake puts the include folders there)
                with open(os.path.join(entry["directory"], a[1:]), encoding="utf-8") as rsp:
                    args += shlex.split(rsp.read())
            else:
                args.append(a)
        keep = [a for a in args[1:] if re.match(r"-(D|I|isystem)", a)]
        # -isystem takes its folder as the next word.
        for i, a in enumerate(args[1:-1], start=1):
            if a == "-isystem":
                keep.append(args[i + 1])
        cmd = ["clang++"] + CLANG_FLAGS + system + keep + [entry["file"]]
        r = subprocess.run(cmd, cwd=entry["directory"], capture_output=True, text=True)
        return entry["file"], r.returncode, r.stdout + r.stderr

    failed = 0
    with ThreadPoolExecutor(max_workers=jobs) as pool:
        for name, rc, text in pool.map(check, entries):
            if rc != 0 or text.strip():
                failed += 1
                print(f"--- {os.path.relpath(name, root)}\n{text}")
    print(f"clang check: {len(entries) - failed} of {len(entries)} sources compile cleanly")
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) < 2:
        print(__doc__)
        sys.exit(2)
    sys.exit(main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else os.cpu_count() or 2))
