"""Tests of tools/make_cities.py and of the shipped data/cities.csv."""

import sys
import tempfile
import unittest
from pathlib import Path

REPO_ROOT = Path(__file__).resolve().parents[2]
SHIPPED = REPO_ROOT / "data" / "cities.csv"
GEONAMES = REPO_ROOT.parent / "shared" / "data" / "geonames" / "cities1000.tsv"
sys.path.insert(0, str(REPO_ROOT / "tools"))

import make_cities as cities  # noqa: E402


def place(name, country, population=1000, code="PPL", admin="01", lat="10.0"):
    return "\t".join((name, country, admin, lat, "-20.0", str(population), code)) + "\n"


class CitiesTest(unittest.TestCase):
    # Read, selected, checked and written; without all state capitals the conversion fails.
    def test_capitals_first_then_most_populous_once_per_name_and_region(self):
        # No "-0.0000" for Vaduz; the capital London stays, also after "London," is cleaned; Washington's
        # latitude rounds half away from zero.
        places = [place("Vaduz", "LI", 5450, "PPLC", lat="-0.00001"), place("Lansing", "US", 50, "PPLA", "MI"),
                  place("Örebro", "SE", 8000000), place("Land capital", "DE", 100, "PPLA"),
                  place("osaka", "US", 4000000, admin=""), place("London", "GB", 8961989, "PPLC", lat="51.50845"),
                  place("London,", "GB", 9000000), place("Washington, D.C.", "US", 601723, "PPLC", "DC", "-12.34565"),
                  place("Washington D.C.", "US", 5000000, admin="DC"), place("Ghost", "CN", 7000000, "PPLH"),
                  place("Old Section", "CN", 8500000, "PPLX"), place("London", "CA", 6000000)]
        with tempfile.TemporaryDirectory() as folder:
            path = Path(folder, "cities1000.tsv")
            path.write_text("name\tcountry\tadmin\tlat\tlon\tpop\tcode\n" + "".join(places), encoding="utf-8")
            rows, text = cities.build_cities(path, 7, frozenset({"MI"}))
            self.assertEqual(rows, cities.select_places(cities.read_places(path)[::-1], 7))
            self.assertRaisesRegex(cities.CitiesError, r"capital for \['AK'\]", cities.build_cities, path, 7, {"AK"})
        wanted = ["Lansing,MI,10.0000", "London,CA,10.0000", "London,GB,51.5085", "Örebro,SE,10.0000",
                  "osaka,US,10.0000", "Vaduz,LI,0.0000", "Washington D.C.,DC,-12.3457"]
        self.assertEqual(text.decode("utf-8").split("\r\n")[1:-1], [line + ",-20.0000" for line in wanted])

    def test_shipped_rows_with_crlf(self):
        data = SHIPPED.read_bytes()
        lines = data.decode("utf-8").split("\r\n")
        ends = [data.count(end) for end in (b"\r", b"\n")]
        self.assertEqual(ends + [lines[0], lines[-1]], [len(lines) - 1] * 2 + [cities.HEADING, ""])
        for line in lines[1:-1]:
            self.assertRegex(line, r"^[^, ][^,]*,[A-Z]{2},-?\d{1,2}\.\d{4},-?\d{1,3}\.\d{4}$")
        rows = [line.split(",") for line in lines[1:-1]]
        self.assertTrue(1400 <= len(rows) <= 1500 and len({(row[0], row[1]) for row in rows}) == len(rows), len(rows))
        self.assertLessEqual(cities.US_STATES, {row[1] for row in rows})

    @unittest.skipUnless(GEONAMES.is_file(), "GeoNames source not available")
    def test_shipped_file_matches_a_fresh_conversion(self):
        self.assertEqual(cities.build_cities(GEONAMES)[1], SHIPPED.read_bytes())
