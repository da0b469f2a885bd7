"""Tests of tools/make_catalog.py and of the shipped data/Objects.csv."""

import os
import random
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

COLUMNS = ("Name;Type;RA;Dec;Const;MajAx;MinAx;PosAng;B-Mag;V-Mag;J-Mag;H-Mag;K-Mag;SurfBr;"
           "Hubble;Pax;Pm-RA;Pm-Dec;RadVel;Redshift;Cstar U-Mag;Cstar B-Mag;Cstar V-Mag;M;NGC;"
           "IC;Cstar Names;Identifiers;Common names;NED notes;OpenNGC notes;Sources").split(";")


def source_row(name, type_code="OCl", ra="10:00:00", dec="+10:00:00", const="Ori", major="5",
               minor="", v="", b="", messier="", hubble="", names="", **extra):
    row = {column: "" for column in COLUMNS}
    row.update({"Name": name, "Type": type_code, "RA": ra, "Dec": dec, "Const": const,
                "MajAx": major, "MinAx": minor, "V-Mag": v, "B-Mag": b, "M": messier,
                "Hubble": hubble, "Common names": names})
    row.update(extra)
    return row


def write_openngc(folder, ngc_rows, addendum_rows=()):
    """Write both source files the way OpenNGC publishes them (';', '"' quoting)."""
    def line(row):
        cells = []
        for column in COLUMNS:
            value = row[column]
            cells.append('"' + value + '"' if ";" in value else value)
        return ";".join(cells)
    for name, rows in (("NGC.csv", ngc_rows), ("addendum.csv", addendum_rows)):
        with open(os.path.join(folder, name), "w", encoding="utf-8", newline="") as handle:
            handle.write(";".join(COLUMNS) + "\n")
            for row in rows:
                handle.write(line(row) + "\n")


def full_source(messier_count=mc.MESSIER_COUNT, others=420):
    """A synthetic database with every Messier number and plenty of fill objects."""
    codes = ("OCl", "GCl", "G", "PN", "EmN")
    rows = []
    for number in range(1, messier_count + 1):
        rows.append(source_row(f"NGC{number:04d}", codes[number % 5], ra=f"{number % 24:02d}:10:00",
                               major="4", v=f"{5 + number % 4}.25", messier=f"{number:03d}"))
    for index in range(others):
        rows.append(source_row(f"IC{index + 1:04d}", codes[index % 5],
                               ra=f"{index % 24:02d}:{index % 60:02d}:30", dec=f"-{index % 80:02d}:20:00",
                               major="3.3", minor="1.04", v=f"{6 + (index * 7) % 50 / 10:.2f}"))
    return rows


def make_entry(identifier, messier="", type_text="Open Cluster", ra="1 00.0"):
    entry = {"name": identifier, "identifier": identifier, "messier": messier, "ra": ra,
             "dec": "+10 00", "size": "5x5", "mag": "8.0", "type": type_text,
             "constellation": "Ori", "comment": "", "class": mc.type_class(type_text)}
    return entry


def valid_entries():
    types = ("Open Cluster", "Globular Cluster", "Galaxy", "Planetary Nebula", "Emission Nebula")
    entries = [make_entry(f"NGC {n}", str(n) if n <= 110 else "", types[n % 5]) for n in range(1, 502)]
    return entries


def parse_shipped_line(test, line):
    """Cut one catalog line as the loader does and read its numbers."""
    fields = mc.split_catalog_line(line)
    test.assertEqual(len(fields), 12, line)
    hours, minutes, degrees, dec_minutes, size, size2, mag = (
        fields[2], fields[3], fields[4], fields[5], fields[6], fields[7], fields[8])
    test.assertRegex(hours, r"^\d{1,2}$", line)
    test.assertTrue(0 <= int(hours) <= 23, line)
    test.assertTrue(0.0 <= float(minutes) < 60.0, line)
    test.assertRegex(degrees, r"^[+-]\d\d$", line)
    test.assertTrue(-90 <= int(degrees) <= 90, line)
    test.assertTrue(0 <= int(dec_minutes) < 60, line)
    if size or size2:
        test.assertGreater(float(size), 0.0, line)
        test.assertGreater(float(size2), 0.0, line)
    if mag:
        test.assertTrue(-2.0 < float(mag) < 20.0, line)
    test.assertEqual(line[:len(fields[0]) + 1], fields[0] + ",")
    return fields


