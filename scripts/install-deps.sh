#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, skipping those already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev
  libswe-dev swe-basic-data swetest
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation2
  tzdata ccache clang-format qt6-translations-l10n
  libgeonames-dev libcctz-dev
  desktop-file-utils dpkg-dev
  clang libclang-rt-14-dev
  python3-icalendar
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
