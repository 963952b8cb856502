"""Writer and reader of Keystone's settings-file line format.

Every table and settings file that ships in data/ uses this format:

  * 8-bit text in Windows-1252, every line ended by CR LF;
  * one record per line, its values separated by a single comma;
  * a text value between double quotes, written unchanged (it may not itself
    contain a double quote, since the reader would cut it there);
  * whole numbers as bare decimal digits with a leading "-" when negative;
  * single-precision numbers rounded to the float32 value, then written with
    at most 7 significant digits, trailing zeros removed, no leading zero
    before the point (".5", "-.25"), no point for whole numbers, and exponent
    form ("1.234568E+07") when the decimal exponent is 7 or more or below -4;
  * truth values as #TRUE# / #FALSE#.

Shared by the generator scripts and by check_data.py.
"""

import struct

ENCODING = "cp1252"
LINE_END = b"\r\n"


class Single(float):
    """A value that is written with the single-precision number rules."""


def to_float32(value):
    """The nearest 32-bit float to value, as a Python float."""
    return struct.unpack("<f", struct.pack("<f", float(value)))[0]


def format_single(value):
    """The text of a single-precision number."""
    number = to_float32(value)
    if number == 0:
        return "0"
    sign = "-" if number < 0 else ""
    mantissa, exponent = ("%.6e" % abs(number)).split("e")
    digits = mantissa.replace(".", "").rstrip("0")
    exponent = int(exponent)
    if exponent >= 7 or exponent < -4:
        text = digits[0] + ("." + digits[1:] if len(digits) > 1 else "")
        return "%s%sE%s%02d" % (sign, text, "+" if exponent >= 0 else "-",
                                abs(exponent))
    if exponent < 0:
        return sign + "." + "0" * (-exponent - 1) + digits
    whole, fraction = digits[:exponent + 1], digits[exponent + 1:]
    whole = whole.ljust(exponent + 1, "0")
    return sign + whole + ("." + fraction if fraction else "")


def format_value(value):
    """The text of one value: str is a quoted text, bool a truth value,
    int a whole number, Single or float a single-precision number."""
    if isinstance(value, str):
        if '"' in value:
            raise ValueError("a text value may not hold a double quote: %r"
                             % value)
        return '"' + value + '"'
    if isinstance(value, bool):
        return "#TRUE#" if value else "#FALSE#"
    if isinstance(value, int):
        return str(value)
    if isinstance(value, float):
        return format_single(value)
    raise TypeError("no line format for %r" % (value,))


def encode_records(records):
    """The bytes of a file holding one line per record (a record is a
    sequence of values)."""
    lines = [",".join(format_value(v) for v in record).encode(ENCODING)
             for record in records]
    return b"".join(line + LINE_END for line in lines)


def write_records(path, records):
    """Write records to path, one line each."""
    with open(path, "wb") as out:
        out.write(encode_records(records))


def write_values(path, values):
    """Write a settings file: one value per line."""
    write_records(path, [[v] for v in values])


def parse_line(line):
    """Split one decoded line (without its CR LF) into raw values.

    Returns a list of (is_text, text) pairs, following the reader's rules:
    blanks before a value are skipped; a quoted value runs to the next
    double quote and anything after it up to the next comma is skipped;
    any other value runs up to the next comma."""
    values = []
    pos = 0
    while True:
        while pos < len(line) and line[pos] == " ":
            pos += 1
        if pos < len(line) and line[pos] == '"':
            close = line.find('"', pos + 1)
            if close < 0:
                raise ValueError("unclosed text in line: %r" % line)
            values.append((True, line[pos + 1:close]))
            comma = line.find(",", close + 1)
        else:
            comma = line.find(",", pos)
            end = len(line) if comma < 0 else comma
            values.append((False, line[pos:end]))
        if comma < 0:
            return values
        pos = comma + 1
