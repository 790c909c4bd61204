#!/usr/bin/env bash
# Installs what is missing, builds the release build (nothing to do when the
# tests built it already) and makes the Debian package orvalis_VERSION_ARCH.deb
# with CPack. Its path is the last line of the output.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -- --quiet
output="$(cpack --preset release 2>&1)" || { echo "$output" >&2; exit 1; }
echo "$output"
# CPack says "CPack: - package: PATH generated."
package="$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$output")"
if [ ! -f "$package" ]; then
  echo "package.sh: CPack made no package" >&2
  exit 1
fi
echo "$package"
