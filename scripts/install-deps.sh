#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Fast when nothing is missing: only absent packages are fetched.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libqt6opengl6-dev qt6-svg-dev qt6-translations-l10n libgl-dev
  xvfb xauth xdotool openbox fonts-ipafont-gothic fonts-ipafont-mincho
  poppler-utils libwmf-bin fonts-urw-base35 libuemf-dev
  nlohmann-json3-dev libcli11-dev lld
  libxml2-dev libicu-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}" >&2
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
