#!/usr/bin/env python3
"""Build the planner's object catalogs (data/Objects.csv, data/OpenNGC.csv) from OpenNGC.

Usage:
    python3 tools/make_catalog.py [OPENNGC_DIR] [OUTPUT]
    python3 tools/make_catalog.py --full [OPENNGC_DIR] [OUTPUT]

OPENNGC_DIR holds NGC.csv and addendum.csv (semicolon separated, as published by
OpenNGC); it defaults to ../shared/data/openngc next to the repository.  OUTPUT
defaults to data/Objects.csv in the repository, with --full to data/OpenNGC.csv.

The default catalog holds exactly 501 objects: all 110 Messier objects, then
the brightest remaining open clusters, globular clusters, galaxies, planetary
nebulae and other nebulae.  The full catalog (--full) holds every object of the
database that has a position, with the same Messier numbers and type texts.

Catalog line layout, as the loader cuts it (separators searched left to right):

    Identifier,Messier,RAh RAm,Decd Decm,MajorxMinor,Mag,Type,Constellation,Comment

* RA: whole hours, a blank, minutes with one decimal ("5 35.3").
* Dec: signed two-digit degrees, a blank, two-digit whole minutes ("-00 30").
* Size: major "x" minor in arcminutes, at most one decimal; a missing minor
  axis repeats the major one.  An unknown size is written as a bare "x" (both
  dimensions empty): the field is not a number, so the list never shows the
  object, and the "x" keeps the loader from running on into later fields.
* Mag: V magnitude, or B where V is missing, one decimal; empty when neither.
* Type: a text holding exactly one of the words the list's type test looks
  for ("open", "globular", "galaxy", "planetary", "nebula"), or none of them
  for objects of other kinds (star, double star, asterism, star cloud).
* Comment: the common names, separated by ", ".

Lines end with CR LF, the file is UTF-8, and the same input always gives the
same bytes: objects are sorted by the written right ascension, then by
identifier.
"""

import csv
import os
import re
import sys
from decimal import Decimal, ROUND_HALF_UP

import converter_cli

CATALOG_SIZE = 501
MESSIER_COUNT = 110
# The NGC and IC number 13,226 objects; OpenNGC lists some of them in parts and
# leaves out its duplicates.  Outside this range a source file is cut short or
# duplicate entries have slipped through.
FULL_CATALOG_COUNTS = range(13000, 14001)
HEADING = "Identifier,Messier,RA,Dec,Size,Mag,Type,Constellation,Comment"
SOURCE_FILES = ("NGC.csv", "addendum.csv")

# OpenNGC entry types that never describe an object of their own.
SKIPPED_TYPES = frozenset({"Dup", "NonEx"})

# The words of the list's type test, in the order it checks them.
TYPE_WORDS = ("nebula", "planetary", "galaxy", "globular", "open")

# OpenNGC type codes -> type text.  Galaxies ("G") get their text from the
# Hubble class, see galaxy_type_text().
TYPE_TEXTS = {
    "OCl": "Open Cluster",
    "GCl": "Globular Cluster",
    "Cl+N": "Nebula with Cluster",
    "GPair": "Galaxy Pair",
    "GTrpl": "Galaxy Triplet",
    "GGroup": "Galaxy Group",
    "PN": "Planetary Nebula",
    "HII": "Emission Nebula",
    "EmN": "Emission Nebula",
    "Neb": "Nebula",
    "RfN": "Reflection Nebula",
    "SNR": "Supernova Remnant Nebula",
    "DrkN": "Dark Nebula",
    # Kinds outside the five listed types: their texts must hold none of the
    # five words.  The 501-object catalog keeps only the Messier objects of these.
    "*": "Star",
    "**": "Double Star",
    "*Ass": "Star Association",
    "Nova": "Nova",
    "Other": "Other",
}

# Messier objects whose OpenNGC class is too generic for a helpful type text.
TYPE_TEXT_OVERRIDES = {
    "IC4715": "Star Cloud",  # M24, a Milky Way star cloud
    "NGC6994": "Asterism",   # M73, four unrelated stars
}

