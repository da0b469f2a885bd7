"""Tests of tools/make_catalog.py and of the shipped data/Objects.csv and data/OpenNGC.csv."""

import re
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

REPO_ROOT = Path(__file__).resolve().parents[2]
SCRIPT, OPENNGC = REPO_ROOT / "tools" / "make_catalog.py", REPO_ROOT.parent / "shared" / "data" / "openngc"
SHIPPED, FULL = REPO_ROOT / "data" / "Objects.csv", REPO_ROOT / "data" / "OpenNGC.csv"
sys.path.insert(0, str(REPO_ROOT / "tools"))

import make_catalog as mc  # noqa: E402

COLUMNS = "Name;Type;RA;Dec;Const;MajAx;MinAx;B-Mag;V-Mag;Hubble;M;Common names".split(";")
# The loader's cut: ',' ',' ' ' ',' ' ' ',' 'x' ',' ',' ',' ',' searched left to right.
LOADER_LINE = re.compile(r"([^,]+),(\d*),(\d{1,2}) (\d\d\.\d),([+-]\d\d) (\d\d),"
                         r"(\d+(?:\.\d)?|)x(\d+(?:\.\d)?|),(-?\d+\.\d|),([^,]*),([^,]*),(.*)")


def row(name, code="OCl", ra="10:00:00", major="5", v="", b="", m="", hubble="", **extra):
    return dict(zip(COLUMNS, (name, code, ra, "+10:00:00", "Ori", major, "", b, v, hubble, m, "")), **extra)


def write_openngc(folder, ngc_rows, addendum_rows=()):
    for name, rows in (("NGC.csv", ngc_rows), ("addendum.csv", addendum_rows)):
        lines = [COLUMNS] + [[r[c] for c in COLUMNS] for r in rows]
        Path(folder, name).write_text("".join(";".join(cells) + "\n" for cells in lines), encoding="utf-8")


class ConversionTest(unittest.TestCase):
    def test_fields(self):
        cases = [(mc.format_ra, ("07:20:03.00",), "7 20.1"),  # 20.05 rounds up
                 (mc.format_ra, ("23:59:58.00",), "0 00.0"),  # 60.0 minutes carried, 24 h wraps to 0
                 (mc.format_dec, ("-00:30:02",), "-00 30"), (mc.format_dec, ("12:59:31",), "+13 00"),
                 (mc.format_size, ("15.60", ""), "15.6x15.6"), (mc.format_size, ("", ""), "x"),
                 (mc.format_mag, ("8.36", "9.12"), "8.4"), (mc.format_constellation, ("Se2",), "Ser"),
                 (mc.format_identifier, ("ESO097-013",), "ESO 97-13")]
        for function, args, expected in cases:
            self.assertEqual(function(*args), expected, args)
        entry = mc.convert_row(row("NGC1976", "Cl+N", ra="05:35:16.48", Dec="-05:23:22.8", major="90.00",
                                   MinAx="59.96", v="4", **{"Common names": "A,B"}), 42)
        self.assertEqual(mc.catalog_line(entry),
                         "NGC 1976,42,5 35.3,-05 23,90x60,4.0,Nebula with Cluster,Ori,A, B")
        for code, expected in [("OCl", "open"), ("GCl", "globular"), ("G", "galaxy"), ("GPair", "galaxy"),
                               ("PN", "planetary"), ("Cl+N", "nebula"), ("SNR", "nebula"), ("**", None)]:
            text = mc.type_text(row("NGC0001", code, hubble="SBc"))
            self.assertEqual(mc.type_classes(text), {expected} - {None}, text)
        self.assertRaises(mc.CatalogError, mc.type_text, row("NGC0001", "Quasar"))

    def test_messier_first_then_needed_types_then_brightest(self):
        ngc = [row("NGC0001", v="6.0", m="001"), row("NGC0002", "GCl", v="7.0", m="002"),
               row("NGC0003", "G", v="9.0", m="003"), row("NGC5457", "G", v="7.9", m="101"),
               row("NGC0004", "PN", v="14.0"), row("NGC0006", "PN", v="13.0"),
               row("NGC0005", "EmN", v="12.0"), row("NGC5866", "G", v="9.9"),  # NGC 5866 taken as M102
               row("NGC0010", v="5.04"), row("NGC0020", v="4.96", ra="23:59:59"),  # ties at 5.0
               row("NGC0011", v="9.5", b="4.0"), row("NGC0012", b="4.5"),  # V counts, else B
               row("NGC0013", v="1.0", major=""), row("NGC0014"), row("NGC0015", "*", v="1.0"),
               row("NGC0016", "Dup", v="1.0"), row("NGC0017", "NonEx", v="1.0")]
        addendum = [row("M040", "**", v="8.0", major="", m="040"), row("M102", "Dup", m="102"),
                    row("M003", "GCl", v="6.0", m="003")]
        entries = mc.select_objects(ngc + addendum, 10)
        self.assertEqual(entries, mc.select_objects(ngc[::-1] + addendum[::-1], 10))  # any input order
        pairs = [(e["identifier"], e["messier"]) for e in entries]
        self.assertEqual(pairs, [("NGC 20", ""), ("M 40", "40"), ("NGC 1", "1"), ("NGC 2", "2"),
                                 ("NGC 3", "3"), ("NGC 5", ""), ("NGC 6", ""), ("NGC 12", ""),
                                 ("NGC 5457", "101"), ("NGC 5866", "102")])
        # The full catalog: every kind, the same Messier numbers, no duplicate or second record.
        full = mc.select_all(ngc + addendum)
        self.assertEqual({e["name"] for e in full},
                         {r["Name"] for r in ngc + addendum} - {"NGC0016", "NGC0017", "M102", "M003"})
        self.assertEqual({(e["identifier"], e["messier"]) for e in full if e["messier"]},
                         {pair for pair in pairs if pair[1]})

    def test_check_fails_loudly(self):
        types = ("Open Cluster", "Globular Cluster", "Galaxy", "Planetary Nebula", "Nebula")
        entries = [{"identifier": f"NGC {n}", "messier": str(n) if n <= 110 else "", "ra": "1 00.0",
                    "dec": "+10 00", "size": "5x5", "mag": "8.0", "type": types[n % 5],
                    "constellation": "Ori", "comment": ""} for n in range(1, 502)]
        mc.check_catalog(entries)
        for index, key, value in [(0, "messier", "2"), (9, "identifier", "NGC 9"), (5, "dec", " +10 00"),
                                  (5, "type", "Open Cluster in Galaxy"), (5, "comment", "a\tb"),
                                  (5, "ra", "24 00.0"), (5, "dec", "-90 01")]:
            broken = [dict(entry) for entry in entries]
            broken[index][key] = value
            self.assertRaises(mc.CatalogError, mc.check_catalog, broken)
        with tempfile.TemporaryDirectory() as folder:
            write_openngc(folder, [row(f"NGC{n:04d}", m=str(n)) for n in range(1, 111)])
            output = Path(folder, "out.csv")
            result = subprocess.run([sys.executable, SCRIPT, folder, output], capture_output=True, text=True)
            self.assertEqual((result.returncode, output.exists()), (1, False))
            self.assertIn("make_catalog: 110 objects, expected 501", result.stderr)


