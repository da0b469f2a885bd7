"""Tests of tools/make_cities.py and of the shipped data/cities.csv."""

import shutil
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


def write_files(folder, files):
    for name, text in files.items():
        Path(folder, name).parent.mkdir(parents=True, exist_ok=True)
        Path(folder, name).write_text(text, encoding="utf-8")


# A stand-in for the zone lookup package, south of the equator in another zone; and a tz
# database that lists one zone for Great Britain and two for Canada, and has no file for Etc/GMT+1.
FAKE_LOOKUP = {"package.json": '{"name": "fake-zones", "version": "1.2.3"}',
               "index.js": 'module.exports = (lat, lon) => lat < 0 ? "Etc/GMT+1" : "Europe/Paris";'}
FAKE_ZONEINFO = {"zone.tab": "# comment\nGB\t+513030-0000731\tEurope/London\nCA\t+4339-07923\tAmerica/Toronto\n"
                             "CA\t+491600-1230700\tAmerica/Vancouver\tPacific\n",
                 "Europe/Paris": "TZif", "Europe/London": "TZif", "America/Toronto": "TZif"}


def shipped_zone_lookup(positions):
    """The zones of the shipped file, found by position."""
    rows = [line.split(",") for line in SHIPPED.read_text(encoding="utf-8").splitlines()[1:]]
    zones = {(row[2], row[3]): row[4] for row in rows}
    return "shipped", [zones[position] for position in positions]


class CitiesTest(unittest.TestCase):
    # Read, selected, given zones, checked and written; without all state capitals the conversion
    # fails. A zone that the tz database does not list for the country gives way to the country's
    # nearest zone, a zone without a file is reported.
    @unittest.skipUnless(shutil.which("node"), "Node.js not available")
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
            write_files(Path(folder, "lookup"), FAKE_LOOKUP)
            write_files(Path(folder, "zoneinfo"), FAKE_ZONEINFO)
            look_up = cities.node_zone_lookup(str(Path(folder, "lookup")))
            result, text = cities.build_cities(path, look_up, Path(folder, "zoneinfo"), 7, frozenset({"MI"}))
            reversed_input = cities.select_places(cities.read_places(path)[::-1], 7)
            self.assertEqual(list(map(cities.sort_key, result.rows)), list(map(cities.sort_key, reversed_input)))
            self.assertRaisesRegex(cities.CitiesError, r"capital for \['AK'\]", cities.build_cities, path, look_up,
                                   Path(folder, "zoneinfo"), 7, {"AK"})
            self.assertRaisesRegex(cities.CitiesError, "cannot load", cities.node_zone_lookup(folder), [("1", "2")])
        wanted = ["Lansing,MI,10.0000,-20.0000,Europe/Paris", "London,CA,10.0000,-20.0000,America/Toronto",
                  "London,GB,51.5085,-20.0000,Europe/London", "Örebro,SE,10.0000,-20.0000,Europe/Paris",
                  "osaka,US,10.0000,-20.0000,Europe/Paris", "Vaduz,LI,0.0000,-20.0000,Europe/Paris",
                  "Washington D.C.,DC,-12.3457,-20.0000,Etc/GMT+1"]
        self.assertEqual(text.decode("utf-8").split("\r\n")[1:-1], wanted)
        summary = cities.describe(result).split("\n")
        self.assertEqual(summary[1:], ["zones taken from the country: London CA Europe/Paris -> America/Toronto; "
                                       "London GB Europe/Paris -> Europe/London",
                                       "zones not in the tz database: Etc/GMT+1 (1 places)"])
        self.assertIn("in 4 time zones from fake-zones 1.2.3", summary[0])

    def test_shipped_rows_with_crlf(self):
        data = SHIPPED.read_bytes()
        lines = data.decode("utf-8").split("\r\n")
        ends = [data.count(end) for end in (b"\r", b"\n")]
        self.assertEqual(ends + [lines[0], lines[-1]], [len(lines) - 1] * 2 + [cities.HEADING, ""])
        for line in lines[1:-1]:
            self.assertRegex(line, r"^[^, ][^,]*,[A-Z]{2},-?\d{1,2}\.\d{4},-?\d{1,3}\.\d{4},[A-Z][a-z]+/[A-Za-z_/-]+$")
        rows = [line.split(",") for line in lines[1:-1]]
        self.assertTrue(1400 <= len(rows) <= 1500 and len({(row[0], row[1]) for row in rows}) == len(rows), len(rows))
        self.assertLessEqual(cities.US_STATES, {row[1] for row in rows})

    @unittest.skipUnless(GEONAMES.is_file(), "GeoNames source not available")
    def test_shipped_file_matches_a_fresh_conversion(self):
        # The zones come from the shipped file: a fresh conversion keeps every one of them.
        self.assertEqual(cities.build_cities(GEONAMES, shipped_zone_lookup)[1], SHIPPED.read_bytes())
