#!/usr/bin/env python3
"""Build the location chooser's cities table (data/cities.csv) from GeoNames.

Usage:
    python3 tools/make_cities.py [CITIES1000_TSV] [OUTPUT]

CITIES1000_TSV is the GeoNames extract of places with 1,000 or more people, tab
separated with a heading line: name, country code, admin1 code, latitude,
longitude, population, feature code.  It defaults to
../shared/data/geonames/cities1000.tsv next to the repository; OUTPUT defaults
to data/cities.csv in the repository.

The table holds every national capital (feature code PPLC), every US state
capital (US places with code PPLA), and the most populous other places, up to
1,500 places in all.  Sections of cities and historical, abandoned or destroyed
places (PPLX, PPLH, PPLQ, PPLW, PPLCH) are not taken as other places.

Each line is "name,region,latitude,longitude": the region is the state's two
letters for US places and the ISO country code elsewhere; latitude (north
positive) and longitude (east positive) have four decimals.  Names lose their
commas, since the chooser splits at every comma.  Identical name and region
pairs are kept once, the most populous place winning.  Lines are sorted by name,
then region, end with CR LF, and the file is UTF-8.
"""

import csv
import os
import re
import sys
import unicodedata
from decimal import Decimal, ROUND_HALF_UP

import converter_cli

TARGET_COUNT = 1500
US_STATE_COUNT = 50
HEADING = "City,Region,Latitude,Longitude"
NATIONAL_CAPITAL = "PPLC"
FIRST_ORDER_SEAT = "PPLA"
EXCLUDED_CODES = frozenset({"PPLX", "PPLH", "PPLQ", "PPLW", "PPLCH"})

# The fifty states (DC, territories and the like are not among them).
US_STATES = frozenset(
    "AK AL AR AZ CA CO CT DE FL GA HI IA ID IL IN KS KY LA MA MD ME MI MN MO MS "
    "MT NC ND NE NH NJ NM NV NY OH OK OR PA RI SC SD TN TX UT VA VT WA WI WV WY".split())


class CitiesError(Exception):
    """The source data or the converted table breaks a rule of the cities file."""


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
        if line.count(",") != 3 or "\r" in line or "\n" in line:
            raise CitiesError(f"bad line {line!r}")
        for value in (row["lat"], row["lon"]):
            if not re.fullmatch(r"-?\d+\.\d{4}", value):
                raise CitiesError(f"bad coordinate in {line!r}")


def city_line(row):
    return f"{row['name']},{row['region']},{row['lat']},{row['lon']}"


def render_cities(rows):
    """The cities file's bytes: heading, one line per place, CR LF ends, UTF-8."""
    lines = [HEADING] + [city_line(row) for row in rows]
    return "".join(line + "\r\n" for line in lines).encode("utf-8")


def build_cities(path, target=TARGET_COUNT, us_states=US_STATES):
    """Read, select, check and render; returns (rows, bytes)."""
    places = read_places(path)
    rows = select_places(places, target)
    check_places(rows, places, target, us_states)
    return rows, render_cities(rows)


def default_paths():
    root = converter_cli.repo_root()
    return (os.path.join(root, os.pardir, "shared", "data", "geonames", "cities1000.tsv"),
            os.path.join(root, "data", "cities.csv"))


def describe(rows):
    national = sum(1 for row in rows if row["national_capital"])
    state = sum(1 for row in rows if row["state_capital"])
    return f"{len(rows)} places ({national} national capitals, {state} US state capitals)"


def main(argv=None):
    return converter_cli.run("make_cities", __doc__.strip().splitlines()[2], argv, default_paths(),
                             build_cities, (CitiesError, OSError, ValueError, ArithmeticError),
                             describe)


if __name__ == "__main__":
    sys.exit(main())
