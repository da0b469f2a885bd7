#!/usr/bin/env python3
"""Build the location chooser's cities table (data/cities.csv) from GeoNames.

Usage:
    python3 tools/make_cities.py [--tz-lookup MODULE] [CITIES1000_TSV] [OUTPUT]

CITIES1000_TSV is the GeoNames extract of places with 1,000 or more people, tab
separated with a heading line: name, country code, admin1 code, latitude,
longitude, population, feature code.  It defaults to
../shared/data/geonames/cities1000.tsv next to the repository; OUTPUT defaults
to data/cities.csv in the repository.  MODULE is the npm package
@photostructure/tz-lookup (its folder, or its name when Node finds it by
itself, the default); Node runs it through tools/city_zones.js.

The table holds every national capital (feature code PPLC), every US state
capital (US places with code PPLA), and the most populous other places, up to
1,500 places in all.  Sections of cities and historical, abandoned or destroyed
places (PPLX, PPLH, PPLQ, PPLW, PPLCH) are not taken as other places.

Each line is "name,region,latitude,longitude,zone": the region is the state's two
letters for US places and the ISO country code elsewhere; latitude (north
positive) and longitude (east positive) have four decimals; the zone is the IANA
time zone at the written position, by a point-in-polygon lookup in the zone
boundaries of @photostructure/tz-lookup.  That lookup is approximate near
borders: where it gives a zone that the system's tz database (zone.tab) does not
list for the place's country, the country's zone whose principal place is
nearest is taken instead.  Zones missing from the tz database are reported.
Names lose their commas, since the chooser splits at every comma.  Identical name and region
pairs are kept once, the most populous place winning.  Lines are sorted by name,
then region, end with CR LF, and the file is UTF-8.
"""

import csv
import math
import os
import re
import subprocess
import sys
import unicodedata
from collections import namedtuple
from decimal import Decimal, ROUND_HALF_UP

import converter_cli

TARGET_COUNT = 1500
US_STATE_COUNT = 50
HEADING = "City,Region,Latitude,Longitude,TimeZone"
ZONE_MODULE = "@photostructure/tz-lookup"
ZONE_SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "city_zones.js")
ZONEINFO = "/usr/share/zoneinfo"
# An IANA name as "Europe/Paris" or "Etc/GMT-3": no comma or blank that would break the line.
ZONE_NAME = re.compile(r"[A-Za-z0-9_+-]+(/[A-Za-z0-9_+-]+)*")
NATIONAL_CAPITAL = "PPLC"
FIRST_ORDER_SEAT = "PPLA"
EXCLUDED_CODES = frozenset({"PPLX", "PPLH", "PPLQ", "PPLW", "PPLCH"})

# The fifty states (DC, territories and the like are not among them).
US_STATES = frozenset(
    "AK AL AR AZ CA CO CT DE FL GA HI IA ID IL IN KS KY LA MA MD ME MI MN MO MS "
    "MT NC ND NE NH NJ NM NV NY OH OK OR PA RI SC SD TN TX UT VA VT WA WI WV WY".split())


class CitiesError(Exception):
    """The source data or the converted table breaks a rule of the cities file."""


# The converted places, the package and version their zones come from, and
# {zone: number of places} for the zones that the tz database lacks.
Cities = namedtuple("Cities", "rows zone_source missing_zones")


def read_places(path):
    """Places of the GeoNames extract as dicts; the heading line is skipped."""
    places = []
    with open(path, newline="", encoding="utf-8") as handle:
        reader = csv.reader(handle, delimiter="\t", quoting=csv.QUOTE_NONE)
        next(reader, None)
        for number, fields in enumerate(reader, start=2):
            if not fields:
                continue
            if len(fields) < 7:
                raise CitiesError(f"{path}:{number}: {len(fields)} fields, expected 7")
            name, country, admin1, lat, lon, population, code = (f.strip() for f in fields[:7])
            places.append({
                "name": name, "country": country, "admin1": admin1, "lat": lat,
                "lon": lon, "population": int(population or 0), "code": code,
            })
    return places


def clean_name(name):
    """A place name without commas or runs of blanks."""
    return re.sub(r"\s+", " ", name.replace(",", " ")).strip()


def region(place):
    """The US state's two letters for US places, the ISO country code elsewhere."""
    if place["country"] == "US" and re.fullmatch(r"[A-Z]{2}", place["admin1"]):
        return place["admin1"]
    return place["country"]


def format_coordinate(text):
    """A decimal-degree text with four decimals, rounded half away from zero, no '-0'."""
    value = Decimal(text.strip()).quantize(Decimal("0.0001"), rounding=ROUND_HALF_UP)
    if value == 0:
        value = abs(value)
    return format(value, "f")