class FieldFormatTest(unittest.TestCase):
    def test_right_ascension(self):
        cases = [
            ("05:35:17.3", "5 35.3"),
            ("00:42:44.35", "0 42.7"),
            ("12:30:00", "12 30.0"),
            ("00:00:00.0", "0 00.0"),
            ("09:04:57.0", "9 05.0"),    # minutes keep two digits
            ("01:59:57.00", "2 00.0"),   # 59.95 rounds to 60.0: carried into the hour
            ("13:59:59.99", "14 00.0"),
            ("23:59:58.00", "0 00.0"),   # 24 h wraps to 0
            ("07:20:02.99", "7 20.0"),
            ("07:20:03.00", "7 20.1"),   # 20.05 rounds up
        ]
        for text, expected in cases:
            with self.subTest(text=text):
                self.assertEqual(mc.format_ra(text), expected)

    def test_declination(self):
        cases = [
            ("+41:16:08.6", "+41 16"),
            ("-05:23:22.8", "-05 23"),
            ("-00:30:02", "-00 30"),      # the sign of a zero degree is kept
            ("+00:04:45.5", "+00 05"),
            ("-00:00:10", "-00 00"),
            ("-12:59:31", "-13 00"),      # 60 minutes carried into the degree
            ("+89:59:45.0", "+90 00"),
            ("-69:45:22", "-69 45"),
            ("+07:29:30", "+07 30"),      # half a minute rounds up
            ("+07:29:29.9", "+07 29"),
        ]
        for text, expected in cases:
            with self.subTest(text=text):
                self.assertEqual(mc.format_dec(text), expected)

    def test_bad_coordinates_raise(self):
        for text in ("", "12", "ab:cd:ef", "12::30"):
            with self.subTest(text=text):
                with self.assertRaises((mc.CatalogError, ValueError, ArithmeticError)):
                    mc.format_ra(text)
                with self.assertRaises((mc.CatalogError, ValueError, ArithmeticError)):
                    mc.format_dec(text)

    def test_size(self):
        cases = [
            ("177.83", "69.66", "177.8x69.7"),
            ("8.00", "4.00", "8x4"),            # no trailing ".0"
            ("15.60", "", "15.6x15.6"),         # missing minor axis: the major twice
            ("", "", "x"),                      # unknown: not a number, never listed
            ("", "2.5", "2.5x2.5"),
            ("0.96", "0.94", "1x0.9"),
            ("3.25", "2.05", "3.3x2.1"),        # halves round up
            ("646.00", "550.00", "646x550"),
        ]
        for major, minor, expected in cases:
            with self.subTest(major=major, minor=minor):
                self.assertEqual(mc.format_size(major, minor), expected)

    def test_magnitude(self):
        cases = [
            ("8.36", "9.12", "8.4"),   # V preferred
            ("", "9.55", "9.6"),       # B when V is missing
            ("", "", ""),
            ("0.29", "0.80", "0.3"),
            ("5", "", "5.0"),          # always one decimal
            ("-1.46", "", "-1.5"),
        ]
        for v, b, expected in cases:
            with self.subTest(v=v, b=b):
                self.assertEqual(mc.format_mag(v, b), expected)

    def test_identifier(self):
        cases = [
            ("NGC0224", "NGC 224"),
            ("IC0434", "IC 434"),
            ("Mel022", "Mel 22"),
            ("M040", "M 40"),
            ("NGC5866B", "NGC 5866B"),
            ("ESO056-115", "ESO 56-115"),
            ("NGC7000", "NGC 7000"),
        ]
        for name, expected in cases:
            with self.subTest(name=name):
                self.assertEqual(mc.format_identifier(name), expected)

    def test_constellation(self):
        cases = [("Se1", "Ser"), ("Se2", "Ser"), ("Sgr", "Sgr"), ("CVn", "CVn")]
        for code, expected in cases:
            with self.subTest(code=code):
                self.assertEqual(mc.format_constellation(code), expected)

    def test_comment(self):
        self.assertEqual(mc.format_comment("Great Orion Nebula,Orion Nebula"),
                         "Great Orion Nebula, Orion Nebula")
        self.assertEqual(mc.format_comment(""), "")


