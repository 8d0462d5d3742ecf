#!/bin/sh
# Installs every Debian package the build, the tests and the benchmarks need.
# Idempotent: packages already present are skipped; sudo is used only when not root.
set -eu

# (scripts/make-sounds.sh, run by hand to remake the shipped sounds, also needs espeak-ng and sox.)
PACKAGES="build-essential cmake ninja-build ccache pkg-config
qt6-base-dev qt6-multimedia-dev
libjpeg62-turbo-dev libpng-dev libxlsxwriter-dev libzip-dev libpugixml-dev
libsane-dev sane-utils libgtest-dev libgmock-dev libbenchmark-dev"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
