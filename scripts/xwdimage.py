#!/usr/bin/env python3
"""Reads the screenshots that xwd writes, with the Python standard library alone.

    xwdimage.py colours SHOT.xwd        prints how many distinct colours the image holds
    xwdimage.py png SHOT.xwd OUT.png    writes the image as a PNG file
"""

import struct
import sys
import zlib

HEADER_FIELDS = (
    "header_size", "file_version", "pixmap_format", "pixmap_depth", "pixmap_width",
    "pixmap_height", "xoffset", "byte_order", "bitmap_unit", "bitmap_bit_order", "bitmap_pad",
    "bits_per_pixel", "bytes_per_line", "visual_class", "red_mask", "green_mask", "blue_mask",
    "bits_per_rgb", "colormap_entries", "ncolors", "window_width", "window_height", "window_x",
    "window_y", "window_bdrwidth",
)
XWD_FILE_VERSION = 7
Z_PIXMAP = 2
COLOUR_ENTRY_SIZE = 12  # pixel (4), red, green, blue (2 each), flags, pad


class XwdError(Exception):
    pass


def _shift_and_scale(mask):
    """Where a colour channel sits in a pixel and how to bring it to 0..255."""
    shift = (mask & -mask).bit_length() - 1
    top = mask >> shift
    return shift, top


def read_xwd(data):
    """Returns (width, height, rows), each row a list of (red, green, blue) tuples."""
    if len(data) < 100:
        raise XwdError("too short for an XWD header")
    # The header is always written most significant byte first.
    header = dict(zip(HEADER_FIELDS, struct.unpack(">25I", data[:100])))
    if header["file_version"] != XWD_FILE_VERSION:
        raise XwdError("not an XWD version 7 file")
    if header["pixmap_format"] != Z_PIXMAP or header["bits_per_pixel"] not in (24, 32):
        raise XwdError("only true-colour ZPixmap images of 24 or 32 bits a pixel are read")

    width, height = header["pixmap_width"], header["pixmap_height"]
    bytes_per_pixel = header["bits_per_pixel"] // 8
    stride = header["bytes_per_line"]
    start = header["header_size"] + header["ncolors"] * COLOUR_ENTRY_SIZE
    if len(data) < start + stride * height:
        raise XwdError("the image data is cut short")

    order = "little" if header["byte_order"] == 0 else "big"
    channels = [_shift_and_scale(header[m]) for m in ("red_mask", "green_mask", "blue_mask")]
    rows = []
    for y in range(height):
        line = data[start + y * stride:start + y * stride + width * bytes_per_pixel]
        row = []
        for x in range(0, len(line), bytes_per_pixel):
            pixel = int.from_bytes(line[x:x + bytes_per_pixel], order)
            row.append(tuple((pixel >> shift & top) * 255 // top for shift, top in channels))
        rows.append(row)
    return width, height, rows


def distinct_colours(rows):
    return len({pixel for row in rows for pixel in row})


def _png_chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body
            + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def png_bytes(width, height, rows):
    """An 8-bit RGB PNG, every row unfiltered."""
    raw = b"".join(b"\x00" + bytes(channel for pixel in row for channel in pixel) for row in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + _png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + _png_chunk(b"IDAT", zlib.compress(raw, 9))
            + _png_chunk(b"IEND", b""))


def main(argv):
    if len(argv) == 3 and argv[1] == "colours":
        command = "colours"
    elif len(argv) == 4 and argv[1] == "png":
        command = "png"
    else:
        sys.stderr.write(__doc__)
        return 2
    with open(argv[2], "rb") as shot:
        try:
            width, height, rows = read_xwd(shot.read())
        except XwdError as error:
            sys.stderr.write(f"{argv[2]}: {error}\n")
            return 1
    if command == "colours":
        print(distinct_colours(rows))
    else:
        with open(argv[3], "wb") as out:
            out.write(png_bytes(width, height, rows))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