class TypeTextTest(unittest.TestCase):
    def test_each_of_the_five_types_gets_exactly_one_word(self):
        cases = [
            ("OCl", "", "open"),
            ("GCl", "", "globular"),
            ("G", "Sb", "galaxy"),
            ("G", "SBc", "galaxy"),
            ("G", "E", "galaxy"),
            ("G", "S0-a", "galaxy"),
            ("G", "IB", "galaxy"),
            ("G", "", "galaxy"),
            ("GPair", "", "galaxy"),
            ("GTrpl", "", "galaxy"),
            ("GGroup", "", "galaxy"),
            ("PN", "", "planetary"),
            ("HII", "", "nebula"),
            ("EmN", "", "nebula"),
            ("Neb", "", "nebula"),
            ("RfN", "", "nebula"),
            ("SNR", "", "nebula"),
            ("DrkN", "", "nebula"),
            ("Cl+N", "", "nebula"),
        ]
        for code, hubble, expected in cases:
            with self.subTest(code=code, hubble=hubble):
                text = mc.type_text(source_row("NGC0001", code, hubble=hubble))
                self.assertEqual(mc.type_classes(text), {expected}, text)

    def test_other_kinds_get_none_of_the_words(self):
        for code in ("*", "**", "*Ass", "Nova", "Other"):
            with self.subTest(code=code):
                text = mc.type_text(source_row("NGC0001", code))
                self.assertEqual(mc.type_classes(text), set(), text)
        for name, expected in (("IC4715", "Star Cloud"), ("NGC6994", "Asterism")):
            with self.subTest(name=name):
                self.assertEqual(mc.type_text(source_row(name, "*Ass")), expected)

    def test_every_type_text_of_the_table_is_unambiguous(self):
        texts = set(mc.TYPE_TEXTS.values()) | set(mc.TYPE_TEXT_OVERRIDES.values())
        texts |= {mc.galaxy_type_text(h) for h in ("E", "S0", "Sa", "SBb", "SABc", "I", "S?", "")}
        for text in sorted(texts):
            with self.subTest(text=text):
                self.assertLessEqual(len(mc.type_classes(text)), 1)

    def test_type_test_words(self):
        cases = [
            ("Planetary Nebula", {"planetary"}),
            ("Emission Nebula", {"nebula"}),
            ("Reopened Cluster", {"open"}),          # substring matching, as the list does
            ("Galaxy with Open Cluster", {"galaxy", "open"}),
            ("Double Star", set()),
        ]
        for text, expected in cases:
            with self.subTest(text=text):
                self.assertEqual(mc.type_classes(text), expected)
        with self.assertRaises(mc.CatalogError):
            mc.type_class("Galaxy with Open Cluster")

    def test_unknown_type_code_raises(self):
        with self.assertRaises(mc.CatalogError):
            mc.type_text(source_row("NGC0001", "Quasar"))


class LineTest(unittest.TestCase):
    def test_line_cuts_back_into_its_fields(self):
        entry = mc.convert_row(source_row(
            "NGC1976", "Cl+N", ra="05:35:16.48", dec="-05:23:22.8", major="90.00", minor="60.00",
            v="4.00", b="4.00", names="Great Orion Nebula,Orion Nebula"), 42)
        line = mc.catalog_line(entry)
        self.assertEqual(line, "NGC 1976,42,5 35.3,-05 23,90x60,4.0,Nebula with Cluster,Ori,"
                               "Great Orion Nebula, Orion Nebula")
        self.assertEqual(mc.split_catalog_line(line),
                         ["NGC 1976", "42", "5", "35.3", "-05", "23", "90", "60", "4.0",
                          "Nebula with Cluster", "Ori", "Great Orion Nebula, Orion Nebula"])

    def test_unknown_size_keeps_its_x(self):
        entry = mc.convert_row(source_row("NGC6402", "GCl", dec="-03:14:45.3", major="",
                                          v="5.73", names="Box, the x-shaped"), 14)
        fields = mc.split_catalog_line(mc.catalog_line(entry))
        self.assertEqual(fields[6:9], ["", "", "5.7"])
        self.assertEqual(fields[11], "Box, the x-shaped")

    def test_serpens_and_messier_number(self):
        entry = mc.convert_row(source_row("NGC5904", "GCl", const="Se1", messier="005"), 5)
        self.assertEqual(entry["constellation"], "Ser")
        self.assertEqual(entry["messier"], "5")

    def test_missing_separator_raises(self):
        with self.assertRaises(mc.CatalogError):
            mc.split_catalog_line("NGC 1,,1 00.0,+10 00,5,8.0,Open Cluster,Ori,")


class SelectionTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.folder = self.tmp.name

    def tearDown(self):
        self.tmp.cleanup()

    def build(self, ngc_rows, addendum_rows=(), total=10, messier=3):
        write_openngc(self.folder, ngc_rows, addendum_rows)
        entries, data = mc.build_catalog(self.folder, total, messier)
        return {entry["name"]: entry for entry in entries}, data

    def base_rows(self):
        return [
            source_row("NGC0001", "OCl", v="6.0", messier="001"),
            source_row("NGC0002", "GCl", v="7.0", messier="002"),
            source_row("NGC0003", "G", hubble="Sb", v="9.0", messier="003"),
            source_row("NGC0004", "PN", v="12.0", major="0.3"),
            source_row("NGC0005", "EmN", v="11.0", major="20"),
        ]

    def test_messier_objects_and_brightest_others(self):
        rows = self.base_rows() + [
            source_row("NGC0010", "OCl", v="5.0"),
            source_row("NGC0011", "OCl", v="9.5", b="4.0"),     # V counts, not B
            source_row("NGC0012", "G", b="5.5"),                # B when V is missing
            source_row("NGC0013", "OCl", v="4.0", major=""),    # no size: not taken
            source_row("NGC0014", "OCl"),                       # no magnitude: not taken
            source_row("NGC0015", "*", v="1.0"),                # a star: not taken
            source_row("NGC0016", "Dup", v="1.0"),
            source_row("NGC0017", "NonEx", v="1.0"),
            source_row("NGC0018", "GCl", v="8.0"),
            source_row("NGC0019", "G", v="13.0"),
        ]
        chosen, _ = self.build(rows, total=10, messier=3)
        self.assertEqual(set(chosen), {"NGC0001", "NGC0002", "NGC0003", "NGC0004", "NGC0005",
                                       "NGC0010", "NGC0011", "NGC0012", "NGC0018", "NGC0019"})
        self.assertEqual(chosen["NGC0012"]["mag"], "5.5")
        self.assertEqual(chosen["NGC0011"]["mag"], "9.5")

    def test_brightness_decides_which_fill_objects_are_taken(self):
        rows = self.base_rows() + [source_row(f"IC{n:04d}", "OCl", v=f"{n}.0") for n in range(20, 5, -1)]
        chosen, _ = self.build(rows, total=8, messier=3)
        self.assertEqual(sorted(name for name in chosen if name.startswith("IC")),
                         ["IC0006", "IC0007", "IC0008"])

    def test_written_magnitude_ties_go_to_the_brighter_object(self):
        rows = self.base_rows() + [
            source_row("NGC0020", "OCl", v="9.74"),
            source_row("NGC0030", "OCl", v="9.66"),
            source_row("NGC0040", "OCl", b="9.65"),
            source_row("NGC0050", "OCl", v="9.80"),
        ]
        chosen, _ = self.build(rows, total=7, messier=3)
        self.assertEqual(sorted(name for name in chosen if name >= "NGC0020"),
                         ["NGC0030", "NGC0040"])

    def test_missing_type_gets_its_brightest_object(self):
        # The planetary nebula is the faintest object but its type must be there.
        rows = self.base_rows()[:3] + [
            source_row("NGC0004", "PN", v="14.0"),
            source_row("NGC0006", "PN", v="13.0"),
            source_row("NGC0005", "EmN", v="12.0"),
            source_row("NGC0007", "OCl", v="6.5"),
            source_row("NGC0008", "OCl", v="6.6"),
        ]
        chosen, _ = self.build(rows, total=6, messier=3)
        self.assertIn("NGC0006", chosen)
        self.assertNotIn("NGC0004", chosen)
        self.assertIn("NGC0005", chosen)
        self.assertEqual({e["class"] for e in chosen.values()},
                         {"open", "globular", "galaxy", "planetary", "nebula"})

    def test_messier_duplicates_are_resolved(self):
        addendum = [
            source_row("M040", "**", v="8.0", major="", messier="040"),
            source_row("Mel022", "OCl", v="1.2", major="150", minor="150", messier="045",
                       names="Pleiades"),
            source_row("M102", "Dup", messier="101"),      # a duplicate entry: skipped
            source_row("M003", "GCl", v="6.0", messier="003"),  # second record of M3
        ]
        rows = self.base_rows() + [
            source_row("NGC5457", "G", v="7.9", messier="101"),
            source_row("NGC5866", "G", v="9.9", hubble="S0-a"),
        ]
        chosen, _ = self.build(rows, addendum, total=9, messier=7)
        numbers = {e["messier"]: name for name, e in chosen.items() if e["messier"]}
        self.assertEqual(numbers, {"1": "NGC0001", "2": "NGC0002", "3": "NGC0003", "40": "M040",
                                   "45": "Mel022", "101": "NGC5457", "102": "NGC5866"})
        self.assertNotIn("M102", chosen)
        self.assertNotIn("M003", chosen)
        self.assertEqual(chosen["M040"]["type"], "Double Star")
        self.assertEqual(chosen["M040"]["size"], "x")
        self.assertEqual(chosen["Mel022"]["identifier"], "Mel 22")

    def test_output_sorted_by_ra_then_identifier(self):
        rows = self.base_rows() + [
            source_row("NGC0100", "OCl", ra="00:30:00", v="6.0"),
            source_row("IC0100", "OCl", ra="23:59:59", v="6.0"),     # wraps to 0 00.0
            source_row("NGC0020", "OCl", ra="10:00:00", v="6.0"),
            source_row("NGC0009", "OCl", ra="10:00:00", v="6.0"),
            source_row("NGC0101", "OCl", ra="01:00:00", v="6.0"),
        ]
        entries, _ = mc.build_catalog(self._write(rows), 10, 3)
        order = [entry["identifier"] for entry in entries]
        self.assertEqual(order[:3], ["IC 100", "NGC 100", "NGC 101"])
        self.assertEqual(order[3:], ["NGC 1", "NGC 2", "NGC 3", "NGC 4", "NGC 5", "NGC 9", "NGC 20"])

    def _write(self, rows, addendum=()):
        write_openngc(self.folder, rows, addendum)
        return self.folder

    def test_quoted_semicolons_in_the_source(self):
        rows = self.base_rows()
        rows[0]["OpenNGC notes"] = "a note; with a semicolon"
        rows[0]["Common names"] = "First; Cluster"
        chosen, _ = self.build(rows, total=5, messier=3)
        self.assertEqual(chosen["NGC0001"]["comment"], "First; Cluster")