# Messier numbers that OpenNGC does not give to any entry of its own.  M102 is
# only a duplicate entry of M101 there; the usual identification, which the
# database notes at NGC 5866 ("This may be M102"), is taken instead.
MESSIER_FALLBACKS = {102: "NGC5866"}


class CatalogError(Exception):
    """The source data or the converted catalog breaks a rule of the catalog."""


# ---------------------------------------------------------------- reading

def read_openngc(folder):
    """Rows of NGC.csv, then addendum.csv, as dicts keyed by the heading."""
    rows = []
    for name in SOURCE_FILES:
        path = os.path.join(folder, name)
        with open(path, newline="", encoding="utf-8") as handle:
            for row in csv.DictReader(handle, delimiter=";"):
                rows.append({key: (value or "").strip() for key, value in row.items() if key})
    return rows


# ---------------------------------------------------------------- fields

def _round(value, places):
    """Round a decimal text half away from zero to `places` decimals."""
    quantum = Decimal(1).scaleb(-places)
    return Decimal(value).quantize(quantum, rounding=ROUND_HALF_UP)


def _number_text(value):
    """A Decimal as text without exponent, keeping its decimals."""
    return format(value, "f")


def format_identifier(name):
    """'NGC0224' -> 'NGC 224', 'Mel022' -> 'Mel 22', 'ESO056-115' -> 'ESO 56-115'."""
    match = re.fullmatch(r"([A-Za-z]+)0*(\d+)(.*)", name.strip())
    if not match:
        return name.strip()
    prefix, number, rest = match.groups()
    rest = re.sub(r"-0*(\d)", r"-\1", rest)
    return f"{prefix} {number}{rest}"


def format_ra(text):
    """'05:35:17.3' -> '5 35.3'; minutes rounded to 0.1, 60.0 carried, 24 h -> 0."""
    parts = text.strip().split(":")
    if len(parts) not in (2, 3) or not all(parts):
        raise CatalogError(f"bad right ascension {text!r}")
    hours = int(parts[0])
    minutes = Decimal(parts[1])
    if len(parts) == 3:
        minutes += Decimal(parts[2]) / 60
    minutes = _round(minutes, 1)
    if minutes >= 60:
        minutes -= 60
        hours += 1
    hours %= 24
    return f"{hours} {minutes:04.1f}"


def format_dec(text):
    """'-00:30:02' -> '-00 30'; sign always written, 60 minutes carried."""
    text = text.strip()
    sign = "-" if text.startswith("-") else "+"
    parts = text.lstrip("+-").split(":")
    if len(parts) not in (2, 3) or not all(parts):
        raise CatalogError(f"bad declination {text!r}")
    degrees = int(parts[0])
    minutes = Decimal(parts[1])
    if len(parts) == 3:
        minutes += Decimal(parts[2]) / 60
    minutes = int(_round(minutes, 0))
    if minutes >= 60:
        minutes -= 60
        degrees += 1
    return f"{sign}{degrees:02d} {minutes:02d}"


def format_axis(text):
    """One size dimension in arcminutes: at most one decimal, no trailing '.0'."""
    value = _round(text, 1)
    if value == value.to_integral_value():
        value = value.quantize(Decimal(1))
    return _number_text(value)


def format_size(major, minor):
    """'177.83', '69.66' -> '177.8x69.7'; missing minor -> major twice; unknown -> 'x'."""
    major, minor = major.strip(), minor.strip()
    if not major:
        major = minor
    if not major:
        return "x"
    if not minor:
        minor = major
    return f"{format_axis(major)}x{format_axis(minor)}"


def format_mag(v_mag, b_mag):
    """V magnitude, B where V is missing, one decimal; '' when neither exists."""
    value = v_mag.strip() or b_mag.strip()
    if not value:
        return ""
    return _number_text(_round(value, 1))


