#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need.
# Idempotent: apt is only touched when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  libgtest-dev libbenchmark-dev
  qt6-base-dev
  fonts-dejavu-core fonts-liberation
  xvfb xauth poppler-utils
  tzdata
  help2man appstream desktop-file-utils
  dpkg-dev file python3
  emscripten nodejs
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
