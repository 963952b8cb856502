#!/usr/bin/env python3
"""Check the files of data/ against the layouts Keystone reads.

Checks: every text file is Windows-1252 with CR LF line ends and no bare CR
or LF; county2.txt holds the 67 counties of PA with unique names and
abbreviations; states.txt the 50 states; arrlpre2.txt at most 10000
records of 8 values in strictly ascending byte order of the prefix, with
the country names USA, Canada, Alaska and Hawaii present and every DX name
at least four characters long; QSOpref.txt 25 lines, wave2.txt 13 values,
cw.txt 18 values, each value of the kind the reader expects; log.txt empty;
the help text present; the pictures JPEG files of the right sizes.

Usage: tools/check_data.py [data folder]. Exit status 1 on any failure.
"""

import os
import re
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lineformat  # noqa: E402

TEXT, NUMBER = "text", "number"
NUMBER_PATTERN = re.compile(r"^-?(\d+\.?\d*|\.\d+)(E[+-]\d\d)?$")

# Kinds of the values of the one-value-per-line settings files, in order.
QSOPREF_KINDS = [TEXT] * 10 + [NUMBER] * 3 + [TEXT] + [NUMBER] * 4 + \
    [TEXT] + [NUMBER] * 3 + [TEXT] + [NUMBER] * 2
WAVE_KINDS = [TEXT] * 10 + [NUMBER] + [TEXT] * 2
CW_KINDS = [TEXT] * 14 + [NUMBER] + [TEXT] + [NUMBER] + [TEXT]
PREFIX_KINDS = [TEXT] * 3 + [NUMBER] * 5
STATE_KINDS = [TEXT] + [NUMBER] * 2
COUNTY_KINDS = [TEXT] * 2

PICTURE_SIZES = {"logo1.jpg": (1000, 563), "logo2.jpg": (316, 85)}
SETUP_PICTURE = "setup.jpg"
REQUIRED_COUNTRIES = ("USA", "Canada", "Alaska", "Hawaii")
NON_DX_COUNTRIES = ("USA",)


