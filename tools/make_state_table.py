#!/usr/bin/env python3
"""Generate data/states.txt, the 50 US states with their positions.

Source of the facts: the table of US states that Debian ships in the package
cqrlog-data, /usr/share/cqrlog/ctyfiles/us_states.tab (one line per state
or territory: prefix|name|postal code|continent|UTC offset|ITU zone|CQ zone|
latitude|longitude|DXCC number, positions in decimal degrees with N/S and
E/W letters, WGS 84); the committed table was made from cqrlog-data
2.5.2-3 (Debian 12). From it this script takes the 50 states: the 48 lines
named "USA, <state>" other than the District of Columbia, plus Alaska (AK)
and Hawaii (HI); the territories (Puerto Rico, Guam and so on) are left out.

Sign convention of the output: latitude positive to the north, longitude
positive to the WEST (west longitudes are written as positive numbers), as
Keystone uses for every position.

Record: postal code (text), latitude, longitude (single-precision numbers),
in alphabetical order of the code, AK first and WY last.
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lineformat  # noqa: E402
from lineformat import Single  # noqa: E402

DEFAULT_SOURCE = "/usr/share/cqrlog/ctyfiles/us_states.tab"

STATE_CODES = (
    "AK AL AR AZ CA CO CT DE FL GA HI IA ID IL IN KS KY LA MA MD ME MI MN MO "
    "MS MT NC ND NE NH NJ NM NV NY OH OK OR PA RI SC SD TN TX UT VA VT WA WI "
    "WV WY").split()


def parse_degrees(text, positive, negative):
    """"105.3272W" with positive="W" gives 105.3272; with "E" it is -105.3272."""
    text = text.strip()
    hemisphere = text[-1:].upper()
    if hemisphere not in (positive, negative):
        raise ValueError("no hemisphere letter in %r" % text)
    value = float(text[:-1])
    return value if hemisphere == positive else -value


def state_records(lines):
    if len(STATE_CODES) != 50 or list(STATE_CODES) != sorted(STATE_CODES):
        raise SystemExit("STATE_CODES must be the 50 codes in order")
    positions = {}
    for line in lines:
        fields = line.rstrip("\r\n").split("|")
        if len(fields) < 9:
            continue
        code = fields[2].strip()
        if code not in STATE_CODES:
            continue
        if code in positions:
            raise SystemExit("state %s listed twice" % code)
        positions[code] = (parse_degrees(fields[7], "N", "S"),
                           parse_degrees(fields[8], "W", "E"))
    missing = [c for c in STATE_CODES if c not in positions]
    if missing:
        raise SystemExit("states missing from source: %s" % " ".join(missing))
    return [[code, Single(positions[code][0]), Single(positions[code][1])]
            for code in STATE_CODES]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    source = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_SOURCE
    data_dir = sys.argv[2] if len(sys.argv) > 2 else os.path.join(
        here, "..", "data")
    with open(source, encoding="latin-1") as f:
        records = state_records(f)
    lineformat.write_records(os.path.join(data_dir, "states.txt"), records)


if __name__ == "__main__":
    main()
