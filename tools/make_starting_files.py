#!/usr/bin/env python3
"""Generate the starting copies of Keystone's settings files and log.

These files are Keystone's own defaults, not facts from an outside source.
The program is installed with them because the station setup stops reading
at the first settings file that is missing and the log load needs a log:

  * QSOpref.txt - the 25 station settings, one per line, in the order the
    setup reads them: empty station texts, mode CW on 20 m, UTC offset 5
    (Eastern Standard Time), position 0/0, full-size form, worked
    multipliers in green and remaining ones in red, no operating time, party
    state PA, station outside the state, not a rover, no voice prompts, no
    rig control, no taskbar mode, no listing of previous contacts.
  * wave2.txt - the voice keyer: no sound files for F1 to F9, no push-to-talk
    port ("0"), RTS as the push-to-talk line, no repeat, parallel port &H378.
  * cw.txt - the CW window: contest messages for F1 to F11, no keying port,
    20 WPM, no word-space adjustment, no keying interface, parallel port
    &H378, no echo on the main window, no repeat. Macros in the messages:
    "$" the call being worked, "#" the serial to send, "*" the report (sent
    as 5NN), "^" the own county in its short form, "!" logs the contact.
    The own call cannot be a macro: MYCALL stands for it and the operator
    types the call in its place in the CW window.
  * log.txt - the empty log (zero bytes).

Colours are red + 256 * green + 65536 * blue.
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lineformat  # noqa: E402
from lineformat import Single  # noqa: E402


def rgb(red, green, blue):
    return red + 256 * green + 65536 * blue


STATION_SETTINGS = [
    ("OwnCall", ""),
    ("OwnSPC", ""),
    ("OwnCountry", ""),
    ("OwnARRLSection", ""),
    ("OwnName", ""),
    ("OwnCategory", ""),
    ("OwnCounty", ""),
    ("OwnCity", ""),
    ("CurrentMode", "CW"),
    ("CurrentBand", "20"),
    ("UTCOffset", Single(5)),
    ("OwnLongitude", Single(0)),
    ("OwnLatitude", Single(0)),
    ("OwnContinent", ""),
    ("FormSizePercent", 100),
    ("MultWorkedColor", rgb(0, 160, 0)),
    ("MultRemainingColor", rgb(255, 0, 0)),
    ("TimeOnTotal", Single(0)),
    ("PartyState", "PA"),
    ("OutOfState", 1),
    ("Rover", 0),
    ("VoiceNavLevel", 0),
    ("RigName", "None"),
    ("TaskbarMode", 0),
    ("ListPrevious", 0),
]

NO_PORT = "0"
PARALLEL_PORT = "&H378"

VOICE_SETTINGS = [""] * 9 + [
    NO_PORT,        # push-to-talk serial port
    0,              # push-to-talk line: 0 RTS, 1 DTR, 2 parallel port
    "0",            # F1 repeat interval in seconds
    PARALLEL_PORT,  # parallel-port address
]

CW_MESSAGES = [
    "CQ PA MYCALL MYCALL TEST",  # F1  call CQ
    "$ * # ^",                   # F2  exchange to a caller
    "!TU MYCALL",                # F3  log the contact and thank
    "MYCALL",                    # F4  own call, search and pounce
    "TU * # ^",                  # F5  exchange after being answered
    "$?",                        # F6  call again?
    "# #",                       # F7  serial again
    "AGN?",                      # F8  again?
    "QRL?",                      # F9  frequency in use? (the Test key)
]
CW_SETTINGS = CW_MESSAGES + [
    NO_PORT,        # keying serial port
    "20",           # speed in words per minute
    "^ ^",          # F10 own county again
    "QRZ?",         # F11
    "0",            # word-space adjustment
    0,              # keying: 0 none, 1 RTS, 2 DTR, 3 parallel, 5 WinKeyer
    PARALLEL_PORT,  # parallel-port address
    0,              # echo the CW text on the main window: 0 off
    "0",            # F1 repeat interval in seconds
]


def main():
    data_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data")
    lineformat.write_values(os.path.join(data_dir, "QSOpref.txt"),
                            [value for _, value in STATION_SETTINGS])
    lineformat.write_values(os.path.join(data_dir, "wave2.txt"),
                            VOICE_SETTINGS)
    lineformat.write_values(os.path.join(data_dir, "cw.txt"), CW_SETTINGS)
    with open(os.path.join(data_dir, "log.txt"), "wb"):
        pass


if __name__ == "__main__":
    main()
