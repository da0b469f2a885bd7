"""Tests of tools/make_cities.py and of the shipped data/cities.csv."""

import os
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


def place(name, country, admin="01", population=1000, code="PPL", lat="10.0"):
    return (name, country, admin, lat, "-20.0", str(population), code)


def write_tsv(folder, places):
    path = os.path.join(folder, "cities1000.tsv")
    with open(path, "w", encoding="utf-8", newline="") as handle:
        for fields in [("name", "country", "admin", "lat", "lon", "pop", "code")] + places:
            handle.write("\t".join(fields) + "\n")
    return path


class CitiesTest(unittest.TestCase):
    def test_fields(self):
        cases = [
            (cities.clean_name, "Washington, D.C.", "Washington D.C."),
            (cities.clean_name, "  Saint   Paul ", "Saint Paul"),
            (cities.format_coordinate, "-122", "-122.0000"),
            (cities.format_coordinate, "-12.34565", "-12.3457"),
            (cities.format_coordinate, "-0.00001", "0.0000"),
        ]
        for function, text, expected in cases:
            with self.subTest(function=function.__name__, text=text):
                self.assertEqual(function(text), expected)
        for country, admin, expected in [("US", "MI", "MI"), ("US", "", "US"), ("FR", "11", "FR")]:
            with self.subTest(country=country, admin=admin):
                self.assertEqual(cities.region({"country": country, "admin1": admin}), expected)

    def test_capitals_first_then_most_populous_once_per_name_and_region(self):
        places = [
            place("Vaduz", "LI", population=5450, code="PPLC"),
            place("Lansing", "US", "MI", 115056, "PPLA"),
            place("London", "GB", population=8961989, code="PPLC", lat="51.50853"),
            place("London", "GB", population=9000000),            # the capital stays
            place("Washington, D.C.", "US", "DC", 601723, "PPLC", lat="38.89511"),
            place("Washington D.C.", "US", "DC", 5000000),         # the same after cleaning
            place("Old Section", "CN", population=8500000, code="PPLX"),
            place("Örebro", "SE", population=8000000),
            place("Ghost", "CN", population=7000000, code="PPLH"),
            place("London", "CA", population=6000000),
            place("osaka", "GR", population=4000000),
            place("Small Town", "BR", population=3000000),
            place("Regional Seat", "DE", population=100, code="PPLA"),
        ]
        with tempfile.TemporaryDirectory() as folder:
            rows = cities.select_places(cities.read_places(write_tsv(folder, places)), 7)
            again = cities.select_places(cities.read_places(write_tsv(folder, places[::-1])), 7)
        self.assertEqual(rows, again)
        self.assertEqual([(r["name"], r["region"], r["lat"]) for r in rows], [
            ("Lansing", "MI", "10.0000"), ("London", "CA", "10.0000"), ("London", "GB", "51.5085"),
            ("Örebro", "SE", "10.0000"), ("osaka", "GR", "10.0000"), ("Vaduz", "LI", "10.0000"),
            ("Washington D.C.", "DC", "38.8951")])

    def test_missing_state_capital_fails_loudly(self):
        capitals = [place(f"Capital of {state}", "US", state, 5000, "PPLA")
                    for state in sorted(cities.US_STATES) if state != "MI"]
        with tempfile.TemporaryDirectory() as folder:
            output = os.path.join(folder, "out.csv")
            result = subprocess.run([sys.executable, SCRIPT, write_tsv(folder, capitals), output],
                                    capture_output=True, text=True)
            self.assertNotEqual(result.returncode, 0)
            self.assertIn("make_cities: no state capital for ['MI']", result.stderr)
            self.assertFalse(os.path.exists(output))


class ShippedCitiesTest(unittest.TestCase):
    def setUp(self):
        with open(SHIPPED, "rb") as handle:
            self.data = handle.read()

    def test_rows_with_crlf(self):
        lines = self.data.decode("utf-8").split("\r\n")
        self.assertEqual([self.data.count(end) for end in (b"\r", b"\n")], [len(lines) - 1] * 2)
        self.assertEqual((lines[0], lines[-1]), (cities.HEADING, ""))
        rows = [line.split(",") for line in lines[1:-1]]
        for line in lines[1:-1]:
            self.assertRegex(line, r"^[^, ][^,]*,[A-Z]{2},-?\d{1,2}\.\d{4},-?\d{1,3}\.\d{4}$")
        self.assertTrue(1400 <= len(rows) <= 1500, len(rows))
        self.assertLessEqual(cities.US_STATES, {row[1] for row in rows})
        self.assertEqual(len({(row[0], row[1]) for row in rows}), len(rows))

    @unittest.skipUnless(os.path.isfile(GEONAMES), "GeoNames source not available")
    def test_matches_a_fresh_conversion(self):
        self.assertEqual(cities.build_cities(GEONAMES)[1], self.data)


if __name__ == "__main__":
    unittest.main()
