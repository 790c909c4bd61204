#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite:
# under AddressSanitizer and UndefinedBehaviorSanitizer, then a few seconds
# of each file reader's fuzz target (clang, libFuzzer), then the release
# build, whose CTest summary ends the output.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

for preset in asan fuzz release; do
  echo "== ${preset}: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -- --quiet
  echo "== ${preset}: tests"
  ctest --preset "$preset"
done