class Checker:
    def __init__(self, data_dir):
        self.data_dir = data_dir
        self.failures = []

    def fail(self, name, message):
        self.failures.append("%s: %s" % (name, message))

    def read_lines(self, name):
        """The decoded lines of a text file, or None when it is unusable."""
        try:
            with open(os.path.join(self.data_dir, name), "rb") as f:
                raw = f.read()
        except OSError as error:
            self.fail(name, "cannot read (%s)" % error)
            return None
        if raw and not raw.endswith(lineformat.LINE_END):
            self.fail(name, "last line does not end with CR LF")
        body = raw.replace(lineformat.LINE_END, b"")
        if b"\r" in body or b"\n" in body:
            self.fail(name, "bare CR or LF found; every line must end CR LF")
        try:
            text = raw.decode(lineformat.ENCODING)
        except UnicodeDecodeError as error:
            self.fail(name, "not Windows-1252 (%s)" % error)
            return None
        lines = text.split("\r\n")
        return lines[:-1] if lines[-1] == "" else lines

    def parse_values(self, name, number, line, kinds):
        """The texts of the values of one line, checked against kinds (one
        kind per value); None when the line does not fit."""
        try:
            values = lineformat.parse_line(line)
        except ValueError as error:
            self.fail(name, "line %d: %s" % (number, error))
            return None
        if len(values) != len(kinds):
            self.fail(name, "line %d has %d values, not %d"
                      % (number, len(values), len(kinds)))
            return None
        for index, ((quoted, text), kind) in enumerate(zip(values, kinds)):
            if quoted != (kind == TEXT) or (
                    kind == NUMBER and not NUMBER_PATTERN.match(text)):
                self.fail(name, "line %d value %d is not a %s: %r"
                          % (number, index + 1, kind, text))
        return [text for _, text in values]

    def read_records(self, name, kinds):
        """Every line of a table file as one record of the given kinds."""
        records = []
        for number, line in enumerate(self.read_lines(name) or [], 1):
            values = self.parse_values(name, number, line, kinds)
            if values is not None:
                records.append(values)
        return records

    def check_settings(self, name, kinds):
        """A settings file: one value per line, of the kinds given in order."""
        lines = self.read_lines(name)
        if lines is None:
            return
        if len(lines) != len(kinds):
            self.fail(name, "has %d lines, not %d" % (len(lines), len(kinds)))
        for number, (line, kind) in enumerate(zip(lines, kinds), 1):
            self.parse_values(name, number, line, [kind])

    def check_counties(self):
        name = "county2.txt"
        records = self.read_records(name, COUNTY_KINDS)
        if len(records) != 67:
            self.fail(name, "has %d counties, not 67" % len(records))
        names = [r[0] for r in records]
        abbreviations = [r[1] for r in records]
        if any(not n.startswith("PA") or len(n) < 3 for n in names):
            self.fail(name, "a county name lacks its PA code")
        if len(set(names)) != len(names):
            self.fail(name, "county names are not unique")
        if len(set(abbreviations)) != len(abbreviations):
            self.fail(name, "abbreviations are not unique")
        if any(a != a.upper() or not a for a in abbreviations):
            self.fail(name, "abbreviations must be upper case")
        if names != sorted(names, key=str.lower):
            self.fail(name, "counties are not in alphabetical order")

    def check_states(self):
        name = "states.txt"
        records = self.read_records(name, STATE_KINDS)
        codes = [r[0] for r in records]
        if len(records) != 50 or len(set(codes)) != 50:
            self.fail(name, "needs 50 distinct states, has %d" % len(set(codes)))
        for code, latitude, longitude in records:
            if not re.match(r"^[A-Z]{2}$", code):
                self.fail(name, "bad state code %r" % code)
            if not (18 <= float(latitude) <= 72
                    and 66 <= float(longitude) <= 180):
                self.fail(name, "%s lies outside the US (longitude must be "
                          "positive to the west)" % code)

    def check_prefixes(self):
        name = "arrlpre2.txt"
        records = self.read_records(name, PREFIX_KINDS)
        if not records or len(records) > 10000:
            self.fail(name, "needs 1 to 10000 records, has %d" % len(records))
        codes = [r[0].encode(lineformat.ENCODING) for r in records]
        for before, after in zip(codes, codes[1:]):
            if not before < after:
                self.fail(name, "prefixes out of byte order or repeated: "
                          "%r, %r" % (before, after))
        countries = {r[1] for r in records}
        for country in REQUIRED_COUNTRIES:
            if country not in countries:
                self.fail(name, "country %r missing" % country)
        for country in sorted(countries):
            if len(country) < 4 and country not in NON_DX_COUNTRIES:
                self.fail(name, "DX name shorter than 4 characters: %r"
                          % country)
        for record in records:
            if not record[0] or not record[2]:
                self.fail(name, "empty prefix or continent: %r" % record)
            if abs(float(record[3])) > 180 or abs(float(record[4])) > 90:
                self.fail(name, "position out of range: %r" % record)

    def check_empty_log(self):
        path = os.path.join(self.data_dir, "log.txt")
        if not os.path.isfile(path) or os.path.getsize(path) != 0:
            self.fail("log.txt", "must exist and be empty")

    def check_help(self):
        lines = self.read_lines("ReadSQSO.txt")
        if not lines:
            self.fail("ReadSQSO.txt", "help text is empty")

    def check_pictures(self):
        for name, wanted in PICTURE_SIZES.items():
            size = self.jpeg_size(name)
            if size is not None and size != wanted:
                self.fail(name, "is %dx%d, not %dx%d" % (size + wanted))
        size = self.jpeg_size(SETUP_PICTURE)
        if size is not None and not (200 <= size[0] <= 280
                                     and 150 <= size[1] <= 210):
            self.fail(SETUP_PICTURE, "is %dx%d, not about 240x180" % size)

    def jpeg_size(self, name):
        """(width, height) from the frame header of a JPEG file."""
        try:
            with open(os.path.join(self.data_dir, name), "rb") as f:
                data = f.read()
        except OSError as error:
            self.fail(name, "cannot read (%s)" % error)
            return None
        pos = 2 if data[:2] == b"\xff\xd8" else len(data)
        while pos + 9 <= len(data):
            if data[pos] != 0xFF:
                break
            marker = data[pos + 1]
            length = int.from_bytes(data[pos + 2:pos + 4], "big")
            if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
                height = int.from_bytes(data[pos + 5:pos + 7], "big")
                width = int.from_bytes(data[pos + 7:pos + 9], "big")
                return width, height
            pos += 2 + length
        self.fail(name, "not a readable JPEG file")
        return None

    def run(self):
        self.check_counties()
        self.check_states()
        self.check_prefixes()
        self.check_settings("QSOpref.txt", QSOPREF_KINDS)
        self.check_settings("wave2.txt", WAVE_KINDS)
        self.check_settings("cw.txt", CW_KINDS)
        self.check_empty_log()
        self.check_help()
        self.check_pictures()
        return self.failures


def main():
    data_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data")
    failures = Checker(data_dir).run()
    for failure in failures:
        print("FAIL " + failure)
    if failures:
        return 1
    print("data files OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())