def galaxy_type_text(hubble):
    """Type text of a galaxy from its Hubble class."""
    hubble = hubble.strip()
    if hubble.startswith("E"):
        return "Elliptical Galaxy"
    if hubble.startswith("S0"):
        return "Lenticular Galaxy"
    if hubble.startswith("I"):
        return "Irregular Galaxy"
    if hubble.startswith("SB"):
        return "Barred Spiral Galaxy"
    if re.match(r"S(AB)?[a-m]", hubble):
        return "Spiral Galaxy"
    return "Galaxy"


def type_text(row):
    """The catalog's type text for an OpenNGC row."""
    override = TYPE_TEXT_OVERRIDES.get(row["Name"])
    if override:
        return override
    code = row["Type"]
    if code == "G":
        return galaxy_type_text(row.get("Hubble", ""))
    if code not in TYPE_TEXTS:
        raise CatalogError(f"{row['Name']}: unknown object type {code!r}")
    return TYPE_TEXTS[code]


def type_classes(text):
    """The list's type boxes that a type text satisfies (its type test)."""
    lowered = text.lower()
    classes = set()
    if "nebula" in lowered and "planetary" not in lowered:
        classes.add("nebula")
    for word in TYPE_WORDS[1:]:
        if word in lowered:
            classes.add(word)
    return classes


def type_class(text):
    """The one type box a type text belongs to, or None; more than one is an error."""
    classes = type_classes(text)
    if len(classes) > 1:
        raise CatalogError(f"type text {text!r} matches {sorted(classes)}")
    return next(iter(classes), None)


def format_constellation(code):
    """OpenNGC writes Serpens Caput and Cauda as 'Se1' and 'Se2'."""
    code = code.strip()
    return "Ser" if code in ("Se1", "Se2") else code


def format_comment(names):
    """Common names, one ', ' between them."""
    parts = [part.strip() for part in re.sub(r"[\r\n\t]", " ", names).split(",")]
    return ", ".join(part for part in parts if part)


# ---------------------------------------------------------------- entries

def messier_number(row):
    """The Messier number of a row as an int, or None."""
    text = row.get("M", "").strip()
    return int(text) if text else None


def convert_row(row, messier=None):
    """One catalog entry (a dict of the written fields) from an OpenNGC row."""
    entry = {
        "name": row["Name"],
        "identifier": format_identifier(row["Name"]),
        "messier": str(messier) if messier is not None else "",
        "ra": format_ra(row["RA"]),
        "dec": format_dec(row["Dec"]),
        "size": format_size(row.get("MajAx", ""), row.get("MinAx", "")),
        "mag": format_mag(row.get("V-Mag", ""), row.get("B-Mag", "")),
        "type": type_text(row),
        "constellation": format_constellation(row.get("Const", "")),
        "comment": format_comment(row.get("Common names", "")),
    }
    entry["class"] = type_class(entry["type"])
    # The unrounded magnitude, to order objects whose written magnitudes tie.
    entry["exact_mag"] = row.get("V-Mag", "").strip() or row.get("B-Mag", "").strip()
    return entry


def catalog_line(entry):
    """The text of one catalog line (without its line end)."""
    return ",".join((
        entry["identifier"], entry["messier"], entry["ra"], entry["dec"], entry["size"],
        entry["mag"], entry["type"], entry["constellation"], entry["comment"],
    ))


# Field ends in the order the loader searches them.
LINE_SEPARATORS = (",", ",", " ", ",", " ", ",", "x", ",", ",", ",", ",")


def split_catalog_line(line):
    """Cut a line into its 12 fields the way the loader does, or raise CatalogError."""
    fields = []
    position = 0
    for separator in LINE_SEPARATORS:
        found = line.find(separator, position)
        if found < 0:
            raise CatalogError(f"separator {separator!r} missing in {line!r}")
        fields.append(line[position:found].strip(" "))
        position = found + 1
    fields.append(line[position:].strip(" "))
    return fields


