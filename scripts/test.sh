#!/usr/bin/env bash
# Builds everything and runs every test: once plainly, once under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
status=0
for kind in release asan; do
  dir=build/test-$kind
  if [ $kind = asan ]; then
    flags=(-DCMAKE_BUILD_TYPE=Debug -DKEYSTONE_SANITIZE=ON)
  else
    flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
  fi
  cmake -S . -B "$dir" "${flags[@]}" >/dev/null
  cmake --build "$dir" -j "$jobs"
  echo "=== tests ($kind) ==="
  (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" --timeout 300) || status=1
done
exit $status