def is_national_capital(place):
    return place["code"] == NATIONAL_CAPITAL


def is_state_capital(place):
    return place["country"] == "US" and place["code"] == FIRST_ORDER_SEAT


def make_row(place):
    return {
        "name": clean_name(place["name"]),
        "region": region(place),
        "lat": format_coordinate(place["lat"]),
        "lon": format_coordinate(place["lon"]),
        "country": place["country"],
        "population": place["population"],
        "national_capital": is_national_capital(place),
        "state_capital": is_state_capital(place),
    }


def _population_order(place):
    # Most populous first; ties broken by the written fields so the result
    # does not depend on the order of the input.
    return (-place["population"], place["name"], region(place), place["lat"], place["lon"])


def sort_key(row):
    plain = unicodedata.normalize("NFKD", row["name"])
    plain = "".join(char for char in plain if not unicodedata.combining(char))
    return (plain.casefold(), row["name"], row["region"], row["lat"], row["lon"])


def select_places(places, target=TARGET_COUNT):
    """Capitals first, then the most populous other places; one row per (name, region).

    Within each group places are taken from the most populous down, and a place
    whose cleaned name and region are already taken is dropped, so each pair
    keeps its most populous place.  A capital is never displaced by a namesake.
    """
    rows = {}

    def add(place):
        row = make_row(place)
        key = (row["name"], row["region"])
        if row["name"] and key not in rows:
            rows[key] = row

    capitals = []
    others = []
    for place in places:
        if is_national_capital(place) or is_state_capital(place):
            capitals.append(place)
        elif place["code"] not in EXCLUDED_CODES:
            others.append(place)
    for place in sorted(capitals, key=_population_order):
        add(place)
    for place in sorted(others, key=_population_order):
        if len(rows) >= target:
            break
        add(place)
    return sorted(rows.values(), key=sort_key)


def node_zone_lookup(module):
    """A lookup of zones through Node: [(latitude, longitude)] texts -> (package, [zone])."""
    def look_up(positions):
        lines = "".join(f"{lat} {lon}\n" for lat, lon in positions)
        done = subprocess.run(["node", ZONE_SCRIPT, module], input=lines, capture_output=True,
                              text=True, check=False)
        if done.returncode != 0:
            raise CitiesError(f"the zone lookup failed: {done.stderr.strip()}")
        source, *zones = done.stdout.splitlines() or [""]
        if len(zones) != len(positions):
            raise CitiesError(f"the zone lookup gave {len(zones)} zones for {len(positions)} places")
        return source, zones
    return look_up


def read_country_zones(zoneinfo):
    """{country code: {zone: (latitude, longitude) of its principal place}} from zone.tab."""
    country_zones = {}
    with open(os.path.join(zoneinfo, "zone.tab"), encoding="utf-8") as handle:
        for line in handle:
            if line.startswith("#") or not line.strip():
                continue
            country, position, zone = line.rstrip("\n").split("\t")[:3]
            country_zones.setdefault(country, {})[zone] = zone_tab_position(position)
    return country_zones


def zone_tab_position(text):
    """zone.tab's "+DDMM+DDDMM" or "+DDMMSS+DDDMMSS" as decimal degrees."""
    latitude, longitude = re.fullmatch(r"([+-]\d+)([+-]\d+)", text).groups()
    return sexagesimal(latitude), sexagesimal(longitude)


def sexagesimal(text):
    """A signed run of degree, minute and maybe second digits as decimal degrees."""
    degree_digits = 2 if len(text) in (5, 7) else 3
    digits = text[1:]
    parts = [digits[:degree_digits]] + [digits[i:i + 2] for i in range(degree_digits, len(digits), 2)]
    value = sum(int(part) / 60 ** power for power, part in enumerate(parts))
    return -value if text[0] == "-" else value


def angular_distance(a, b):
    """Radians between two (latitude, longitude) points in degrees."""
    (lat1, lon1), (lat2, lon2) = ((math.radians(lat), math.radians(lon)) for lat, lon in (a, b))
    cosine = (math.sin(lat1) * math.sin(lat2)
              + math.cos(lat1) * math.cos(lat2) * math.cos(lon1 - lon2))
    return math.acos(max(-1.0, min(1.0, cosine)))


def settle_zone(row, zone, country_zones):
    """The looked-up zone, or the country's zone nearest the place when the lookup is not one of them."""
    zones = country_zones.get(row["country"], {})
    if not zones or zone in zones:
        return zone
    place = (float(row["lat"]), float(row["lon"]))
    return min(sorted(zones), key=lambda name: angular_distance(place, zones[name]))


