"""Tests of the screenshot reader that the end-to-end check relies on to tell a drawn window
from a blank one. The XWD files are put together here, field by field, as xwd writes them."""

import struct
import unittest
import zlib

import xwdimage

RED, GREEN, BLUE = 0xFF0000, 0x00FF00, 0x0000FF


def xwd_file(pixels, byte_order=0, bits_per_pixel=32, version=7, name=b"shot\0", ncolors=0,
             pad_bytes=0):
    """A true-colour ZPixmap XWD file of the given rows of 0xRRGGBB pixels."""
    height, width = len(pixels), len(pixels[0])
    bytes_per_pixel = bits_per_pixel // 8
    stride = width * bytes_per_pixel + pad_bytes
    header_size = 100 + len(name)
    fields = [header_size, version, 2, 24, width, height, 0, byte_order, 32, byte_order, 32,
              bits_per_pixel, stride, 4, RED, GREEN, BLUE, 8, 256, ncolors, width, height, 0, 0, 0]
    order = "little" if byte_order == 0 else "big"
    data = b"".join(
        b"".join(p.to_bytes(bytes_per_pixel, order) for p in row) + b"\xAA" * pad_bytes
        for row in pixels)
    return struct.pack(">25I", *fields) + name + b"\0" * (12 * ncolors) + data


def png_pixels(png):
    """The RGB rows of an unfiltered 8-bit PNG, as png_bytes writes it."""
    assert png.startswith(b"\x89PNG\r\n\x1a\n")
    position, chunks = 8, {}
    while position < len(png):
        length, = struct.unpack(">I", png[position:position + 4])
        kind = png[position + 4:position + 8]
        body = png[position + 8:position + 8 + length]
        crc, = struct.unpack(">I", png[position + 8 + length:position + 12 + length])
        assert crc == zlib.crc32(kind + body) & 0xFFFFFFFF
        chunks[kind] = chunks.get(kind, b"") + body
        position += 12 + length
    width, height, depth, colour_type = struct.unpack(">IIBB", chunks[b"IHDR"][:10])
    assert (depth, colour_type) == (8, 2)
    raw = zlib.decompress(chunks[b"IDAT"])
    rows = []
    for y in range(height):
        line = raw[y * (1 + 3 * width):(y + 1) * (1 + 3 * width)]
        assert line[0] == 0
        rows.append([tuple(line[1 + 3 * x:4 + 3 * x]) for x in range(width)])
    return rows


class ReadXwdTest(unittest.TestCase):
    def test_pixels_come_out_as_rgb(self):
        width, height, rows = xwdimage.read_xwd(xwd_file([[0xFF0000, 0x00FF00], [0x0000FF, 0x102030]]))
        self.assertEqual((width, height), (2, 2))
        self.assertEqual(rows, [[(255, 0, 0), (0, 255, 0)], [(0, 0, 255), (0x10, 0x20, 0x30)]])

    def test_most_significant_byte_first(self):
        _, _, rows = xwdimage.read_xwd(xwd_file([[0x123456]], byte_order=1))
        self.assertEqual(rows, [[(0x12, 0x34, 0x56)]])

    def test_colour_map_and_line_padding_are_skipped(self):
        _, _, rows = xwdimage.read_xwd(xwd_file([[0x010203, 0x040506]] * 2, ncolors=3, pad_bytes=4))
        self.assertEqual(rows, [[(1, 2, 3), (4, 5, 6)]] * 2)

    def test_24_bits_a_pixel(self):
        _, _, rows = xwdimage.read_xwd(xwd_file([[0xABCDEF, 0x000001]], bits_per_pixel=24))
        self.assertEqual(rows, [[(0xAB, 0xCD, 0xEF), (0, 0, 1)]])

    def test_other_versions_are_refused(self):
        with self.assertRaises(xwdimage.XwdError):
            xwdimage.read_xwd(xwd_file([[0]], version=6))

    def test_cut_short_is_refused(self):
        with self.assertRaises(xwdimage.XwdError):
            xwdimage.read_xwd(xwd_file([[0, 0], [0, 0]])[:-1])


class DistinctColoursTest(unittest.TestCase):
    def test_blank_window_has_one_colour(self):
        _, _, rows = xwdimage.read_xwd(xwd_file([[0xEFEFEF] * 5] * 4))
        self.assertEqual(xwdimage.distinct_colours(rows), 1)

    def test_each_colour_counts_once(self):
        _, _, rows = xwdimage.read_xwd(xwd_file([[0, 0xFFFFFF, 0], [0x808080, 0, 0xFFFFFF]]))
        self.assertEqual(xwdimage.distinct_colours(rows), 3)


class PngTest(unittest.TestCase):
    def test_png_holds_the_same_pixels(self):
        pixels = [[0xFF0000, 0x00FF00, 0x0000FF], [0x000000, 0xFFFFFF, 0x7F3F1F]]
        width, height, rows = xwdimage.read_xwd(xwd_file(pixels))
        self.assertEqual(png_pixels(xwdimage.png_bytes(width, height, rows)), rows)


if __name__ == "__main__":
    unittest.main()
