#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice:
# under AddressSanitizer and UndefinedBehaviorSanitizer, then the release
# build, whose CTest summary ends the output.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

for preset in asan release; do
  echo "== ${preset}: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -- --quiet
  echo "== ${preset}: tests"
  ctest --preset "$preset"
done
