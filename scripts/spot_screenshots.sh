#!/usr/bin/env bash
# Takes the screenshots of DX spotting in docs/: the band map inside the out-of-state main
# window and the spectrum map, from the real program on a virtual X display (Xvfb, openbox),
# driven with xdotool. Spots come from a small fake Telnet cluster on 127.0.0.1 that this
# script runs; PackSpot.txt names it, so opening the spotting window (Ctrl+D) connects.
# A developer's tool, not part of the build or tests.
#
#   bash scripts/spot_screenshots.sh [path/to/keystone]     (default: build/dev/app/keystone)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
exe=$(realpath "${1:-build/dev/app/keystone}")
[ -x "$exe" ] || { echo "No program at $exe: build the keystone target first." >&2; exit 1; }

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

wait_window() {
  for _ in $(seq 1 200); do
    if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  echo "No window \"$1\" appeared." >&2
  return 1
}

port=$((20000 + RANDOM % 20000))
# The fake cluster: a greeting, then spots on 20 m and other bands, a few minutes apart in
# their time column, one block at a time.
cat >"$scratch/cluster.py" <<PY
import socket, time
spots = [("W3LPL", "14025.0", "DL1ABC"), ("K1TTT", "14074.0", "JA1XYZ"), ("N2IC", "14195.0", "VP9XY"),
         ("W3LPL", "14012.5", "G4ABC"), ("K1TTT", "14250.0", "KH6ABC"), ("N2IC", "7010.0", "VE3ABC"),
         ("W3LPL", "21010.0", "4X1AB"), ("K1TTT", "3505.0", "OH2BH"), ("N2IC", "28020.0", "PY2AA"),
         ("W3LPL", "10125.0", "EA8XX"), ("K1TTT", "18080.0", "ZL2AB"), ("N2IC", "50125.0", "W5XYZ"),
         ("W3LPL", "14033.0", "OH0Z"), ("K1TTT", "1830.0", "K1ZZ"), ("N2IC", "24900.0", "VK2AA")]
s = socket.socket(); s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("127.0.0.1", $port)); s.listen(1)
c, _ = s.accept()
c.sendall(b"Welcome to the test cluster\r\nPlease enter your call: ")
for spotter, khz, call in spots:
    line = ("DX de " + spotter + ":").ljust(15) + khz.rjust(9) + "  " + call.ljust(13) + "CW".ljust(30) + " 1902Z" + "FN20"
    c.sendall((line + "\r\n").encode())
    time.sleep(0.2)
time.sleep(60)
PY

display=:$((80 + RANDOM % 9))
home="$scratch/home" work="$scratch/work"
mkdir -p "$home" "$work"
cp "$root"/data/* "$work"/
printf '"%s"\r\n' W3ABC NY USA ENY JOE "SINGLE OP" "" ALBANY CW 20 >"$work/QSOpref.txt"
printf '%s\r\n' 5 73.8 42.6 '"NA"' 100 40960 255 0 '"PA"' 1 0 0 '"None"' 0 1 >>"$work/QSOpref.txt"
printf '%s\r\n' '""' '""' '""' '""' 0 '""' '"Telnet"' 0 0 0 '#FALSE#' '""' "\"$port\"" '"127.0.0.1"' >"$work/PackSpot.txt"

python3 "$scratch/cluster.py" &
pids+=($!)
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
(cd "$work" && DISPLAY=$display HOME=$home TZ=EST5 QT_QPA_PLATFORM=xcb "$exe" >/dev/null 2>&1) &
pids+=($!)
export DISPLAY=$display
setup=$(wait_window "Setup Information")
sleep 1
xdotool windowactivate --sync "$setup" key Return
wait_window "Open existing log" >/dev/null
sleep 0.5
xdotool key Return
main=$(wait_window "Pennsylvania QSO Party")
sleep 1
xdotool windowactivate --sync "$main" key ctrl+d
spotting=$(wait_window "DX Spotting Setup")
sleep 5
import -window root "$root/docs/spotting-1920x1080.png"
xdotool windowactivate --sync "$spotting" key alt+d
sleep 2
import -window root "$root/docs/bandmap-1920x1080.png"
xdotool windowactivate --sync "$main" key ctrl+b
wait_window "HF Spectrum Map" >/dev/null
sleep 2
import -window root "$root/docs/spectrum-map-1920x1080.png"
ls -l "$root"/docs/spotting-1920x1080.png "$root"/docs/bandmap-1920x1080.png "$root"/docs/spectrum-map-1920x1080.png
