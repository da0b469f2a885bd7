"""Tests of tools/make_catalog.py and of the shipped data/Objects.csv and data/OpenNGC.csv."""

import re
import sys
import unittest
from pathlib import Path

REPO_ROOT = Path(__file__).resolve().parents[2]
OPENNGC = REPO_ROOT.parent / "shared" / "data" / "openngc"
SHIPPED, FULL = REPO_ROOT / "data" / "Objects.csv", REPO_ROOT / "data" / "OpenNGC.csv"
sys.path.insert(0, str(REPO_ROOT / "tools"))

import make_catalog as mc  # noqa: E402

COLUMNS = "Name;Type;RA;Dec;Const;MajAx;MinAx;B-Mag;V-Mag;Hubble;M;Common names".split(";")
# The loader's cut: ',' ',' ' ' ',' ' ' ',' 'x' ',' ',' ',' ',' searched left to right.
LOADER_LINE = re.compile(r"([^,]+),(\d*),(\d{1,2}) (\d\d\.\d),([+-]\d\d) (\d\d),"
                         r"(\d+(?:\.\d)?|)x(\d+(?:\.\d)?|),(-?\d+\.\d|),([^,]*),([^,]*),(.*)")


def row(name, code="OCl", v="", m="", b="", major="5", ra="10:00:00", **extra):
    return dict(zip(COLUMNS, (name, code, ra, "+10:00:00", "Ori", major, "", b, v, "", m, "")), **extra)


class CatalogTest(unittest.TestCase):
    # NGC 1976 (M42) rounded by hand from its OpenNGC row.
    def test_fields(self):
        orion = mc.convert_row(row("NGC1976", "Cl+N", "4", ra="05:35:16.48", Dec="-05:23:22.8", major="90.00",
                                   MinAx="59.96", **{"Common names": "A,B"}), 42)
        for function, args, expected in [
                (mc.format_ra, ("07:20:03.00",), "7 20.1"),  # 20.05 rounds up
                (mc.format_ra, ("23:59:58.00",), "0 00.0"),  # 60.0 minutes carried, 24 h wraps to 0
                (mc.format_dec, ("-00:30:02",), "-00 30"), (mc.format_dec, ("12:59:31",), "+13 00"),
                (mc.format_size, ("15.60", ""), "15.6x15.6"), (mc.format_size, ("", ""), "x"),
                (mc.format_mag, ("8.36", "9.12"), "8.4"), (mc.format_constellation, ("Se2",), "Ser"),
                (mc.format_identifier, ("ESO097-013",), "ESO 97-13"),
                (mc.catalog_line, (orion,), "NGC 1976,42,5 35.3,-05 23,90x60,4.0,Nebula with Cluster,Ori,A, B")]:
            self.assertEqual(function(*args), expected, args)
        for code, classes in [("OCl", {"open"}), ("GCl", {"globular"}), ("G", {"galaxy"}), ("GPair", {"galaxy"}),
                              ("PN", {"planetary"}), ("Cl+N", {"nebula"}), ("SNR", {"nebula"}), ("**", set())]:
            self.assertEqual(mc.type_classes(mc.type_text(row("NGC0001", code, Hubble="SBc"))), classes, code)
        self.assertRaises(mc.CatalogError, mc.type_text, row("NGC0001", "Quasar"))

    def test_messier_first_then_needed_types_then_brightest(self):
        # NGC 5866 is taken as M102; NGC 10 and 20 tie at 5.0; the V magnitude counts, else the B one.
        ngc = [row("NGC0001", "OCl", "6.0", "001"), row("NGC0002", "GCl", "7.0", "002"), row("NGC0017", "NonEx", "1.0"),
               row("NGC0003", "G", "9.0", "003"), row("NGC5457", "G", "7.9", "101"), row("NGC0004", "PN", "14.0"),
               row("NGC0006", "PN", "13.0"), row("NGC0005", "EmN", "12.0"), row("NGC5866", "G", "9.9"), row("NGC0014"),
               row("NGC0010", "OCl", "5.04"), row("NGC0020", "OCl", "4.96", ra="23:59:59"), row("NGC0012", b="4.5"),
               row("NGC0011", "OCl", "9.5", b="4.0"), row("NGC0013", "OCl", "1.0", major=""),
               row("NGC0015", "*", "1.0"), row("NGC0016", "Dup", "1.0")]
        addendum = [row("M040", "**", "8.0", "040", major=""), row("M102", "Dup", m="102"),
                    row("M003", "GCl", "6.0", "003")]
        entries = mc.select_objects(ngc + addendum, 10)
        self.assertEqual(entries, mc.select_objects(ngc[::-1] + addendum[::-1], 10))  # any order within a file
        self.assertEqual([(e["identifier"], e["messier"]) for e in entries],
                         [("NGC 20", ""), ("M 40", "40"), ("NGC 1", "1"), ("NGC 2", "2"), ("NGC 3", "3"), ("NGC 5", ""),
                          ("NGC 6", ""), ("NGC 12", ""), ("NGC 5457", "101"), ("NGC 5866", "102")])

    def test_check_refuses_broken_catalogs(self):
        types = ("Open Cluster", "Globular Cluster", "Galaxy", "Planetary Nebula", "Nebula")
        entries = [{"identifier": f"NGC {n}", "messier": str(n) if n <= 110 else "", "ra": "1 00.0", "dec": "+10 00",
                    "size": "5x5", "mag": "8.0", "type": types[n % 5], "constellation": "Ori", "comment": ""}
                   for n in range(1, 502)]
        mc.check_catalog(entries)
        for index, key, value in [(110, "messier", "1"), (9, "identifier", "NGC 9"), (5, "dec", " +10 00"),
                                  (5, "type", "Open Cluster in Galaxy"), (5, "comment", "a\tb"),
                                  (5, "ra", "24 00.0"), (5, "dec", "-90 01"), (0, "messier", "")]:
            broken = entries[:index] + [dict(entries[index], **{key: value})] + entries[index + 1:]
            self.assertRaises(mc.CatalogError, mc.check_catalog, broken)

    def test_loadable_lines_with_crlf_and_every_messier_object(self):
        for path, count in ((SHIPPED, 501), (FULL, 13371)):
            data = path.read_bytes()
            lines = data.decode("utf-8").split("\r\n")
            ends = [data.count(end) for end in (b"\r\n", b"\r", b"\n")]
            self.assertEqual(ends + [lines[0], lines[-1]], [count + 1] * 3 + [mc.HEADING, ""], path)
            cuts = [LOADER_LINE.fullmatch(line) for line in lines[1:-1]]
            on_sky = [f and int(f[3]) < 24 and float(f[4]) < 60 and int(f[6]) < 60
                      and abs(int(f[5])) * 60 + int(f[6]) <= 90 * 60 for f in cuts]
            self.assertEqual([line for line, ok in zip(lines[1:-1], on_sky) if not ok], [], path)
            self.assertEqual(sorted(int(f[2]) for f in cuts if f[2]), list(range(1, 111)), path)

    @unittest.skipUnless(OPENNGC.is_dir(), "OpenNGC source not available")
    def test_matches_a_fresh_conversion(self):
        self.assertEqual(mc.build_catalog(OPENNGC)[1], SHIPPED.read_bytes())
        self.assertEqual(mc.build_full_catalog(OPENNGC)[1], FULL.read_bytes())
