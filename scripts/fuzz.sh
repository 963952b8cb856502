#!/usr/bin/env bash
# Builds the libFuzzer binaries of fuzz/ with clang and runs each for a bounded time.
#   bash scripts/fuzz.sh [seconds per target, default 60] [target names; default all]
# Inputs that reach new code are merged into fuzz/corpus/<name>/ (commit them). Every target
# runs whatever another found; a crash, a sanitizer report or a time-out leaves its input in
# build/fuzz/artifacts/, and the script ends by listing the targets that failed (exit 1).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
bash scripts/install-deps.sh
missing=()
for p in clang libclang-rt-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
fi
dir=build/fuzz
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEYSTONE_FUZZ=ON -DKEYSTONE_WITH_QT=OFF \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$dir" -j "${JOBS:-$(nproc)}" --target fuzzers
mkdir -p "$dir/artifacts"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for bin in "$dir"/fuzzers/*; do targets+=("$(basename "$bin")"); done
fi
failed=()
for name in "${targets[@]}"; do
  corpus=fuzz/corpus/$name
  found=$(mktemp -d)
  mkdir -p "$corpus"
  echo "=== $name: ${seconds}s ==="
  if ! "$dir/fuzzers/$name" -max_total_time="$seconds" -artifact_prefix="$dir/artifacts/$name-" \
      -print_final_stats=1 "$found" "$corpus"; then
    failed+=("$name")
  fi
  "$dir/fuzzers/$name" -merge=1 "$corpus" "$found" 2>&1 | grep -E 'MERGE-OUTER: [0-9]+ new files' || true
  rm -rf "$found"
done
echo "=== ${#targets[@]} targets run for ${seconds}s each ==="
if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings in: ${failed[*]} (inputs in $dir/artifacts/)"
  exit 1
fi
echo "No findings."
