#!/usr/bin/env python3
"""Generate data/arrlpre2.txt, the call-prefix table.

Source of the facts: the "big" country file cty.dat (country-files.com) as
Debian ships it in the package hamradio-files, at
/usr/share/hamradio-files/cty.dat. The committed table was made from
hamradio-files 20230502 (Debian 12), cty.dat of 2 May 2023.

cty.dat holds one block per entity: a header line
    name: CQ zone: ITU zone: continent: latitude: longitude: UTC offset: prefix:
followed by the entity's prefixes and full calls, separated by commas and
ended by ";". Longitudes are already positive to the west, which is the
convention of Keystone's prefix table, so they are copied unchanged. The
UTC offset is cty.dat's (hours, positive to the west as well).

What this script does with it:
  * entries that begin with "=" are full call signs, not prefixes: skipped;
  * a prefix may carry overrides for its own zones, position, continent and
    UTC offset: (CQ) [ITU] <lat/lon> {continent} ~offset~. They are removed
    from the prefix and their values replace the entity's in that record;
  * the entities are kept as cty.dat lists them, the six WAE-only ones
    (names marked with "*" before their primary prefix, such as Sicily) as
    well, under their own names;
  * an entity that cty.dat lists by full calls only (22 of them in the
    2023 file, among them Conway Reef, Mount Athos and Heard Island) has
    no prefix and so no record;
  * country names: "United States of America" becomes "USA"; "Canada",
    "Alaska" and "Hawaii" are kept. Every other name must be at least four
    characters long (a two- or three-letter exchange is taken for a state
    or section); a shorter one needs an entry in RENAMES, or the script
    stops;
  * one record per prefix: a prefix listed twice keeps its first listing;
  * at most 10000 records: were there more, the shortest (most general)
    prefixes would be kept first. cty.dat of 2023 yields about 7700;
  * records in ascending byte order of the prefix, which the program's
    lookups rely on.

Record: prefix, country, continent, longitude, latitude (single-precision
numbers), CQ zone, ITU zone (whole numbers), UTC offset (single).
"""

import os
import re
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lineformat  # noqa: E402
from lineformat import Single  # noqa: E402

DEFAULT_SOURCE = "/usr/share/hamradio-files/cty.dat"
MAX_RECORDS = 10000
MIN_DX_NAME = 4

# cty.dat names that Keystone spells otherwise.
RENAMES = {"United States of America": "USA"}
# Names the program compares against; they must all be present.
REQUIRED_NAMES = ("USA", "Canada", "Alaska", "Hawaii")
# Non-DX names, exempt from the minimum length.
NON_DX_NAMES = ("USA",)

PREFIX_PATTERN = re.compile(
    r"^(?P<code>[A-Z0-9/]+)"
    r"(?P<overrides>(?:\(\d+\)|\[\d+\]|<-?[\d.]+/-?[\d.]+>"
    r"|\{[A-Z]{2}\}|~-?[\d.]+~)*)$")
OVERRIDE_PATTERN = re.compile(
    r"\((?P<cq>\d+)\)|\[(?P<itu>\d+)\]"
    r"|<(?P<lat>-?[\d.]+)/(?P<lon>-?[\d.]+)>"
    r"|\{(?P<cont>[A-Z]{2})\}|~(?P<tz>-?[\d.]+)~")


def parse_header(line):
    fields = [f.strip() for f in line.split(":")]
    if len(fields) < 8:
        raise ValueError("bad entity header: %r" % line)
    name = RENAMES.get(fields[0], fields[0])
    return {"country": name, "cq": int(fields[1]), "itu": int(fields[2]),
            "cont": fields[3], "lat": float(fields[4]),
            "lon": float(fields[5]), "tz": float(fields[6])}


def apply_overrides(entity, overrides):
    values = dict(entity)
    for match in OVERRIDE_PATTERN.finditer(overrides):
        if match.group("cq"):
            values["cq"] = int(match.group("cq"))
        elif match.group("itu"):
            values["itu"] = int(match.group("itu"))
        elif match.group("lat"):
            values["lat"] = float(match.group("lat"))
            values["lon"] = float(match.group("lon"))
        elif match.group("cont"):
            values["cont"] = match.group("cont")
        else:
            values["tz"] = float(match.group("tz"))
    return values


def parse_cty(text):
    """Yield (prefix, values) for every prefix of cty.dat, in file order."""
    for block in text.split(";"):
        block = block.strip()
        if not block:
            continue
        header, _, body = block.partition("\n")
        entity = parse_header(header)
        for item in body.replace("\n", " ").split(","):
            item = item.strip()
            if not item or item.startswith("="):
                continue
            match = PREFIX_PATTERN.match(item)
            if not match:
                raise ValueError("unreadable prefix %r in %s"
                                 % (item, entity["country"]))
            yield match.group("code"), apply_overrides(
                entity, match.group("overrides"))


def check_names(countries):
    missing = [n for n in REQUIRED_NAMES if n not in countries]
    if missing:
        raise SystemExit("country names missing: %s" % ", ".join(missing))
    short = sorted(n for n in countries
                   if len(n) < MIN_DX_NAME and n not in NON_DX_NAMES)
    if short:
        raise SystemExit("country names shorter than %d characters need a "
                         "rename: %s" % (MIN_DX_NAME, ", ".join(short)))


def prefix_records(text):
    first = {}
    for code, values in parse_cty(text):
        first.setdefault(code, values)
    check_names({v["country"] for v in first.values()})
    codes = list(first)
    if len(codes) > MAX_RECORDS:
        codes = sorted(codes, key=lambda c: (len(c), c))[:MAX_RECORDS]
    records = []
    for code in sorted(codes, key=lambda c: c.encode("ascii")):
        v = first[code]
        records.append([code, v["country"], v["cont"], Single(v["lon"]),
                        Single(v["lat"]), v["cq"], v["itu"], Single(v["tz"])])
    return records


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    source = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_SOURCE
    data_dir = sys.argv[2] if len(sys.argv) > 2 else os.path.join(
        here, "..", "data")
    with open(source, encoding="latin-1") as f:
        records = prefix_records(f.read())
    lineformat.write_records(os.path.join(data_dir, "arrlpre2.txt"), records)
    print("arrlpre2.txt: %d prefixes from %s" % (len(records), source))


if __name__ == "__main__":
    main()
