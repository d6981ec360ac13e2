#!/usr/bin/env python3
"""Checks that each subsystem of src/ includes only the layers below it.

    platform <- kit <- commands <- format <- inspection <- copy <- settings
      <- apitest, help <- custom <- magnifier

Every include counts, platform-free headers as much as any other: a file may
include its own folder and the folders of lower levels only (apitest and help
share a level and include neither each other). The platform-free core's
sources include no Windows header and no header that needs one. The main
window's header belongs to the magnifier alone. Run by the build; exits 1 and
lists every offending include when the rule is broken.
"""
import os
import re
import sys

# Bottom to top; the folders of one level may not include each other.
LEVELS = [
    ["platform"],
    ["kit"],
    ["commands"],
    ["format"],
    ["inspection"],
    ["copy"],
    ["settings"],
    ["apitest", "help"],
    ["custom"],
    ["magnifier"],
]
LEVEL = {folder: n for n, level in enumerate(LEVELS) for folder in level}
ORDER = " <- ".join(", ".join(level) for level in LEVELS)
SYSTEM_WIN32 = re.compile(r'#\s*include\s*<(windows|windowsx|commctrl|commdlg|shellapi|psapi)\.h>', re.I)
LOCAL = re.compile(r'#\s*include\s*"([a-z_]+/[A-Za-z0-9_]+\.h)"')


def main(src):
    files = {}
    for folder in sorted(os.listdir(src)):
        path = os.path.join(src, folder)
        if not os.path.isdir(path):
            continue
        for name in sorted(os.listdir(path)):
            if name.endswith((".h", ".cpp")):
                with open(os.path.join(path, name), encoding="utf-8") as f:
                    files[f"{folder}/{name}"] = f.read()

    includes = {f: LOCAL.findall(text) for f, text in files.items()}
    # A header is platform-free when neither it nor anything it includes
    # needs a Windows header.
    win32 = {f for f, text in files.items() if f.endswith(".h") and SYSTEM_WIN32.search(text)}
    changed = True
    while changed:
        changed = False
        for f in files:
            if f.endswith(".h") and f not in win32 and any(i in win32 for i in includes[f]):
                win32.add(f)
                changed = True

    core = set()
    cmake = os.path.join(src, "..", "CMakeLists.txt")
    if os.path.exists(cmake):
        with open(cmake, encoding="utf-8") as f:
            block = re.search(r"add_library\(zorvik_core STATIC(.*?)\)", f.read(), re.S)
        if block:
            core = {line.strip()[len("src/"):] for line in block.group(1).splitlines() if line.strip().startswith("src/")}

    problems = []
    for f in files:
        if f.split("/")[0] not in LEVEL:
            problems.append(f"{f}: the folder has no place in the layer order")
    for f, incs in includes.items():
        folder = f.split("/")[0]
        if f in core:
            if SYSTEM_WIN32.search(files[f]):
                problems.append(f"{f}: the platform-free core includes a Windows header")
            for i in incs:
                if i in win32:
                    problems.append(f"{f}: the platform-free core includes {i}")
        for i in incs:
            target = i.split("/")[0]
            if i not in files:
                problems.append(f"{f}: includes {i}, which does not exist")
            elif i == "magnifier/main_window.h" and folder != "magnifier":
                problems.append(f"{f}: includes the main window's header; use the role interfaces it implements")
            elif target != folder and not (LEVEL.get(target, -1) < LEVEL.get(folder, -1) and target in LEVEL):
                problems.append(f"{f}: includes {i} from a layer that is not below {folder}")

    for p in problems:
        print(p)
    if problems:
        return 1
    print(f"layers: {len(files)} files follow {ORDER}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src")))
