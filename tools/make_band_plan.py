#!/usr/bin/env python3
"""Generate data/BandPlan.txt, the US amateur transmitting privileges by
licence class, band by band, for CW and phone.

Source of the facts: the FCC's rules for the amateur service, Title 47 of the
Code of Federal Regulations, Part 97, as in force (no HF or VHF segment below
has changed since the 60 m channel change of 5 March 2012):
  * 97.301 (b) to (e): the bands and sub-bands each operator class may use
    (Extra, Advanced, General, and Novice and Technician);
  * 97.305 (c): the emissions authorised in each segment; a segment where
    only CW, RTTY and data are authorised is written as "CW", a segment where
    phone is authorised as "PH";
  * 97.303 (h): the five 60 m channels (centre 5332, 5348, 5358.5, 5373 and
    5405 kHz, 2.8 kHz wide, upper sideband), open to General, Advanced and
    Extra; each is one "PH" row of the channel's width.
The Technician Plus class ("P") is no longer issued; its holders have the
Technician privileges, so its rows repeat the Technician ones.

Layout (read value by value): the effective date, then rows of five values:
band, class, mode, low edge, high edge (MHz). For each band of the logger
(160 m to 2 m) a class "O" row gives the whole band, followed by the rows of
the classes N, T, P, G, A and E that have privileges on it.
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lineformat  # noqa: E402
from lineformat import Single  # noqa: E402

EFFECTIVE = "2012/03/05"

# Novice and Technician HF privileges, 97.301(e); Technician VHF, 97.301(a).
NOVICE_HF = {
    "80": [("CW", 3.525, 3.600)],
    "40": [("CW", 7.025, 7.125)],
    "15": [("CW", 21.025, 21.200)],
    "10": [("CW", 28.000, 28.300), ("PH", 28.300, 28.500)],
}
TECH_VHF = {
    "6": [("CW", 50.000, 50.100), ("PH", 50.100, 54.000)],
    "2": [("CW", 144.000, 144.100), ("PH", 144.100, 148.000)],
}
SIXTY_CHANNELS = [
    ("PH", (centre - 1.4) / 1000.0, (centre + 1.4) / 1000.0)
    for centre in (5332.0, 5348.0, 5358.5, 5373.0, 5405.0)
]
# Bands shared alike by General, Advanced and Extra.
COMMON = {
    "160": [("PH", 1.800, 2.000)],
    "60": SIXTY_CHANNELS,
    "30": [("CW", 10.100, 10.150)],
    "17": [("CW", 18.068, 18.110), ("PH", 18.110, 18.168)],
    "12": [("CW", 24.890, 24.930), ("PH", 24.930, 24.990)],
    "10": [("CW", 28.000, 28.300), ("PH", 28.300, 29.700)],
}
COMMON.update(TECH_VHF)

PRIVILEGES = {
    "N": NOVICE_HF,
    "T": dict(NOVICE_HF, **TECH_VHF),
    "G": dict(COMMON, **{
        "80": [("CW", 3.525, 3.600), ("PH", 3.800, 4.000)],
        "40": [("CW", 7.025, 7.125), ("PH", 7.175, 7.300)],
        "20": [("CW", 14.025, 14.150), ("PH", 14.225, 14.350)],
        "15": [("CW", 21.025, 21.200), ("PH", 21.275, 21.450)],
    }),
    "A": dict(COMMON, **{
        "80": [("CW", 3.525, 3.600), ("PH", 3.700, 4.000)],
        "40": [("CW", 7.025, 7.125), ("PH", 7.125, 7.300)],
        "20": [("CW", 14.025, 14.150), ("PH", 14.175, 14.350)],
        "15": [("CW", 21.025, 21.200), ("PH", 21.225, 21.450)],
    }),
    "E": dict(COMMON, **{
        "80": [("CW", 3.500, 3.600), ("PH", 3.600, 4.000)],
        "40": [("CW", 7.000, 7.125), ("PH", 7.125, 7.300)],
        "20": [("CW", 14.000, 14.150), ("PH", 14.150, 14.350)],
        "15": [("CW", 21.000, 21.200), ("PH", 21.200, 21.450)],
    }),
}
PRIVILEGES["P"] = PRIVILEGES["T"]

# The whole band of each, 97.301; 60 m from the lowest to the highest channel edge.
BANDS = [
    ("160", 1.800, 2.000), ("80", 3.500, 4.000),
    ("60", SIXTY_CHANNELS[0][1], SIXTY_CHANNELS[-1][2]),
    ("40", 7.000, 7.300), ("30", 10.100, 10.150), ("20", 14.000, 14.350),
    ("17", 18.068, 18.168), ("15", 21.000, 21.450), ("12", 24.890, 24.990),
    ("10", 28.000, 29.700), ("6", 50.000, 54.000), ("2", 144.000, 148.000),
]
CLASSES = "NTPGAE"


def band_plan_lines():
    lines = [[EFFECTIVE]]
    for band, low, high in BANDS:
        lines.append([band, "O", "PH", Single(low), Single(high)])
        for letter in CLASSES:
            for mode, seg_low, seg_high in PRIVILEGES[letter].get(band, []):
                lines.append([band, letter, mode, Single(seg_low), Single(seg_high)])
    return lines


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    data_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data")
    lines = band_plan_lines()
    assert len(lines) - 1 <= 200, "the chart reads at most 200 rows"
    lineformat.write_records(os.path.join(data_dir, "BandPlan.txt"), lines)


if __name__ == "__main__":
    main()
