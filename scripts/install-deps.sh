#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and
# packaging Orvalis need, and brings the parser and picture libraries to Debian's latest
# security updates. Says nothing when everything is there and current.
set -euo pipefail

# Orvalis runs on X11, through XWayland in a Wayland session too; only a
# native Wayland start (no X display, or QT_QPA_PLATFORM=wayland) needs
# qt6-wayland, which nothing here requires.
packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libxcb1-dev qt6-translations-l10n fonts-dejavu-core fonts-dejavu-extra
  libgtest-dev libgmock-dev libbenchmark-dev
  desktop-file-utils appstream shared-mime-info libglib2.0-bin
  libexpat1-dev libjpeg-dev libpng-dev libgif-dev zlib1g-dev
  clang libclang-rt-14-dev
  dpkg-dev lintian bash-completion
)

# Pattern files and pictures come from anywhere, so their parsers must carry
# every security fix Debian offers.
security_updated=(libexpat1 libexpat1-dev libpng16-16 libpng-dev)

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
apt_get() {
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -qq --no-install-recommends "$@" \
    >/dev/null 2> >(grep -v '^debconf: delaying' >&2)
}

# Package lists older than a day may not know the latest security updates.
lists_stale() {
  [ -z "$(find /var/lib/apt/lists -maxdepth 1 -name '*_Packages*' -mmin -1440 -print -quit)" ]
}

installed_version() {
  dpkg-query -W -f='${Status} ${Version}' "$1" 2>/dev/null |
    awk '$1 == "install" && $3 == "installed" { print $4 }'
}


missing=()
for package in "${packages[@]}"; do
  [ -n "$(installed_version "$package")" ] || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ] || lists_stale; then
  "${sudo[@]}" apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt_get install "${missing[@]}"
fi

# apt-cache policy prints, per package, "name:", "Installed: v" and "Candidate: v".
mapfile -t outdated < <(LC_ALL=C apt-cache policy "${security_updated[@]}" | awk '
  /^[^ ]/ { sub(/:$/, ""); name = $0 }
  $1 == "Installed:" { installed = $2 }
  $1 == "Candidate:" && $2 != "(none)" && installed != "(none)" && $2 != installed { print name }')
if [ ${#outdated[@]} -gt 0 ]; then
  echo "Updating: ${outdated[*]}"
  apt_get install --only-upgrade "${outdated[@]}"
fi