def _natural_key(text):
    return tuple(int(part) if part.isdigit() else part
                 for part in re.split(r"(\d+)", text))


def _ra_key(ra_text):
    hours, minutes = ra_text.split(" ")
    return int(hours) * 600 + int(Decimal(minutes) * 10)


def sort_key(entry):
    return (_ra_key(entry["ra"]), _natural_key(entry["identifier"]))


def _brightness_key(entry):
    """Brightest first by the written magnitude, then by the unrounded one, then by name."""
    return (Decimal(entry["mag"]), Decimal(entry["exact_mag"]), _natural_key(entry["name"]))


def usable_rows(rows):
    """The rows that describe an object of their own and give its position."""
    return [row for row in rows
            if row.get("Type") not in SKIPPED_TYPES and row.get("RA") and row.get("Dec")]


def messier_entries(usable):
    """The Messier objects' entries, keyed by OpenNGC name."""
    by_name = {}
    for row in usable:
        by_name.setdefault(row["Name"], row)

    # Messier objects: the first entry that claims a number wins; a later one
    # is a second record of the same object and is left out.
    messier_rows = {}
    for row in usable:
        number = messier_number(row)
        if number is not None and number not in messier_rows:
            messier_rows[number] = row
    for number, name in sorted(MESSIER_FALLBACKS.items()):
        if number not in messier_rows and name in by_name:
            messier_rows[number] = by_name[name]

    chosen = {}
    for number, row in sorted(messier_rows.items()):
        if row["Name"] in chosen:
            raise CatalogError(f"{row['Name']} claims two Messier numbers")
        chosen[row["Name"]] = convert_row(row, number)
    return chosen


def select_objects(rows, total=CATALOG_SIZE):
    """Messier objects first, then the brightest others of the five types, sorted.

    Only objects with a magnitude and a size are taken to fill up the catalog.
    """
    usable = usable_rows(rows)
    chosen = messier_entries(usable)
    candidates = []
    for row in usable:
        if row["Name"] in chosen or messier_number(row) is not None:
            continue
        if row["Type"] not in TYPE_TEXTS and row["Type"] != "G":
            continue
        entry = convert_row(row)
        if entry["class"] is None or not entry["mag"] or entry["size"] == "x":
            continue
        candidates.append(entry)
    candidates.sort(key=_brightness_key)

    # Every type box must find something: a class that the Messier objects
    # lack gets its brightest object before the others fill up the catalog.
    present = {entry["class"] for entry in chosen.values()}
    for word in TYPE_WORDS:
        if word not in present:
            for entry in candidates:
                if entry["class"] == word:
                    chosen[entry["name"]] = entry
                    present.add(word)
                    break
    for entry in candidates:
        if len(chosen) >= total:
            break
        chosen.setdefault(entry["name"], entry)

    return sorted(chosen.values(), key=sort_key)


def select_all(rows):
    """Every object with a position, sorted; Messier numbers as in select_objects()."""
    usable = usable_rows(rows)
    chosen = messier_entries(usable)
    for row in usable:
        # A row claiming a Messier number that went to another row is a second
        # record of that object.
        if row["Name"] not in chosen and messier_number(row) is None:
            chosen[row["Name"]] = convert_row(row)
    return sorted(chosen.values(), key=sort_key)


# ---------------------------------------------------------------- checks

def _on_sky(fields):
    """Whether the loader takes the cut fields' position: it refuses one off the sky."""
    hours, ra_minutes, degrees, dec_minutes = (float(field) for field in fields[2:6])
    return (0 <= hours < 24 and 0 <= ra_minutes < 60 and 0 <= dec_minutes < 60
            and abs(degrees) + dec_minutes / 60 <= 90)


