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

# The browser edition's page is built and tested with node and npm, in Debian's chromium.
# A node that came with its own npm (not Debian's) is taken as it is.
packages+=(chromium)
# Its pictures are lossless WebP copies of the desktop's bitmaps, written with libwebp.
packages+=(libwebp-dev)
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  packages+=(nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The page's build and test tools, exactly as the committed lockfile pins them; never a
# browser download. Only when the lockfile changed since the last install.
web="$(cd "$(dirname "$0")/.." && pwd)/web"
if [ ! -f "$web/node_modules/.package-lock.json" ] ||
   [ "$web/package-lock.json" -nt "$web/node_modules/.package-lock.json" ]; then
  (cd "$web" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund)
fi
