#!/usr/bin/env bash
# Speaks the voice-navigation prompts into <data folder>/<name>.wav (default data/) with
# espeak-ng, a development tool only: the WAV files are committed, and neither the build
# nor the tests need it.
# Each main-window entry field, the duplicate warning and the two announcements of the
# voice-navigation window have one prompt; the program plays them from its working folder.
set -euo pipefail
command -v espeak-ng >/dev/null || { echo "espeak-ng is needed: apt-get install espeak-ng" >&2; exit 1; }
out="${1:-$(cd "$(dirname "$0")/.." && pwd)/data}"
speak() {  # name, words
  espeak-ng -v en-us -s 165 -w "$out/$1.wav" "$2"
  echo "$out/$1.wav"
}
speak Call "Call"
speak Points "Points"
speak SerNum "Serial number"
speak RstSnt "Report sent"
speak County "County"
speak SPC "State, province or section"
speak Dupe "Dupe"
speak NavDis "Voice navigation off"
speak NavEn "Voice navigation on"
