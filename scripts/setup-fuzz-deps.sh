#!/usr/bin/env bash
# Installs what `make fuzz` needs beyond the ordinary build: clang with its libFuzzer runtime.
# Nothing is installed when clang can already link a fuzzer.
set -euo pipefail

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' \
  > "$probe/probe.cpp"
if command -v clang++ >/dev/null 2>&1 &&
   clang++ -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
  exit 0
fi

echo "Installing clang and its fuzzer runtime"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends clang libclang-rt-dev
