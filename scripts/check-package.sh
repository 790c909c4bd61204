#!/usr/bin/env bash
# check-package.sh orvalis_VERSION_ARCH.deb
#
# Checks the package that package.sh made: its name, exactly the files it
# installs, owned by root, a Depends line that names the package of every
# library the programs link, its section and description, and that lintian
# finds no errors (its warnings are shown). Without the tools it says so and
# skips.
set -euo pipefail

for tool_and_package in dpkg-deb:dpkg dpkg-architecture:dpkg-dev readelf:binutils lintian:lintian; do
  tool="${tool_and_package%%:*}"
  if ! command -v "$tool" >/dev/null; then
    echo "check-package.sh: package not checked: $tool not found (Debian package ${tool_and_package#*:})"
    exit 0
  fi
done

deb="$1"
failures=0
fail() {
  echo "check-package.sh: $*" >&2
  failures=$((failures + 1))
}
field() { dpkg-deb --field "$deb" "$1"; }

version="$(field Version)"
[ "$(basename "$deb")" = "orvalis_${version}_$(field Architecture).deb" ] ||
  fail "$(basename "$deb") is not named orvalis_VERSION_ARCH.deb"

expected_files="./usr/bin/orvalis
./usr/bin/orvalis-cli
./usr/share/applications/orvalis.desktop
./usr/share/bash-completion/completions/orvalis-cli
./usr/share/doc/orvalis/changelog.gz
./usr/share/doc/orvalis/copyright
./usr/share/icons/hicolor/48x48/apps/orvalis.png
./usr/share/icons/hicolor/scalable/apps/orvalis.svg
./usr/share/man/man1/orvalis-cli.1.gz
./usr/share/man/man1/orvalis.1.gz
./usr/share/metainfo/io.github.orvalis.Orvalis.metainfo.xml
./usr/share/mime/packages/orvalis.xml"
# dpkg-deb -c lists "mode owner/group size date time path".
listing="$(dpkg-deb --contents "$deb")"
files="$(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | LC_ALL=C sort)"
if [ "$files" != "$expected_files" ]; then
  fail "the package holds other files than expected:
$(diff <(echo "$expected_files") <(echo "$files") || true)"
fi
not_root="$(awk '$2 != "root/root" { print $6 }' <<<"$listing")"
[ -z "$not_root" ] || fail "not owned by root: $not_root"

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"

changelog_version="$(gzip -dc "$unpacked/usr/share/doc/orvalis/changelog.gz" |
  sed -n '1s/^orvalis (\([^)]*\)).*/\1/p')"
[ "$changelog_version" = "$version" ] ||
  fail "the changelog's newest entry is for '$changelog_version', the package is $version"

# Every library the programs link must come in through Depends.
depends="$(field Depends)"
# One package name a line, without versions, alternatives or architectures.
depended_on="$(sed 's/ *([^)]*)//g; s/[,|] */\n/g; s/:[a-z0-9]*//g' <<<"$depends")"
multiarch="$(dpkg-architecture --query DEB_HOST_MULTIARCH)"
for program in "$unpacked"/usr/bin/*; do
  libraries="$(readelf --dynamic "$program" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p')"
  for library in $libraries; do
    # dpkg knows the library under one of the two folders, and fails for the other.
    owner="$( (dpkg --search "/lib/$multiarch/$library" "/usr/lib/$multiarch/$library" 2>/dev/null || true) |
      sed -n '1s/^\([^:]*\).*/\1/p')"
    if [ -z "$owner" ]; then
      fail "no installed package holds $library, which $(basename "$program") links"
    elif ! grep -Fxq "$owner" <<<"$depended_on"; then
      fail "Depends does not name $owner for $library: $depends"
    fi
  done
done

[ "$(field Section)" = science ] || fail "section is '$(field Section)', not science"
description_lines="$(field Description | wc -l)"
[ "$description_lines" -ge 5 ] || fail "the description has only $description_lines lines"

# lintian ends with 1 when it finds errors; warnings and notes are shown.
lintian_output="$(lintian --display-info "$deb" 2>&1)" || fail "lintian finds errors"
[ -z "$lintian_output" ] || echo "$lintian_output"

if [ "$failures" -gt 0 ]; then
  exit 1
fi
echo "check-package.sh: $(basename "$deb") ok, $(stat -c %s "$deb") bytes, Depends: $depends"
