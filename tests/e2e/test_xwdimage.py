"""Test of the screenshot reader that the end-to-end check relies on to tell a drawn window
from a blank one. The XWD file is put together here, field by field, as xwd writes it."""

import struct
import unittest

import xwdimage


def xwd_file(rows, ncolors=2, pad=4):
    """A 32-bit true-colour ZPixmap XWD file, least significant byte first, with a colour map
    and padded lines."""
    height, width = len(rows), len(rows[0])
    header = struct.pack(">25I", 104, 7, 2, 24, width, height, 0, 0, 32, 0, 32, 32, width * 4 + pad,
                         4, 0xFF0000, 0xFF00, 0xFF, 8, 256, ncolors, width, height, 0, 0, 0)
    pixels = b"".join(b"".join(p.to_bytes(4, "little") for p in row) + b"\xAA" * pad
                      for row in rows)
    return header + b"shot" + b"\0" * (12 * ncolors) + pixels


class ReadXwdTest(unittest.TestCase):
    def test_pixels_and_distinct_colours(self):
        _, _, rows = xwdimage.read_xwd(xwd_file([[0xFF0000, 0x102030], [0x102030, 0xFF]]))
        self.assertEqual(rows, [[(255, 0, 0), (16, 32, 48)], [(16, 32, 48), (0, 0, 255)]])
        self.assertEqual(xwdimage.distinct_colours(rows), 3)


if __name__ == "__main__":
    unittest.main()
