#!/usr/bin/env python3
"""Generate data/ReadSQSO.txt, the text of Keystone's help page.

Source: tools/help/ReadSQSO.txt, written for Keystone and kept as UTF-8
with LF line ends so that it is easy to edit. The program shows the file
as it stands, so this script only converts it: Windows-1252, CR LF line
ends, trailing blanks removed, one line end after the last line.
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lineformat  # noqa: E402


def convert(text):
    lines = [line.rstrip() for line in text.rstrip("\n").split("\n")]
    return b"".join(line.encode(lineformat.ENCODING) + lineformat.LINE_END
                    for line in lines)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    source = os.path.join(here, "help", "ReadSQSO.txt")
    data_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, "..", "data")
    with open(source, encoding="utf-8") as f:
        text = f.read()
    with open(os.path.join(data_dir, "ReadSQSO.txt"), "wb") as out:
        out.write(convert(text))


if __name__ == "__main__":
    main()
