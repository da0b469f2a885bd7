"""Tests of tools/make_catalog.py and of the shipped data/Objects.csv."""

import os
import re
import subprocess
import sys
import tempfile
import unittest

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SCRIPT = os.path.join(REPO_ROOT, "tools", "make_catalog.py")
SHIPPED = os.path.join(REPO_ROOT, "data", "Objects.csv")
OPENNGC = os.path.join(REPO_ROOT, os.pardir, "shared", "data", "openngc")
sys.path.insert(0, os.path.join(REPO_ROOT, "tools"))

import make_catalog as mc  # noqa: E402

COLUMNS = ("Name", "Type", "RA", "Dec", "Const", "MajAx", "MinAx", "B-Mag", "V-Mag", "Hubble", "M",
           "Common names")

# The loader's cut: ',' ',' ' ' ',' ' ' ',' 'x' ',' ',' ',' ',' searched left to right.
LOADER_LINE = re.compile(r"([^,]+),(\d*),(\d{1,2}) (\d\d\.\d),([+-]\d\d) (\d\d),"
                         r"(\d+(?:\.\d)?|)x(\d+(?:\.\d)?|),(-?\d+\.\d|),([^,]*),([^,]*),(.*)")


def row(name, code="OCl", ra="10:00:00", major="5", v="", b="", m="", hubble="", **extra):
    cells = (name, code, ra, "+10:00:00", "Ori", major, "", b, v, hubble, m, "")
    return {**dict(zip(COLUMNS, cells)), **extra}


def write_openngc(folder, ngc_rows, addendum_rows=()):
    for name, rows in (("NGC.csv", ngc_rows), ("addendum.csv", addendum_rows)):
        with open(os.path.join(folder, name), "w", encoding="utf-8", newline="") as handle:
            for cells in [COLUMNS] + [[r[c] for c in COLUMNS] for r in rows]:
                handle.write(";".join(cells) + "\n")


class FieldFormatTest(unittest.TestCase):
    def test_fields(self):
        cases = [
            (mc.format_ra, ("05:35:17.3",), "5 35.3"),
            (mc.format_ra, ("09:04:57.0",), "9 05.0"),
            (mc.format_ra, ("07:20:03.00",), "7 20.1"),      # 20.05 rounds up
            (mc.format_ra, ("01:59:57.00",), "2 00.0"),      # 60.0 minutes carried
            (mc.format_ra, ("23:59:58.00",), "0 00.0"),      # 24 h wraps to 0
            (mc.format_dec, ("+41:16:08.6",), "+41 16"),
            (mc.format_dec, ("-00:30:02",), "-00 30"),
            (mc.format_dec, ("-12:59:31",), "-13 00"),
            (mc.format_dec, ("+07:29:30",), "+07 30"),
            (mc.format_size, ("177.83", "69.66"), "177.8x69.7"),
            (mc.format_size, ("8.00", "4.00"), "8x4"),
            (mc.format_size, ("15.60", ""), "15.6x15.6"),
            (mc.format_size, ("", ""), "x"),
            (mc.format_mag, ("8.36", "9.12"), "8.4"),
            (mc.format_mag, ("", "9.55"), "9.6"),
            (mc.format_mag, ("5", ""), "5.0"),
            (mc.format_mag, ("", ""), ""),
            (mc.format_identifier, ("Mel022",), "Mel 22"),
            (mc.format_identifier, ("ESO056-115",), "ESO 56-115"),
            (mc.format_constellation, ("Se1",), "Ser"),
            (mc.format_constellation, ("Se2",), "Ser"),
        ]
        for function, args, expected in cases:
            with self.subTest(function=function.__name__, args=args):
                self.assertEqual(function(*args), expected)

    def test_line(self):
        entry = mc.convert_row(row("NGC1976", "Cl+N", ra="05:35:16.48", Dec="-05:23:22.8",
                                   major="90.00", MinAx="60", v="4", **{"Common names": "A,B"}), 42)
        line = mc.catalog_line(entry)
        self.assertEqual(line, "NGC 1976,42,5 35.3,-05 23,90x60,4.0,Nebula with Cluster,Ori,A, B")
        self.assertRegex(line, LOADER_LINE)

    def test_type_texts(self):
        cases = [("OCl", "", "open"), ("GCl", "", "globular"), ("G", "SBc", "galaxy"),
                 ("G", "E", "galaxy"), ("G", "", "galaxy"), ("GPair", "", "galaxy"),
                 ("PN", "", "planetary"), ("EmN", "", "nebula"), ("Cl+N", "", "nebula"),
                 ("SNR", "", "nebula"), ("DrkN", "", "nebula"),
                 ("**", "", None), ("*Ass", "", None), ("Nova", "", None), ("Other", "", None)]
        for code, hubble, expected in cases:
            with self.subTest(code=code, hubble=hubble):
                text = mc.type_text(row("NGC0001", code, hubble=hubble))
                self.assertEqual(mc.type_classes(text), {expected} - {None}, text)
        self.assertEqual(mc.type_text(row("IC4715", "*Ass")), "Star Cloud")
        self.assertRaises(mc.CatalogError, mc.type_class, "Galaxy with Open Cluster")
        self.assertRaises(mc.CatalogError, mc.type_text, row("NGC0001", "Quasar"))


