#!/usr/bin/env bash
# Takes the screenshots in docs/ from the real program: Keystone runs on a virtual X display
# (Xvfb) under a window manager (openbox) and is driven with xdotool as an operator drives it;
# ImageMagick's import takes the pictures. A developer's tool, not part of the build or tests:
# it installs xvfb, openbox, xdotool and imagemagick with apt-get when they are missing.
#
#   bash scripts/screenshots.sh [path/to/keystone]     (default: build/dev/app/keystone)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
exe=$(realpath "${1:-build/dev/app/keystone}")
[ -x "$exe" ] || { echo "No program at $exe: build the keystone target first." >&2; exit 1; }

missing=()
for p in xvfb openbox xdotool imagemagick; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}" >/dev/null
fi

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

# Waits up to 20 s for a window whose title holds $1; prints its id.
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

# The station's settings file: the supplied one with a station's details filled in, inside
# the state ($1 = 0) or outside it ($1 = 1), a rover ($2 = 1) or not ($2 = 0).
write_settings() {
  local out_of_state=$1 rover=$2 file=$3
  printf '"%s"\r\n' W3ABC PA USA EPA JOE "SINGLE OP" Lehigh ALLENTOWN CW 20 >"$file"
  printf '%s\r\n' 5 75.5 40.6 '"NA"' 100 40960 255 3600 '"PA"' "$out_of_state" "$rover" 0 '"None"' 0 1 >>"$file"
}

# One run of the program on a screen of $1 x $2: the setup window, then the main window
# for a station inside ($3 = 0) or outside ($3 = 1) the state. Pictures are named by $4; $5
# names what more to show, and "rover" as $6 makes the station a rover.
run() {
  local width=$1 height=$2 out_of_state=$3 name=$4 display
  local rover=0
  [ "${6:-}" = rover ] && rover=1
  local home="$scratch/home-$name" work="$scratch/work-$name"
  mkdir -p "$home" "$work"
  cp "$root"/data/* "$work"/
  write_settings "$out_of_state" "$rover" "$work/QSOpref.txt"
  if [ "${5:-}" = reports ]; then
    python3 "$root/tools/make_contest_log.py" 300 >"$work/log.txt"
  fi
  # The server takes a display number that no other server holds and tells it.
  Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp 3>"$scratch/display-$name" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 1 50); do [ -s "$scratch/display-$name" ] && break; sleep 0.1; done
  display=:$(cat "$scratch/display-$name")
  sleep 1
  DISPLAY=$display openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
  (cd "$work" && DISPLAY=$display HOME=$home TZ=EST5 QT_QPA_PLATFORM=xcb "$exe" >/dev/null 2>&1) &
  pids+=($!)
  export DISPLAY=$display
  local setup
  setup=$(wait_window "Setup Information")
  sleep 1
  if [ "${5:-}" = setup ]; then
    import -window root "$root/docs/setup-${width}x${height}.png"
  fi
  xdotool windowactivate --sync "$setup" key Return
  wait_window "Open existing log" >/dev/null
  sleep 0.5
  xdotool key Return
  local main
  main=$(wait_window "Pennsylvania QSO Party")
  sleep 2
  if [ "${5:-}" = postcontest ]; then
    # Options > Post Contest Mode: the date and time boxes with their captions.
    xdotool windowactivate --sync "$main" key alt+o
    sleep 0.5
    xdotool key p
    sleep 1
  fi
  import -window root "$root/docs/$name-${width}x${height}.png"
  if [ "${5:-}" = colours ]; then
    xdotool windowactivate --sync "$main" key alt+o
    sleep 0.5
    xdotool key a
    sleep 0.5
    xdotool key c
    wait_window "Modify Multiplier Color Selections" >/dev/null
    sleep 1
    import -window root "$root/docs/colours-${width}x${height}.png"
  fi
  if [ "${5:-}" = reports ]; then
    # The rate graph and the county map of a 300-contact log, each from its menu.
    xdotool windowactivate --sync "$main" key alt+g
    wait_window "Activity Graph" >/dev/null
    sleep 1
    import -window root "$root/docs/graph-${width}x${height}.png"
    xdotool windowactivate --sync "$(wait_window "Activity Graph")" key alt+F4
    sleep 1
    xdotool windowactivate --sync "$main" key alt+a
    wait_window "Pennsylvania County Map" >/dev/null
    sleep 1
    import -window root "$root/docs/county-map-${width}x${height}.png"
  fi
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  pids=()
  sleep 1
}

run 1920 1080 1 outfrm
run 1920 1080 0 infrm colours
run 1280 1024 1 outfrm setup
run 1280 1024 0 infrm
run 1920 1080 1 outfrm-log reports
run 1366 768 0 infrm-rover-postcontest postcontest rover
run 1366 768 1 outfrm-postcontest postcontest
ls "$root"/docs/*.png
