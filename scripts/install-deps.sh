#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need. As root it runs apt-get;
# otherwise it prints the one command to run and stops. espeak-ng, with the Russian voice in its
# data, speaks the demo game's voices when the demo is built; the condensed DejaVu face of
# fonts-dejavu-extra letters the phone game's small display. dpkg-dev and file let CPack work out
# the Debian package's dependencies.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    libsdl2-dev libx11-dev libjpeg62-turbo-dev libfreetype-dev libfontconfig-dev libpng-dev
    libgtest-dev libbenchmark-dev libpixman-1-dev
    xvfb xauth xdotool fonts-dejavu-core fonts-dejavu-extra
    espeak-ng espeak-ng-data
    clang libclang-rt-dev
    dpkg-dev file
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Some packages are missing. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
