#!/usr/bin/env python3
"""Remakes the fuzz targets' seed corpora under corpus/ from the real assets.

Each seed is a real asset or a small file cut or converted from one, so the
fuzzers start from every kind of input the readers handle: the skin file and
its body (with and without the tile), thumbnails in the encodings libjpeg
takes different paths for, and icons with the icon file's own pictures at
every bitmap depth and as PNG. Needs ImageMagick's convert for the JPEGs.
Files it does not make (inputs that once failed) are left as they are.
"""
import collections
import lzma
import pathlib
import struct
import subprocess
import zlib

HERE = pathlib.Path(__file__).resolve().parent
ASSETS = HERE.parent.parent / "assets"
CORPUS = HERE / "corpus"

SKIN_HEADER = b".SHE\x00\x03"
SKIN_FILTERS = [{"id": lzma.FILTER_LZMA1, "lc": 3, "lp": 0, "pb": 2, "dict_size": 8 << 20}]


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


# --- skin file -----------------------------------------------------------

def skin_body(file):
    size = struct.unpack_from("<I", file, 6)[0]
    decoder = lzma.LZMADecompressor(format=lzma.FORMAT_RAW, filters=SKIN_FILTERS)
    return decoder.decompress(file[15:], max_length=size)


def sections(body):
    count = struct.unpack_from("<H", body, 6)[0]
    return [struct.unpack_from("<4sII", body, 32 + 12 * i) for i in range(count)]


def reseal(body):
    """The body's size field and checksum, made to hold for its bytes."""
    body = bytearray(body)
    struct.pack_into("<I", body, 8, len(body))
    struct.pack_into("<I", body, 12, zlib.crc32(bytes(body[16:])))
    return bytes(body)


def without_tile(body):
    kept = [s for s in sections(body) if s[0] != b"TILE"]
    header = bytearray(body[:32])
    struct.pack_into("<H", header, 6, len(kept))
    table_end = 32 + 12 * len(kept)
    table, data = b"", b""
    for tag, offset, length in kept:
        table += struct.pack("<4sII", tag, table_end + len(data), length)
        data += body[offset:offset + length]
    return reseal(bytes(header) + table + data)


def skin_file_of(body):
    stream = lzma.compress(body, format=lzma.FORMAT_RAW, filters=SKIN_FILTERS)
    return SKIN_HEADER + struct.pack("<I", len(body)) + b"\x5d\x00\x00\x80\x00" + stream


def skin_seeds():
    file = (ASSETS / "kiss.she").read_bytes()
    body = skin_body(file)
    used = max(offset + length for _, offset, length in sections(body))
    small = without_tile(body)
    write("skin_file", "kiss.she", file)
    write("skin_file", "kiss_body", reseal(body[:used]))  # the zero padding cut off
    write("skin_file", "no_tile_body", small)
    write("skin_file", "no_tile.she", skin_file_of(small))


# --- thumbnails ----------------------------------------------------------

def jpeg_seeds():
    thumbnails = ASSETS / "thumbnails"
    for name in ("box33.jpg", "box39.jpg", "box40.jpg"):  # the smallest three
        write("jpeg_decode", name, (thumbnails / name).read_bytes())
    folder = CORPUS / "jpeg_decode"
    source = str(thumbnails / "box33.jpg")
    variants = {
        "progressive.jpg": ["-interlace", "Plane"],
        "grey.jpg": ["-colorspace", "Gray", "-type", "Grayscale"],
        "restarts_444.jpg": ["-sampling-factor", "1x1", "-define", "jpeg:restart-interval=2"],
    }
    for name, options in variants.items():
        subprocess.run(["convert", source, "-strip", *options, "-quality", "60", str(folder / name)],
                       check=True)


# --- icons ---------------------------------------------------------------

def icon_entries(icon):
    count = struct.unpack_from("<H", icon, 4)[0]
    entries = []
    for i in range(count):
        width, height, _, _, _, _, size, offset = struct.unpack_from("<BBBBHHII", icon, 6 + 16 * i)
        entries.append((width or 256, height or 256, icon[offset:offset + size]))
    return entries


def icon_file(images):
    """images: (width, height, depth, bytes) each."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for width, height, depth, data in images:
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, depth, len(data), offset)
        offset += len(data)
    return out + b"".join(image[3] for image in images)


def pixels_of(dib):
    """The 32-bit bitmap's pixels, top row first, as (b, g, r, a)."""
    width, doubled = struct.unpack_from("<ii", dib, 4)
    height = doubled // 2
    rows = [dib[40 + y * width * 4:40 + (y + 1) * width * 4] for y in range(height)][::-1]
    return width, height, [[tuple(row[x * 4:x * 4 + 4]) for x in range(width)] for row in rows]


def stride(width, depth):
    return (width * depth + 31) // 32 * 4


def dib_of(width, height, depth, pixels):
    """A bitmap of `depth` bits from (b, g, r, a) pixels; alpha below 128 is masked."""
    if depth <= 8:
        counts = collections.Counter(p[:3] for row in pixels for p in row)
        palette = [c for c, _ in counts.most_common(1 << depth)]
        if depth == 1:
            palette = [(0, 0, 0), (255, 255, 255)]
        nearest = {c: min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(c, palette[i])))
                   for c in counts}
    else:
        palette = []
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, depth, 0, 0, 0, 0, len(palette), 0)
    colour_table = b"".join(bytes(c) + b"\x00" for c in palette)
    colour, mask = b"", b""
    for row in reversed(pixels):  # bottom-up
        line = bytearray(stride(width, depth))
        mask_line = bytearray(stride(width, 1))
        for x, p in enumerate(row):
            if depth == 32:
                line[x * 4:x * 4 + 4] = bytes(p)
            elif depth == 24:
                line[x * 3:x * 3 + 3] = bytes(p[:3])
            else:
                bit = x * depth
                line[bit // 8] |= nearest[p[:3]] << (8 - depth - bit % 8)
            if p[3] < 128:
                mask_line[x // 8] |= 0x80 >> (x % 8)
        colour += line
        mask += mask_line
    return header + colour_table + colour + mask


def png_of(width, height, pixels):
    raw = b"".join(b"\x00" + b"".join(bytes((r, g, b, a)) for b, g, r, a in row) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def icon_seeds():
    icon = (ASSETS / "dorvane.ico").read_bytes()
    write("icon_reader", "dorvane.ico", icon)
    by_side = {width: data for width, _, data in icon_entries(icon)}
    write("icon_reader", "only_16.ico", icon_file([(16, 16, 32, by_side[16])]))
    write("icon_reader", "only_32.ico", icon_file([(32, 32, 32, by_side[32])]))
    width, height, pixels = pixels_of(by_side[16])
    for depth in (24, 8, 4, 1):
        write("icon_reader", f"depth_{depth}.ico",
              icon_file([(width, height, depth, dib_of(width, height, depth, pixels))]))
    write("icon_reader", "png_16.ico", icon_file([(width, height, 32, png_of(width, height, pixels))]))


if __name__ == "__main__":
    skin_seeds()
    jpeg_seeds()
    icon_seeds()
    for folder in sorted(CORPUS.iterdir()):
        print(folder.name, sorted((f.name, f.stat().st_size) for f in folder.iterdir()))
