#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts Orvalis in
# the current directory, so that a Default.lxm there applies.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/install-deps.sh"
(
  cd "$root"
  cmake --preset release >/dev/null
  cmake --build --preset release -- --quiet
)
exec "$root/build/release/shell/orvalis" "$@"