class ShippedCatalogTest(unittest.TestCase):
    def test_loadable_lines_with_crlf_and_every_messier_object(self):
        for path, count in ((SHIPPED, 501), (FULL, 13371)):
            data = path.read_bytes()
            self.assertEqual([data.count(end) for end in (b"\r\n", b"\r", b"\n")], [count + 1] * 3, path)
            lines = data.decode("utf-8").split("\r\n")
            self.assertEqual((lines[0], lines[-1]), (mc.HEADING, ""))
            cuts = [LOADER_LINE.fullmatch(line) for line in lines[1:-1]]
            for line, f in zip(lines[1:-1], cuts):
                self.assertTrue(f and int(f[3]) < 24 and float(f[4]) < 60 and int(f[6]) < 60
                                and abs(int(f[5])) * 60 + int(f[6]) <= 90 * 60, line)
            self.assertEqual(sorted(int(f[2]) for f in cuts if f[2]), list(range(1, 111)), path)
        # Rounded by hand from the rows of NGC 224 (M31), NGC 1976 (M42), IC 3 (south of the
        # equator by less than a degree), Mel 22 (M45, from the addendum) and NGC 5866.
        hand_rounded = {"NGC 224,31,0 42.7,+41 16,177.8x69.7,3.4,Spiral Galaxy,And,Andromeda Galaxy",
                        "NGC 1976,42,5 35.3,-05 23,90x60,4.0,Nebula with Cluster,Ori,"
                        "Great Orion Nebula, Orion Nebula",
                        "IC 3,,0 12.1,-00 25,0.9x0.7,14.8,Elliptical Galaxy,Psc,",
                        "Mel 22,45,3 47.5,+24 06,150x150,1.2,Open Cluster,Tau,Pleiades",
                        "NGC 5866,102,15 06.5,+55 46,6.3x2.7,9.9,Lenticular Galaxy,Dra,"}
        self.assertLessEqual(hand_rounded, set(FULL.read_bytes().decode("utf-8").split("\r\n")))

    @unittest.skipUnless(OPENNGC.is_dir(), "OpenNGC source not available")
    def test_matches_a_fresh_conversion(self):
        for option, path in (([], SHIPPED), (["--full"], FULL)):
            with tempfile.TemporaryDirectory() as folder:
                subprocess.run([sys.executable, SCRIPT, *option, OPENNGC, Path(folder, "out.csv")],
                               check=True, capture_output=True)
                self.assertEqual(Path(folder, "out.csv").read_bytes(), path.read_bytes(), path)