def check_catalog(entries, counts=range(CATALOG_SIZE, CATALOG_SIZE + 1),
                  expected_messier=MESSIER_COUNT):
    """Raise CatalogError unless the entries make a complete, loadable catalog.

    counts: the object counts that are plausible for this catalog.
    """
    if len(entries) not in counts:
        expected = f"{counts[0]} to {counts[-1]}" if len(counts) > 1 else str(counts[0])
        raise CatalogError(f"{len(entries)} objects, expected {expected}")
    numbers = [entry["messier"] for entry in entries if entry["messier"]]
    if len(set(numbers)) != len(numbers):
        raise CatalogError("a Messier number is used twice")
    if len(set(numbers)) != expected_messier:
        raise CatalogError(f"{len(set(numbers))} Messier numbers, expected {expected_messier}")
    identifiers = [entry["identifier"] for entry in entries]
    if len(set(identifiers)) != len(identifiers):
        raise CatalogError("an identifier is used twice")
    classes = {type_class(entry["type"]) for entry in entries}
    missing = [word for word in TYPE_WORDS if word not in classes]
    if missing:
        raise CatalogError(f"no object of the types {missing}")
    for entry in entries:
        for key in ("identifier", "messier", "ra", "dec", "size", "mag", "type", "constellation"):
            if "," in entry[key]:
                raise CatalogError(f"{entry['identifier']}: comma in {key}")
        for key in ("identifier", "messier", "ra", "dec"):
            if "x" in entry[key]:
                raise CatalogError(f"{entry['identifier']}: lower-case x in {key}")
        line = catalog_line(entry)
        # The loader reads a tab inside a field as a blank.
        if any(character in line for character in "\r\n\t"):
            raise CatalogError(f"{entry['identifier']}: line break or tab in a field")
        fields = split_catalog_line(line)
        expected = [entry["identifier"], entry["messier"], *entry["ra"].split(" "),
                    *entry["dec"].split(" "), *entry["size"].split("x"), entry["mag"],
                    entry["type"], entry["constellation"], entry["comment"]]
        if fields != expected:
            raise CatalogError(f"{entry['identifier']}: the loader would read {fields}")
        numbers = fields[2:6] + [field for field in fields[6:9] if field]
        for number in numbers:
            try:
                float(number)
            except ValueError:
                raise CatalogError(f"{entry['identifier']}: {number!r} is not a number") from None
        if not _on_sky(fields):
            raise CatalogError(f"{entry['identifier']}: position {entry['ra']} {entry['dec']} "
                               "is off the sky")


# ---------------------------------------------------------------- output

def render_catalog(entries):
    """The catalog file's bytes: heading, one line per object, CR LF ends, UTF-8."""
    lines = [HEADING] + [catalog_line(entry) for entry in entries]
    return "".join(line + "\r\n" for line in lines).encode("utf-8")


def build_catalog(folder, total=CATALOG_SIZE, expected_messier=MESSIER_COUNT):
    """Read, select, check and render; returns (entries, bytes)."""
    entries = select_objects(read_openngc(folder), total)
    check_catalog(entries, range(total, total + 1), expected_messier)
    return entries, render_catalog(entries)


def build_full_catalog(folder):
    """The same for every object of the database; returns (entries, bytes)."""
    entries = select_all(read_openngc(folder))
    check_catalog(entries, FULL_CATALOG_COUNTS)
    return entries, render_catalog(entries)


def default_paths(output_name):
    root = converter_cli.repo_root()
    return (os.path.join(root, os.pardir, "shared", "data", "openngc"),
            os.path.join(root, "data", output_name))


def main(argv=None):
    argv = list(sys.argv[1:] if argv is None else argv)
    full = "--full" in argv
    if full:
        argv.remove("--full")
    build, output_name = ((build_full_catalog, "OpenNGC.csv") if full
                          else (build_catalog, "Objects.csv"))
    usage = "\n".join(__doc__.strip().splitlines()[2:5])
    return converter_cli.run("make_catalog", usage, argv, default_paths(output_name), build,
                             (CatalogError, OSError, ValueError, KeyError),
                             lambda entries: f"{len(entries)} objects")


if __name__ == "__main__":
    sys.exit(main())
