#!/usr/bin/env python3
"""Generate data/county2.txt, the county table of Pennsylvania.

Sources of the facts:
  * The 67 counties of Pennsylvania (the Commonwealth's list of counties, as
    in the US Census Bureau's county list for state FIPS 42). Names are
    spelled as the labels of Keystone's county map carry them, which write
    McKean as "Mc Kean"; the log stores these names and the map matches them.
  * The three-letter abbreviations are the county codes that the sponsor of
    the Pennsylvania QSO Party publishes in its rules: the codes PA stations
    send in the exchange and that log checkers expect in the QSO lines
    (BUX for Bucks, DCO for Delaware, INN for Indiana, MGY, MOE and MTR for
    Montgomery, Monroe and Montour, NHA for Northampton, NUM for
    Northumberland; most of the others are the first three letters).

Output: one record per county, `"PA<name>","<abbreviation>"`, in alphabetical
order of the name, in the line format of lineformat.py.
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lineformat  # noqa: E402

STATE = "PA"

COUNTIES = {
    "Adams": "ADA", "Allegheny": "ALL", "Armstrong": "ARM", "Beaver": "BEA",
    "Bedford": "BED", "Berks": "BER", "Blair": "BLA", "Bradford": "BRA",
    "Bucks": "BUX", "Butler": "BUT", "Cambria": "CMB", "Cameron": "CRN",
    "Carbon": "CAR", "Centre": "CEN", "Chester": "CHE", "Clarion": "CLA",
    "Clearfield": "CLE", "Clinton": "CLI", "Columbia": "COL",
    "Crawford": "CRA", "Cumberland": "CUM", "Dauphin": "DAU",
    "Delaware": "DCO", "Elk": "ELK", "Erie": "ERI", "Fayette": "FAY",
    "Forest": "FOR", "Franklin": "FRA", "Fulton": "FUL", "Greene": "GRE",
    "Huntingdon": "HUN", "Indiana": "INN", "Jefferson": "JEF",
    "Juniata": "JUN", "Lackawanna": "LAC", "Lancaster": "LAN",
    "Lawrence": "LAW", "Lebanon": "LEB", "Lehigh": "LEH", "Luzerne": "LUZ",
    "Lycoming": "LYC", "Mc Kean": "MCK", "Mercer": "MER", "Mifflin": "MIF",
    "Monroe": "MOE", "Montgomery": "MGY", "Montour": "MTR",
    "Northampton": "NHA", "Northumberland": "NUM", "Perry": "PER",
    "Philadelphia": "PHI", "Pike": "PIK", "Potter": "POT", "Schuylkill": "SCH",
    "Snyder": "SNY", "Somerset": "SOM", "Sullivan": "SUL",
    "Susquehanna": "SUS", "Tioga": "TIO", "Union": "UNI", "Venango": "VEN",
    "Warren": "WAR", "Washington": "WAS", "Wayne": "WAY",
    "Westmoreland": "WES", "Wyoming": "WYO", "York": "YOR",
}


def county_records():
    if len(COUNTIES) != 67:
        raise SystemExit("expected 67 counties, have %d" % len(COUNTIES))
    if len(set(COUNTIES.values())) != len(COUNTIES):
        raise SystemExit("county abbreviations are not unique")
    if any(len(code) != 3 or not code.isupper() for code in COUNTIES.values()):
        raise SystemExit("county abbreviations are three capital letters")
    names = sorted(COUNTIES, key=str.lower)
    return [[STATE + name, COUNTIES[name]] for name in names]


def main():
    data_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data")
    lineformat.write_records(os.path.join(data_dir, "county2.txt"),
                             county_records())


if __name__ == "__main__":
    main()
