#!/usr/bin/env bash
# Builds Keystone (release build in build/run) and starts it in the operator's working folder.
#
# The working folder is $KEYSTONE_HOME, or $HOME/Keystone when that is not set. On the first
# run it is made and given the files the program comes with (data/); later runs add only a
# supplied file that is missing, so a file the operator already has there is never replaced
# (names are compared without regard to case, as the program compares them).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh
cmake -S . -B build/run -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/run -j "$(nproc)" --target keystone

work=${KEYSTONE_HOME:-$HOME/Keystone}
mkdir -p "$work"
for supplied in data/*; do
  [ -f "$supplied" ] || continue
  name=$(basename "$supplied")
  if [ -z "$(find "$work" -maxdepth 1 -iname "$name" -print -quit)" ]; then
    cp "$supplied" "$work/$name"
  fi
done
echo "Keystone's working folder: $work"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display: start Keystone from a desktop session." >&2
  exit 1
fi
cd "$work"
exec "$root/build/run/app/keystone"
