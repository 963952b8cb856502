#!/usr/bin/env python3
"""Generate data/ADIFCnt.txt, the DXCC entity numbers of the ADIF export.

Source of the facts: the country files that Debian ships in the package
hamradio-files (the country-files.com lists of the DXCC entities):
  * cty.dat, from which data/arrlpre2.txt was made (make_prefix_table.py):
    each entity's name as Keystone's prefix table spells it, and its
    primary prefix (the eighth field of the entity's header line);
  * cty.csv, the same list with the ADIF DXCC entity code of each entity:
    the primary prefix, the name, then the DXCC number.
An entity is found in cty.csv by its primary prefix, so the names of the two
files need not agree. The WAE-only entities (Sicily, Shetland Islands ...)
carry the number of the DXCC entity they belong to, as cty.csv gives it.

Output: one record per country name, `"<name>",<number>`, in the line format
of lineformat.py: every name that data/arrlpre2.txt uses (so "USA" for the
United States), plus "Canada", "Alaska" and "Hawaii", which the export derives
itself. The script stops when a name of arrlpre2.txt has no number, or the
table would pass the 1000 records that the export reads.

Usage: tools/make_adif_table.py [cty.dat] [cty.csv] [data folder]
"""

import csv
import io
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lineformat  # noqa: E402
from make_prefix_table import RENAMES, parse_cty  # noqa: E402

MAX_RECORDS = 1000
DERIVED_NAMES = ("USA", "Canada", "Alaska", "Hawaii")


def primary_prefixes(cty_dat):
    """Name as the prefix table spells it -> primary prefix."""
    out = {}
    for header in cty_dat.split(";"):
        line = header.strip().split("\n", 1)[0] if header.strip() else ""
        fields = [f.strip() for f in line.split(":")]
        if len(fields) < 8 or not fields[0]:
            continue
        name = RENAMES.get(fields[0], fields[0])
        out.setdefault(name, fields[7])
    return out


def dxcc_numbers(cty_csv):
    """Primary prefix -> DXCC number."""
    out = {}
    for row in csv.reader(io.StringIO(cty_csv)):
        if len(row) >= 3 and row[0]:
            out[row[0]] = int(row[2])
    return out


def prefix_table_names(path):
    names = []
    with open(path, "rb") as f:
        for raw in f.read().split(lineformat.LINE_END):
            if raw:
                names.append(lineformat.parse_line(raw.decode(lineformat.ENCODING))[1][1])
    return names


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    cty_dat = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/hamradio-files/cty.dat"
    cty_csv = sys.argv[2] if len(sys.argv) > 2 else "/usr/share/hamradio-files/cty.csv"
    data_dir = sys.argv[3] if len(sys.argv) > 3 else os.path.join(here, "..", "data")
    with open(cty_dat, encoding="latin-1") as f:
        prefixes = primary_prefixes(f.read())
    with open(cty_csv, encoding="latin-1") as f:
        numbers = dxcc_numbers(f.read())
    wanted = []
    for name in prefix_table_names(os.path.join(data_dir, "arrlpre2.txt")) + list(DERIVED_NAMES):
        if name not in wanted:
            wanted.append(name)
    records = []
    missing = []
    for name in wanted:
        prefix = prefixes.get(name)
        if prefix is None or prefix not in numbers:
            missing.append(name)
            continue
        records.append([name, numbers[prefix]])
    if missing:
        raise SystemExit("no DXCC number for: %s" % ", ".join(missing))
    if len(records) > MAX_RECORDS:
        raise SystemExit("%d records; the export reads at most %d" % (len(records), MAX_RECORDS))
    lineformat.write_records(os.path.join(data_dir, "ADIFCnt.txt"), records)
    print("ADIFCnt.txt: %d countries" % len(records))


if __name__ == "__main__":
    main()
