#!/usr/bin/env python3
"""Checks the program file's header and resources without Windows:

  check_program_file.py dorvane.exe assets/dorvane.ico

It must run in the GUI subsystem (no console beside it); its icons must be
the icon file's images byte for byte, in the file's order, under one icon
group that names them with the file's sizes; it must carry version
information and a manifest that asks for no elevation. Exits 1 on a fault."""
import struct
import sys


def resources(pe):
    """{type id: {name id: bytes}} of the PE image's resource tree, and its subsystem"""
    header = struct.unpack_from("<I", pe, 0x3C)[0]
    if pe[header:header + 4] != b"PE\0\0":
        raise SystemExit("not a PE image")
    sections, optional_size = struct.unpack_from("<H12xH", pe, header + 6)
    optional = header + 24
    magic, = struct.unpack_from("<H", pe, optional)
    subsystem, = struct.unpack_from("<H", pe, optional + 68)
    directories = optional + (96 if magic == 0x10B else 112)
    resource_rva, _ = struct.unpack_from("<II", pe, directories + 2 * 8)
    table = optional + optional_size
    spans = []
    for i in range(sections):
        size, rva, raw_size, raw = struct.unpack_from("<IIII", pe, table + 40 * i + 8)
        spans.append((rva, max(size, raw_size), raw))

    def offset(rva):
        for start, size, raw in spans:
            if start <= rva < start + size:
                return raw + rva - start
        raise SystemExit(f"RVA {rva:#x} outside the sections")

    base = offset(resource_rva)

    def directory(at):
        named, ids = struct.unpack_from("<HH", pe, base + at + 12)
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", pe, base + at + 16 + 8 * i)
            yield name, target

    tree = {}
    for kind, types in directory(0):
        for name, names in directory(types & 0x7FFFFFFF):
            for _, language in directory(names & 0x7FFFFFFF):
                rva, size = struct.unpack_from("<II", pe, base + (language & 0x7FFFFFFF))
                tree.setdefault(kind, {})[name] = pe[offset(rva):offset(rva) + size]
    return tree, subsystem


def main():
    pe = open(sys.argv[1], "rb").read()
    ico = open(sys.argv[2], "rb").read()
    tree, subsystem = resources(pe)
    faults = []
    if subsystem != 2:
        faults.append(f"subsystem {subsystem}, not the Windows GUI (2)")
    count, = struct.unpack_from("<H", ico, 4)
    images = []
    for i in range(count):
        width, height, _, _, _, bits, size, at = struct.unpack_from("<BBBBHHII", ico, 6 + 16 * i)
        images.append(((width, height, bits), ico[at:at + size]))
    icons = [tree.get(3, {})[key] for key in sorted(tree.get(3, {}))]
    if icons != [image for _, image in images]:
        faults.append(f"{len(icons)} icon images, not the icon file's {count} byte for byte")
    groups = list(tree.get(14, {}).values())
    if len(groups) != 1:
        faults.append(f"{len(groups)} icon groups, not one")
    else:
        group = groups[0]
        listed = [struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
                  for i in range(struct.unpack_from("<H", group, 4)[0])]
        if [(w, h, bits) for w, h, _, _, _, bits, _, _ in listed] != [facts for facts, _ in images]:
            faults.append("the icon group does not list the icon file's images")
    if 16 not in tree:
        faults.append("no version information")
    manifests = list(tree.get(24, {}).values())
    if len(manifests) != 1 or b'requestedExecutionLevel level="asInvoker"' not in manifests[0]:
        faults.append("no single manifest asking for asInvoker")
    for fault in faults:
        print(f"{sys.argv[1]}: {fault}")
    if not faults:
        print(f"{sys.argv[1]}: GUI subsystem, {count} icon images as the icon file's, "
              "version information, manifest")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