class SelectionTest(unittest.TestCase):
    def test_messier_first_then_needed_types_then_brightest(self):
        ngc = [row("NGC0001", v="6.0", m="001"), row("NGC0002", "GCl", v="7.0", m="002"),
               row("NGC0003", "G", v="9.0", m="003"), row("NGC5457", "G", v="7.9", m="101"),
               row("NGC5866", "G", v="9.9"),                  # taken as M102
               row("NGC0004", "PN", v="14.0"), row("NGC0006", "PN", v="13.0"),
               row("NGC0005", "EmN", v="12.0"),
               row("NGC0010", v="5.04"), row("NGC0020", v="4.96", ra="23:59:59"),  # ties at 5.0
               row("NGC0011", v="9.5", b="4.0"),              # V counts, not B
               row("NGC0012", b="4.5"),                       # B where V is missing
               row("NGC0013", v="1.0", major=""), row("NGC0014"), row("NGC0015", "*", v="1.0"),
               row("NGC0016", "Dup", v="1.0"), row("NGC0017", "NonEx", v="1.0")]
        addendum = [row("M040", "**", v="8.0", major="", m="040"),
                    row("M102", "Dup", m="102"), row("M003", "GCl", v="6.0", m="003")]
        results = []
        for order in (1, -1):
            with tempfile.TemporaryDirectory() as folder:
                write_openngc(folder, ngc[::order], addendum[::order])
                results.append(mc.build_catalog(folder, 10, 6))
        self.assertEqual(results[0][1], results[1][1])
        self.assertEqual([(e["identifier"], e["messier"]) for e in results[0][0]], [
            ("NGC 20", ""), ("M 40", "40"), ("NGC 1", "1"), ("NGC 2", "2"), ("NGC 3", "3"),
            ("NGC 5", ""), ("NGC 6", ""), ("NGC 12", ""), ("NGC 5457", "101"),
            ("NGC 5866", "102")])

    def test_check_fails_loudly(self):
        types = ("Open Cluster", "Globular Cluster", "Galaxy", "Planetary Nebula", "Nebula")
        entries = [{"identifier": f"NGC {n}", "messier": str(n) if n <= 110 else "",
                    "ra": "1 00.0", "dec": "+10 00", "size": "5x5", "mag": "8.0",
                    "type": types[n % 5], "constellation": "Ori", "comment": ""}
                   for n in range(1, 502)]
        mc.check_catalog(entries)
        cases = [(None, "", ""), (0, "messier", ""), (0, "messier", "2"),
                 (9, "identifier", "NGC 9"), (5, "type", "Open Cluster, rich"),
                 (5, "type", "Open Cluster in Galaxy"), (5, "identifier", "Pox 4"),
                 (5, "dec", " +10 00"), (5, "ra", "1 ab")]
        for index, key, value in cases:
            with self.subTest(key=key, value=value):
                broken = [dict(entry) for entry in entries[:-1 if index is None else None]]
                if index is not None:
                    broken[index][key] = value
                self.assertRaises(mc.CatalogError, mc.check_catalog, broken)
        with tempfile.TemporaryDirectory() as folder:
            write_openngc(folder, [row(f"NGC{n:04d}", m=str(n)) for n in range(1, 111)])
            output = os.path.join(folder, "out.csv")
            result = subprocess.run([sys.executable, SCRIPT, folder, output],
                                    capture_output=True, text=True)
            self.assertNotEqual(result.returncode, 0)
            self.assertIn("make_catalog: 110 objects, expected 501", result.stderr)
            self.assertFalse(os.path.exists(output))


class ShippedCatalogTest(unittest.TestCase):
    def setUp(self):
        with open(SHIPPED, "rb") as handle:
            self.data = handle.read()

    def test_501_loadable_lines_with_crlf(self):
        self.assertEqual([self.data.count(end) for end in (b"\r\n", b"\r", b"\n")], [502] * 3)
        lines = self.data.decode("utf-8").split("\r\n")
        self.assertEqual((lines[0], lines[-1]), (mc.HEADING, ""))
        messier = []
        for line in lines[1:-1]:
            fields = LOADER_LINE.fullmatch(line)
            self.assertTrue(fields and int(fields[3]) < 24 and float(fields[4]) < 60
                            and int(fields[6]) < 60, line)
            messier += [int(fields[2])] if fields[2] else []
        self.assertEqual(sorted(messier), list(range(1, 111)))

    @unittest.skipUnless(os.path.isdir(OPENNGC), "OpenNGC source not available")
    def test_matches_a_fresh_conversion(self):
        self.assertEqual(mc.build_catalog(OPENNGC)[1], self.data)


if __name__ == "__main__":
    unittest.main()
