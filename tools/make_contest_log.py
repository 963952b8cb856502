#!/usr/bin/env python3
"""Writes a log.txt of contest-like contacts for trying the out-of-state window by hand.

    python3 tools/make_contest_log.py 300 > "$HOME/Keystone/log.txt"

Calls of the usual shapes (K3ABC, WA2XYZ, N1AB), the counties of data/county2.txt, bands and
modes in contest proportions, sent serials counting up, and UTC stamps a contact every 20
seconds from 16:00 on 2026/10/10, in the line format of log.txt (20 values, CR LF). The same
count and seed give the same log; the benchmarks in bench/ generate theirs the same way.
"""

import argparse
import datetime
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lineformat  # noqa: E402

PREFIXES = ["K", "W", "N", "KA", "KB", "KC", "KD", "WA", "WB", "AA", "AB", "VE"]
BANDS = ["80", "40", "40", "20", "20", "20", "15", "10", "160", "6", "2"]


def counties(state="PA"):
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "county2.txt")
    names = []
    with open(path, "rb") as f:
        for line in f.read().decode(lineformat.ENCODING).splitlines():
            first = line.split(",")[0].strip('"')
            if first.startswith(state):
                names.append(first[len(state):])
    return names


def contact(n, rng, county_names, start):
    call = rng.choice(PREFIXES) + str(rng.randrange(10))
    call += "".join(chr(ord("A") + rng.randrange(26)) for _ in range(1 + rng.randrange(3)))
    moment = start + datetime.timedelta(seconds=20 * n)
    pick = rng.randrange(20)
    mode = "PH" if pick < 11 else "CW" if pick < 19 else "RY"
    points = 1 if mode == "PH" else 2
    fields = [call, "", "", "", rng.choice(county_names), "", "", "", "", "", str(n),
              moment.strftime("%Y/%m/%d"), moment.strftime("%H:%M:%S"), mode, rng.choice(BANDS)]
    quoted = ",".join('"%s"' % f for f in fields)
    return '%s,%d,"","","%d",""' % (quoted, points, 1 + rng.randrange(800))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("count", type=int)
    parser.add_argument("--seed", type=int, default=7)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    names = counties()
    start = datetime.datetime(2026, 10, 10, 16, 0, 0)
    out = sys.stdout.buffer
    for n in range(1, args.count + 1):
        out.write(contact(n, rng, names, start).encode(lineformat.ENCODING) + lineformat.LINE_END)


if __name__ == "__main__":
    main()
