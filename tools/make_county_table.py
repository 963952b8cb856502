#!/usr/bin/env python3
"""Generate data/county2.txt, the county table of Pennsylvania.

Sources of the facts:
  * The 67 counties of Pennsylvania (the Commonwealth's list of counties, as
    in the US Census Bureau's county list for state FIPS 42). Names are
    spelled as the labels of Keystone's county map carry them, which write
    McKean as "Mc Kean"; the log stores these names and the map matches them.
  * The four-letter abbreviations are those of the Pennsylvania QSO Party's
    rules (the county exchange list the sponsor publishes). Most are the
    first four letters; where two counties share them the rules use
    CMBR/CMRN (Cambria/Cameron), CNTR (Centre), MNTR (Montour), NHMP
    (Northampton) and NUMB (Northumberland).

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
    "Adams": "ADAM", "Allegheny": "ALLE", "Armstrong": "ARMS",
    "Beaver": "BEAV", "Bedford": "BEDF", "Berks": "BERK", "Blair": "BLAI",
    "Bradford": "BRAD", "Bucks": "BUCK", "Butler": "BUTL",
    "Cambria": "CMBR", "Cameron": "CMRN", "Carbon": "CARB",
    "Centre": "CNTR", "Chester": "CHES", "Clarion": "CLAR",
    "Clearfield": "CLEA", "Clinton": "CLIN", "Columbia": "COLU",
    "Crawford": "CRAW", "Cumberland": "CUMB", "Dauphin": "DAUP",
    "Delaware": "DELA", "Elk": "ELK", "Erie": "ERIE", "Fayette": "FAYE",
    "Forest": "FORE", "Franklin": "FRAN", "Fulton": "FULT",
    "Greene": "GREE", "Huntingdon": "HUNT", "Indiana": "INDI",
    "Jefferson": "JEFF", "Juniata": "JUNI", "Lackawanna": "LACK",
    "Lancaster": "LANC", "Lawrence": "LAWR", "Lebanon": "LEBA",
    "Lehigh": "LEHI", "Luzerne": "LUZE", "Lycoming": "LYCO",
    "Mc Kean": "MCKE", "Mercer": "MERC", "Mifflin": "MIFF",
    "Monroe": "MONR", "Montgomery": "MONT", "Montour": "MNTR",
    "Northampton": "NHMP", "Northumberland": "NUMB", "Perry": "PERR",
    "Philadelphia": "PHIL", "Pike": "PIKE", "Potter": "POTT",
    "Schuylkill": "SCHU", "Snyder": "SNYD", "Somerset": "SOME",
    "Sullivan": "SULL", "Susquehanna": "SUSQ", "Tioga": "TIOG",
    "Union": "UNIO", "Venango": "VENA", "Warren": "WARR",
    "Washington": "WASH", "Wayne": "WAYN", "Westmoreland": "WEST",
    "Wyoming": "WYOM", "York": "YORK",
}


def county_records():
    if len(COUNTIES) != 67:
        raise SystemExit("expected 67 counties, have %d" % len(COUNTIES))
    if len(set(COUNTIES.values())) != len(COUNTIES):
        raise SystemExit("county abbreviations are not unique")
    names = sorted(COUNTIES, key=str.lower)
    return [[STATE + name, COUNTIES[name]] for name in names]


def main():
    data_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data")
    lineformat.write_records(os.path.join(data_dir, "county2.txt"),
                             county_records())


if __name__ == "__main__":
    main()
