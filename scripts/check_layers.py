#!/usr/bin/env python3
"""Checks the layers of src/: the plain-logic folders include no platform
header (Qt, POSIX, Windows), and the folders' includes form no cycle.

  python3 scripts/check_layers.py [src-dir]

Prints each fault and exits 1 when there is one."""
import pathlib
import re
import sys

# Folders of plain logic: they build with any compiler for any platform.
PLAIN = ["core", "app", "payloads", "layout", "window", "catalogue", "browser", "pictures",
         "platform/null"]
# Qt's headers start with a capital Q (<queue> is no platform header); a
# Windows header may be spelt with either case.
PLATFORM_HEADER = re.compile(r'#\s*include\s*<(Q|sys/|unistd|fcntl|dlfcn|[Ww]indows)')
OUR_HEADER = re.compile(r'#\s*include\s*"([^"]+)"')


def folder_of(src, path):
    """The folder of src/ a file or an include names: platform/qt, app, ..."""
    parts = path.relative_to(src).parts if isinstance(path, pathlib.Path) else tuple(path.split("/"))
    if len(parts) < 2:
        return None
    if parts[0] == "platform" and len(parts) >= 3:
        return "platform/" + parts[1]
    return parts[0]


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent / "src")
    faults = []
    edges = {}
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        folder = folder_of(src, path)
        if folder is None:
            continue
        text = path.read_text(encoding="utf-8")
        for number, line in enumerate(text.splitlines(), 1):
            if folder in PLAIN and PLATFORM_HEADER.search(line):
                faults.append(f"{path}:{number}: plain logic includes a platform header: {line.strip()}")
            included = OUR_HEADER.search(line)
            if included:
                target = folder_of(src, included.group(1))
                if target is not None and target != folder and (src / included.group(1)).exists():
                    edges.setdefault(folder, {}).setdefault(target, f"{path}:{number}")

    # A depth-first walk; a folder met again while still on the path closes a cycle.
    state = {}

    def visit(folder, path):
        state[folder] = "open"
        for target in sorted(edges.get(folder, {})):
            if state.get(target) == "open":
                cycle = path[path.index(target):] + [target]
                where = ", ".join(edges[a][b] for a, b in zip(cycle, cycle[1:]))
                faults.append("include cycle: " + " -> ".join(cycle) + f" ({where})")
            elif target not in state:
                visit(target, path + [target])
        state[folder] = "done"

    for folder in sorted(edges):
        if folder not in state:
            visit(folder, [folder])

    for fault in faults:
        print(fault)
    if faults:
        return 1
    print(f"layers: {len(edges)} folders, no platform header in plain logic, no include cycle")
    return 0


if __name__ == "__main__":
    sys.exit(main())
