"""Tests of tools/make_cities.py and of the shipped data/cities.csv."""

import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

REPO_ROOT = Path(__file__).resolve().parents[2]
SCRIPT, SHIPPED = REPO_ROOT / "tools" / "make_cities.py", REPO_ROOT / "data" / "cities.csv"
GEONAMES = REPO_ROOT.parent / "shared" / "data" / "geonames" / "cities1000.tsv"
sys.path.insert(0, str(REPO_ROOT / "tools"))

import make_cities as cities  # noqa: E402


def place(name, country, admin="01", population=1000, code="PPL", lat="10.0"):
    return (name, country, admin, lat, "-20.0", str(population), code)


def write_tsv(folder, places):
    lines = [("name", "country", "admin", "lat", "lon", "pop", "code")] + places
    Path(folder, "cities1000.tsv").write_text("".join("\t".join(f) + "\n" for f in lines), encoding="utf-8")
    return Path(folder, "cities1000.tsv")


class CitiesTest(unittest.TestCase):
    def test_capitals_first_then_most_populous_once_per_name_and_region(self):
        places = [place("Vaduz", "LI", population=5450, code="PPLC", lat="-0.00001"),  # no "-0.0000"
                  place("Lansing", "US", "MI", 50, "PPLA"), place("Örebro", "SE", population=8000000),
                  place("Land capital", "DE", "01", 100, "PPLA"), place("osaka", "US", "", 4000000),
                  place("London", "GB", population=8961989, code="PPLC", lat="51.50845"),
                  place("London,", "GB", population=9000000),  # the capital stays, also after cleaning
                  place("Washington, D.C.", "US", "DC", 601723, "PPLC", lat="-12.34565"),
                  place("Washington D.C.", "US", "DC", 5000000), place("Ghost", "CN", "01", 7000000, "PPLH"),
                  place("Old Section", "CN", "01", 8500000, "PPLX"), place("London", "CA", "01", 6000000)]
        with tempfile.TemporaryDirectory() as folder:
            read = cities.read_places(write_tsv(folder, places))
        rows = cities.select_places(read, 7)
        self.assertEqual(rows, cities.select_places(read[::-1], 7))
        self.assertEqual([f'{r["name"]},{r["region"]},{r["lat"]}' for r in rows], [
            "Lansing,MI,10.0000", "London,CA,10.0000", "London,GB,51.5085", "Örebro,SE,10.0000",
            "osaka,US,10.0000", "Vaduz,LI,0.0000", "Washington D.C.,DC,-12.3457"])  # half away from zero

    def test_missing_state_capitals_fail_loudly(self):
        with tempfile.TemporaryDirectory() as folder:
            source = write_tsv(folder, [place("Lansing", "US", "MI", 5000, "PPLA")])
            output = Path(folder, "out.csv")
            result = subprocess.run([sys.executable, SCRIPT, source, output], capture_output=True, text=True)
            self.assertEqual((result.returncode, output.exists()), (1, False))
            self.assertIn("make_cities: no state capital for ['AK', 'AL', 'AR', 'AZ', 'CA',", result.stderr)

    def test_shipped_rows_with_crlf(self):
        data = SHIPPED.read_bytes()
        lines = data.decode("utf-8").split("\r\n")
        self.assertEqual([data.count(end) for end in (b"\r", b"\n")], [len(lines) - 1] * 2)
        self.assertEqual((lines[0], lines[-1]), (cities.HEADING, ""))
        for line in lines[1:-1]:
            self.assertRegex(line, r"^[^, ][^,]*,[A-Z]{2},-?\d{1,2}\.\d{4},-?\d{1,3}\.\d{4}$")
        rows = [line.split(",") for line in lines[1:-1]]
        self.assertTrue(1400 <= len(rows) <= 1500, len(rows))
        self.assertLessEqual(cities.US_STATES, {row[1] for row in rows})
        self.assertEqual(len({(row[0], row[1]) for row in rows}), len(rows))

    @unittest.skipUnless(GEONAMES.is_file(), "GeoNames source not available")
    def test_shipped_file_matches_a_fresh_conversion(self):
        self.assertEqual(cities.build_cities(GEONAMES)[1], SHIPPED.read_bytes())