class CatalogCheckTest(unittest.TestCase):
    def test_valid_catalog_passes(self):
        mc.check_catalog(valid_entries())

    def test_broken_catalogs_fail(self):
        def drop_one(entries):
            del entries[-1]

        def add_one(entries):
            entries.append(make_entry("IC 1"))

        def lose_messier(entries):
            entries[0]["messier"] = ""

        def repeat_messier(entries):
            entries[0]["messier"] = "2"

        def repeat_identifier(entries):
            entries[-1]["identifier"] = entries[-2]["identifier"]

        def no_planetary(entries):
            for entry in entries:
                if entry["type"] == "Planetary Nebula":
                    entry["type"] = "Open Cluster"

        def comma_in_type(entries):
            entries[5]["type"] = "Open Cluster, rich"

        def x_in_identifier(entries):
            entries[5]["identifier"] = "Pox 4"

        def blank_before_dec(entries):
            entries[5]["dec"] = " +10 00"

        def bad_minutes(entries):
            entries[5]["ra"] = "1 ab"

        def two_words(entries):
            entries[5]["type"] = "Open Cluster in Galaxy"

        for breaker in (drop_one, add_one, lose_messier, repeat_messier, repeat_identifier,
                        no_planetary, comma_in_type, x_in_identifier, blank_before_dec,
                        bad_minutes, two_words):
            with self.subTest(breaker=breaker.__name__):
                entries = valid_entries()
                breaker(entries)
                with self.assertRaises(mc.CatalogError):
                    mc.check_catalog(entries)


class ConverterRunTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.folder = os.path.join(self.tmp.name, "openngc")
        os.mkdir(self.folder)

    def tearDown(self):
        self.tmp.cleanup()

    def run_script(self, output):
        return subprocess.run([sys.executable, SCRIPT, self.folder, output],
                              capture_output=True, text=True)

    def test_full_run_is_reproducible_and_uses_crlf(self):
        rows = full_source()
        write_openngc(self.folder, rows)
        first = os.path.join(self.tmp.name, "first.csv")
        result = self.run_script(first)
        self.assertEqual(result.returncode, 0, result.stderr)

        shuffled = list(rows)
        random.Random(7).shuffle(shuffled)
        write_openngc(self.folder, shuffled)
        second = os.path.join(self.tmp.name, "second.csv")
        self.assertEqual(self.run_script(second).returncode, 0)

        with open(first, "rb") as handle:
            data = handle.read()
        with open(second, "rb") as handle:
            self.assertEqual(handle.read(), data)

        self.assertTrue(data.endswith(b"\r\n"))
        self.assertFalse(data.endswith(b"\r\n\r\n"))
        self.assertEqual(data.count(b"\n"), data.count(b"\r\n"))
        self.assertEqual(data.count(b"\r"), data.count(b"\r\n"))
        lines = data.decode("utf-8").split("\r\n")[:-1]
        self.assertEqual(lines[0], mc.HEADING)
        self.assertEqual(len(lines), 1 + 501)
        self.assertEqual(len({mc.split_catalog_line(line)[1] for line in lines[1:]} - {""}), 110)

    def test_wrong_counts_fail_loudly_without_output(self):
        cases = [
            ("109 Messier objects", full_source(messier_count=109)),
            ("too few objects", full_source(others=300)),
        ]
        for label, rows in cases:
            with self.subTest(label):
                write_openngc(self.folder, rows)
                output = os.path.join(self.tmp.name, "out.csv")
                result = self.run_script(output)
                self.assertNotEqual(result.returncode, 0)
                self.assertIn("make_catalog:", result.stderr)
                self.assertFalse(os.path.exists(output))


class ShippedCatalogTest(unittest.TestCase):
    def setUp(self):
        with open(SHIPPED, "rb") as handle:
            self.data = handle.read()

    def test_line_ends(self):
        self.assertTrue(self.data.endswith(b"\r\n"))
        self.assertFalse(self.data.endswith(b"\r\n\r\n"))
        self.assertEqual(self.data.count(b"\n"), self.data.count(b"\r\n"))
        self.assertEqual(self.data.count(b"\r"), self.data.count(b"\r\n"))

    def test_501_loadable_objects(self):
        lines = self.data.decode("utf-8").split("\r\n")[:-1]
        self.assertEqual(len(lines), 502)
        self.assertEqual(lines[0], mc.HEADING)
        messier = []
        classes = set()
        for line in lines[1:]:
            with self.subTest(line=line):
                fields = parse_shipped_line(self, line)
                if fields[1]:
                    messier.append(int(fields[1]))
                classes.add(mc.type_class(fields[9]))
        self.assertEqual(sorted(messier), list(range(1, 111)))
        self.assertTrue({"open", "globular", "galaxy", "planetary", "nebula"} <= classes)

    @unittest.skipUnless(os.path.isdir(OPENNGC), "OpenNGC source not available")
    def test_matches_a_fresh_conversion(self):
        _, data = mc.build_catalog(OPENNGC)
        self.assertEqual(data, self.data)


if __name__ == "__main__":
    unittest.main()