def add_zones(rows, look_up, country_zones):
    """Give each row its zone, looked up at the written position; returns the zones' source."""
    source, zones = look_up([(row["lat"], row["lon"]) for row in rows])
    for row, zone in zip(rows, zones):
        row["looked_up_zone"] = zone
        row["zone"] = settle_zone(row, zone, country_zones)
    return source


def zones_not_in(rows, zoneinfo):
    """{zone: number of places} for the zones that the tz database folder has no file for."""
    missing = {}
    for row in rows:
        if not os.path.isfile(os.path.join(zoneinfo, row["zone"])):
            missing[row["zone"]] = missing.get(row["zone"], 0) + 1
    return missing


def check_places(rows, places, target=TARGET_COUNT, us_states=US_STATES):
    """Raise CitiesError unless the table is complete and loadable."""
    countries = {p["country"] for p in places if is_national_capital(p)}
    missing = countries - {row["country"] for row in rows if row["national_capital"]}
    if missing:
        raise CitiesError(f"no national capital for {sorted(missing)}")
    if us_states is not None:
        states = {row["region"] for row in rows if row["state_capital"]}
        if not us_states <= states:
            raise CitiesError(f"no state capital for {sorted(us_states - states)}")
    if len(rows) > target:
        raise CitiesError(f"{len(rows)} places, at most {target} wanted")
    keys = [(row["name"], row["region"]) for row in rows]
    if len(set(keys)) != len(keys):
        raise CitiesError("a name and region pair is listed twice")
    for row in rows:
        line = city_line(row)
        if line.count(",") != 4 or "\r" in line or "\n" in line:
            raise CitiesError(f"bad line {line!r}")
        if not ZONE_NAME.fullmatch(row["zone"]):
            raise CitiesError(f"bad time zone in {line!r}")
        for value in (row["lat"], row["lon"]):
            if not re.fullmatch(r"-?\d+\.\d{4}", value):
                raise CitiesError(f"bad coordinate in {line!r}")


def city_line(row):
    return f"{row['name']},{row['region']},{row['lat']},{row['lon']},{row['zone']}"


def render_cities(rows):
    """The cities file's bytes: heading, one line per place, CR LF ends, UTF-8."""
    lines = [HEADING] + [city_line(row) for row in rows]
    return "".join(line + "\r\n" for line in lines).encode("utf-8")


def build_cities(path, look_up_zones, zoneinfo=ZONEINFO, target=TARGET_COUNT, us_states=US_STATES):
    """Read, select, look up the zones, check and render; returns (Cities, bytes)."""
    places = read_places(path)
    rows = select_places(places, target)
    zone_source = add_zones(rows, look_up_zones, read_country_zones(zoneinfo))
    check_places(rows, places, target, us_states)
    return Cities(rows, zone_source, zones_not_in(rows, zoneinfo)), render_cities(rows)


def default_paths():
    root = converter_cli.repo_root()
    return (os.path.join(root, os.pardir, "shared", "data", "geonames", "cities1000.tsv"),
            os.path.join(root, "data", "cities.csv"))


def describe(cities):
    rows = cities.rows
    national = sum(1 for row in rows if row["national_capital"])
    state = sum(1 for row in rows if row["state_capital"])
    zones = len({row["zone"] for row in rows})
    settled = "; ".join(f"{row['name']} {row['region']} {row['looked_up_zone']} -> {row['zone']}"
                        for row in rows if row["zone"] != row["looked_up_zone"])
    missing = ", ".join(f"{zone} ({count} places)" for zone, count in sorted(cities.missing_zones.items()))
    return (f"{len(rows)} places ({national} national capitals, {state} US state capitals) in {zones} "
            f"time zones from {cities.zone_source}"
            + (f"\nzones taken from the country: {settled}" if settled else "")
            + (f"\nzones not in the tz database: {missing}" if missing else ""))


def main(argv=None):
    argv = list(sys.argv[1:] if argv is None else argv)
    usage = "\n".join(__doc__.strip().splitlines()[2:4])
    module = ZONE_MODULE
    if "--tz-lookup" in argv:
        at = argv.index("--tz-lookup")
        if at + 1 == len(argv):
            print(usage, file=sys.stderr)
            return 2
        module = argv.pop(at + 1)
        argv.pop(at)
    look_up = node_zone_lookup(module)
    return converter_cli.run("make_cities", usage, argv, default_paths(),
                             lambda path: build_cities(path, look_up),
                             (CitiesError, OSError, ValueError, ArithmeticError), describe)


if __name__ == "__main__":
    sys.exit(main())
