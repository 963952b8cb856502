#!/usr/bin/env bash
# Installs with apt-get whatever the build, the tests and the program need and the machine lacks.
set -euo pipefail
# fonts-liberation2 and fonts-liberation (for its Sans Narrow): faces with the metrics of the
# Windows faces that the windows were laid out with (see platform/qt/appearance.cpp).
# pulseaudio and libasound2-plugins (ALSA's pulse plugin): a sound server that the voice
# keyer's tests play through, as desktop sound goes (tests/sound_server).
packages=(cmake g++ make libasound2-dev libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev libgl-dev
          fonts-liberation fonts-liberation2 locales pulseaudio libasound2-plugins)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
fi
# A German locale (decimal comma), so the test that numbers are written with a point whatever
# the process's locale has one to run under.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8 ||
    echo "install-deps: the de_DE.UTF-8 locale could not be made; its test will be skipped" >&2
fi
# A published ADIF parser that the export's tests read the written file back with. Without
# node and npm that test is skipped and says why.
reader="$(cd "$(dirname "$0")/.." && pwd)/tests/reports/adif_reader"
if command -v npm >/dev/null 2>&1; then
  if [ ! -d "$reader/node_modules/adif-parser-ts" ]; then
    (cd "$reader" && npm ci --no-audit --no-fund --loglevel=error) ||
      echo "install-deps: npm could not install the ADIF parser; its read-back test will be skipped" >&2
  fi
else
  echo "install-deps: npm not found; the ADIF read-back through a published parser will be skipped" >&2
fi
