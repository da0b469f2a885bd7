"""Tests of tools/make_cities.py and of the shipped data/cities.csv."""

import os
import random
import re
import subprocess
import sys
import tempfile
import unittest

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SCRIPT = os.path.join(REPO_ROOT, "tools", "make_cities.py")
SHIPPED = os.path.join(REPO_ROOT, "data", "cities.csv")
GEONAMES = os.path.join(REPO_ROOT, os.pardir, "shared", "data", "geonames", "cities1000.tsv")
sys.path.insert(0, os.path.join(REPO_ROOT, "tools"))

import make_cities as cities  # noqa: E402

HEADING = "name\tcountry\tadmin\tlat\tlon\tpopulation\tfeatureCode"


def place(name, country="FR", admin="11", lat="48.85341", lon="2.3488", population=1000,
          code="PPL"):
    return (name, country, admin, lat, lon, str(population), code)


def state_capitals():
    return [place(f"Capital of {state}", "US", state, "40.0", "-100.0", 5000, "PPLA")
            for state in sorted(cities.US_STATES)]


def write_tsv(path, places):
    with open(path, "w", encoding="utf-8", newline="") as handle:
        handle.write(HEADING + "\n")
        for fields in places:
            handle.write("\t".join(fields) + "\n")


def parse(data):
    """Split a cities file the way the chooser does: heading, then four fields a line."""
    lines = data.decode("utf-8").split("\r\n")
    return lines[0], [line.split(",") for line in lines[1:-1]]


class FieldFormatTest(unittest.TestCase):
    def test_clean_name(self):
        cases = [
            ("Washington, D.C.", "Washington D.C."),
            ("Villa Presidente Frei, Ñuñoa, Santiago, Chile",
             "Villa Presidente Frei Ñuñoa Santiago Chile"),
            ("Xeraco,Jaraco", "Xeraco Jaraco"),
            ("  Saint   Paul ", "Saint Paul"),
            ("São Paulo", "São Paulo"),
        ]
        for name, expected in cases:
            with self.subTest(name=name):
                self.assertEqual(cities.clean_name(name), expected)

    def test_coordinate_has_four_decimals(self):
        cases = [
            ("38.89511", "38.8951"),
            ("-77.03637", "-77.0364"),
            ("1.5", "1.5000"),
            ("-122", "-122.0000"),
            ("12.34565", "12.3457"),     # halves round away from zero
            ("-12.34565", "-12.3457"),
            ("-0.00001", "0.0000"),      # no negative zero
            ("-0.00005", "-0.0001"),
        ]
        for text, expected in cases:
            with self.subTest(text=text):
                self.assertEqual(cities.format_coordinate(text), expected)

    def test_region(self):
        cases = [
            (("Lansing", "US", "MI"), "MI"),
            (("Washington, D.C.", "US", "DC"), "DC"),
            (("Somewhere", "US", ""), "US"),
            (("Paris", "FR", "11"), "FR"),
            (("Toronto", "CA", "08"), "CA"),
        ]
        for (name, country, admin), expected in cases:
            with self.subTest(name=name):
                row = {"name": name, "country": country, "admin1": admin}
                self.assertEqual(cities.region(row), expected)


class SelectionTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.path = os.path.join(self.tmp.name, "cities1000.tsv")

    def tearDown(self):
        self.tmp.cleanup()

    def select(self, places, target):
        write_tsv(self.path, places)
        return cities.select_places(cities.read_places(self.path), target)

    def test_capitals_first_then_most_populous(self):
        places = [
            place("Vaduz", "LI", "11", "47.14151", "9.52154", 5450, "PPLC"),
            place("Lansing", "US", "MI", "42.73254", "-84.55553", 115056, "PPLA"),
            place("Big Town", "CN", "01", "30.0", "110.0", 9000000),
            place("Middle Town", "IN", "02", "20.0", "80.0", 4000000),
            place("Small Town", "BR", "03", "-10.0", "-50.0", 3000000),
            place("Old Section", "CN", "01", "30.1", "110.1", 8000000, "PPLX"),
            place("Ghost", "CN", "01", "30.2", "110.2", 7000000, "PPLH"),
            place("Regional Seat", "DE", "02", "50.0", "10.0", 100, "PPLA"),
        ]
        rows = self.select(places, 4)
        self.assertEqual([(r["name"], r["region"]) for r in rows],
                         [("Big Town", "CN"), ("Lansing", "MI"), ("Middle Town", "IN"),
                          ("Vaduz", "LI")])

    def test_duplicates_keep_the_most_populous(self):
        places = [
            place("Springfield", "US", "MO", "37.21533", "-93.29824", 169176),
            place("Springfield", "US", "MO", "37.0", "-93.0", 5000),
            place("Springfield", "US", "IL", "39.80172", "-89.64371", 114394, "PPLA"),
            place("Springfield", "US", "MA", "42.10148", "-72.58981", 153606),
            place("London", "GB", "ENG", "51.50853", "-0.12574", 8961989, "PPLC"),
            place("London", "GB", "ENG", "51.4", "-0.1", 9000000),
            place("London", "CA", "08", "42.98339", "-81.23304", 346765),
        ]
        rows = self.select(places, 10)
        keyed = {(r["name"], r["region"]): (r["lat"], r["lon"]) for r in rows}
        self.assertEqual(keyed, {
            ("London", "CA"): ("42.9834", "-81.2330"),
            ("London", "GB"): ("51.5085", "-0.1257"),   # the capital stays
            ("Springfield", "IL"): ("39.8017", "-89.6437"),
            ("Springfield", "MA"): ("42.1015", "-72.5898"),
            ("Springfield", "MO"): ("37.2153", "-93.2982"),
        })

    def test_names_with_commas_merge_after_cleaning(self):
        places = [
            place("Washington, D.C.", "US", "DC", "38.89511", "-77.03637", 601723, "PPLC"),
            place("Washington D.C.", "US", "DC", "38.9", "-77.0", 10),
        ]
        rows = self.select(places, 10)
        self.assertEqual([(r["name"], r["lat"]) for r in rows], [("Washington D.C.", "38.8951")])

    def test_sorted_by_name_then_region(self):
        places = [
            place("Zürich", "CH"), place("Aba", "NG"), place("Abadan", "IR"),
            place("Paris", "US", "TX"), place("Paris", "FR"), place("Örebro", "SE"),
            place("zeta", "GR"), place("Éclair", "FR"),
        ]
        rows = self.select(places, 20)
        self.assertEqual([(r["name"], r["region"]) for r in rows], [
            ("Aba", "NG"), ("Abadan", "IR"), ("Éclair", "FR"), ("Örebro", "SE"), ("Paris", "FR"),
            ("Paris", "TX"), ("zeta", "GR"), ("Zürich", "CH")])

    def test_check_finds_missing_capitals(self):
        places_ok = state_capitals() + [place("Paris", "FR", code="PPLC")]
        write_tsv(self.path, places_ok)
        loaded = cities.read_places(self.path)
        rows = cities.select_places(loaded, 60)
        cities.check_places(rows, loaded, 60)

        cases = [
            ("a state without its capital", state_capitals()[1:]),
            ("too small a table for all capitals", places_ok),
        ]
        for label, places in cases:
            with self.subTest(label):
                write_tsv(self.path, places)
                loaded = cities.read_places(self.path)
                with self.assertRaises(cities.CitiesError):
                    rows = cities.select_places(loaded, 50)
                    cities.check_places(rows, loaded, 50)

    def test_check_rejects_bad_rows(self):
        good = {"name": "Paris", "region": "FR", "lat": "48.8534", "lon": "2.3488",
                "country": "FR", "population": 1, "national_capital": True,
                "state_capital": False}
        source = [{"name": "Paris", "country": "FR", "admin1": "11", "lat": "48.85341",
                   "lon": "2.3488", "population": 1, "code": "PPLC"}]
        cities.check_places([good], source, 10, None)
        cases = [
            ("comma in name", {"name": "Paris, France"}),
            ("three decimals", {"lat": "48.853"}),
            ("capital missing", {"national_capital": False}),
        ]
        for label, change in cases:
            with self.subTest(label):
                with self.assertRaises(cities.CitiesError):
                    cities.check_places([dict(good, **change)], source, 10, None)
        with self.assertRaises(cities.CitiesError):
            cities.check_places([good, dict(good)], source, 10, None)


class ConverterRunTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.source = os.path.join(self.tmp.name, "cities1000.tsv")

    def tearDown(self):
        self.tmp.cleanup()

    def source_places(self):
        places = state_capitals() + [
            place("Washington, D.C.", "US", "DC", "38.89511", "-77.03637", 601723, "PPLC"),
            place("Paris", "FR", "11", "48.85341", "2.3488", 2138551, "PPLC"),
            place("Equator Town", "EC", "01", "-0.00001", "-78.5", 100000),
        ]
        places += [place(f"Town {n}", "BR", "05", f"-{n % 30}.123456", f"-{n % 60}.654321",
                         1000 + n * 37 % 5000) for n in range(2000)]
        return places

    def run_script(self, output):
        return subprocess.run([sys.executable, SCRIPT, self.source, output],
                              capture_output=True, text=True)

    def test_full_run_is_reproducible_and_uses_crlf(self):
        places = self.source_places()
        write_tsv(self.source, places)
        first = os.path.join(self.tmp.name, "first.csv")
        result = self.run_script(first)
        self.assertEqual(result.returncode, 0, result.stderr)

        random.Random(3).shuffle(places)
        write_tsv(self.source, places)
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
        heading, rows = parse(data)
        self.assertEqual(heading, "City,Region,Latitude,Longitude")
        self.assertEqual(len(rows), cities.TARGET_COUNT)
        lookup = {(r[0], r[1]): r for r in rows}
        self.assertEqual(lookup[("Washington D.C.", "DC")][2:], ["38.8951", "-77.0364"])
        self.assertEqual(lookup[("Capital of MI", "MI")][2:], ["40.0000", "-100.0000"])
        self.assertEqual(lookup[("Equator Town", "EC")][2:], ["0.0000", "-78.5000"])
        for row in rows:
            self.assertEqual(len(row), 4, row)

    def test_missing_state_capital_fails_loudly_without_output(self):
        write_tsv(self.source, self.source_places()[1:])
        output = os.path.join(self.tmp.name, "out.csv")
        result = self.run_script(output)
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("make_cities:", result.stderr)
        self.assertFalse(os.path.exists(output))


class ShippedCitiesTest(unittest.TestCase):
    def setUp(self):
        with open(SHIPPED, "rb") as handle:
            self.data = handle.read()

    def test_line_ends(self):
        self.assertTrue(self.data.endswith(b"\r\n"))
        self.assertFalse(self.data.endswith(b"\r\n\r\n"))
        self.assertEqual(self.data.count(b"\n"), self.data.count(b"\r\n"))
        self.assertEqual(self.data.count(b"\r"), self.data.count(b"\r\n"))

    def test_rows(self):
        heading, rows = parse(self.data)
        self.assertEqual(heading, "City,Region,Latitude,Longitude")
        self.assertTrue(1400 <= len(rows) <= 1600, len(rows))
        regions = set()
        for row in rows:
            with self.subTest(row=row):
                self.assertEqual(len(row), 4)
                self.assertTrue(row[0] and row[0] == row[0].strip())
                self.assertRegex(row[1], r"^[A-Z]{2}$")
                self.assertRegex(row[2], r"^-?\d{1,2}\.\d{4}$")
                self.assertRegex(row[3], r"^-?\d{1,3}\.\d{4}$")
                self.assertTrue(-90 <= float(row[2]) <= 90 and -180 <= float(row[3]) <= 180)
                regions.add(row[1])
        self.assertTrue(cities.US_STATES <= regions)
        self.assertEqual(len({(r[0], r[1]) for r in rows}), len(rows))
        self.assertEqual(rows, sorted(rows, key=lambda r: cities.sort_key(
            {"name": r[0], "region": r[1], "lat": r[2], "lon": r[3]})))

    @unittest.skipUnless(os.path.isfile(GEONAMES), "GeoNames source not available")
    def test_matches_a_fresh_conversion(self):
        _, data = cities.build_cities(GEONAMES)
        self.assertEqual(data, self.data)


if __name__ == "__main__":
    unittest.main()
