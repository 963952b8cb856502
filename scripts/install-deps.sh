#!/usr/bin/env bash
# Installs with apt-get whatever the build, the tests and the program need and the machine lacks.
set -euo pipefail
# fonts-liberation2 and fonts-liberation (for its Sans Narrow): faces with the metrics of the
# Windows faces that the windows were laid out with (see platform/qt/appearance.cpp).
packages=(cmake g++ make libasound2-dev libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev libgl-dev
          fonts-liberation fonts-liberation2)
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
