#!/usr/bin/env python3
"""Checks that an icon theme holds the icon file's images, pixel for pixel.

    same_pixels.py ICON THEME_DIR NAME

For every image of the Windows icon file ICON, THEME_DIR/<w>x<h>/apps/NAME.png
must exist and show the same pixels. Both files are decoded here from their
formats, independently of the Qt reader that wrote the PNGs, so a wrong image
at a size, a flipped or channel-swapped picture or a lost alpha shows.
A pixel that is fully transparent in both compares equal whatever its colour.
"""
import struct
import sys
import zlib


def icon_images(data):
    """(width, height, rows of RGBA tuples, top row first) per image, in file order."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1:
        raise ValueError("not an icon file")
    images = []
    for index in range(count):
        _, _, _, _, _, _, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * index)
        header_size, width, double_height, _, bits = struct.unpack_from("<IiiHH", data, offset)
        if bits != 32:
            raise ValueError(f"image {index + 1}: {bits} bits per pixel, only 32 handled")
        height = double_height // 2
        pixels = offset + header_size
        colour_stride = width * 4
        mask = pixels + colour_stride * height
        mask_stride = ((width + 31) // 32) * 4
        if mask + mask_stride * height > offset + size:
            raise ValueError(f"image {index + 1}: shorter than its colour and mask data")
        bottom_up = []
        any_alpha = False
        for y in range(height):
            row = []
            for x in range(width):
                b, g, r, a = data[pixels + y * colour_stride + 4 * x:pixels + y * colour_stride + 4 * x + 4]
                masked = data[mask + y * mask_stride + x // 8] >> (7 - x % 8) & 1
                any_alpha |= a != 0
                row.append((r, g, b, a, masked))
            bottom_up.append(row)
        # 32-bit images carry their own alpha; one whose alpha is all zero
        # takes its transparency from the mask alone
        rows = [[(r, g, b, a if any_alpha else (0 if masked else 255)) for r, g, b, a, masked in row]
                for row in reversed(bottom_up)]
        images.append((width, height, rows))
    return images


def png_image(data):
    """(width, height, rows of RGBA tuples) of an 8-bit RGB or RGBA, non-interlaced PNG."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    position, idat, header = 8, b"", None
    while position < len(data):
        length, kind = struct.unpack_from(">I4s", data, position)
        body = data[position + 8:position + 8 + length]
        position += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace != 0:
        raise ValueError(f"PNG depth {depth} colour type {colour} interlace {interlace} not handled")
    channels = 4 if colour == 6 else 3
    stride = width * channels
    raw = zlib.decompress(idat)
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
            elif kind != 0:
                raise ValueError(f"row {y}: filter {kind}")
        rows.append([tuple(line[x * channels:x * channels + channels]) + ((255,) if channels == 3 else ())
                     for x in range(width)])
        previous = line
    return width, height, rows


def same(expected, actual):
    return expected == actual or (expected[3] == 0 and actual[3] == 0)


def main(icon, theme, name):
    failures = 0
    for width, height, rows in icon_images(open(icon, "rb").read()):
        path = f"{theme}/{width}x{height}/apps/{name}.png"
        try:
            png_width, png_height, png_rows = png_image(open(path, "rb").read())
        except (OSError, ValueError) as error:
            print(f"{width}x{height}: {error}")
            failures += 1
            continue
        if (png_width, png_height) != (width, height):
            print(f"{width}x{height}: {path} is {png_width}x{png_height}")
            failures += 1
            continue
        differing = [(x, y) for y in range(height) for x in range(width) if not same(rows[y][x], png_rows[y][x])]
        if differing:
            x, y = differing[0]
            print(f"{width}x{height}: {len(differing)} pixels differ, first at {x},{y}: "
                  f"icon {rows[y][x]}, png {png_rows[y][x]}")
            failures += 1
        else:
            print(f"{width}x{height}: same pixels")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
