#!/usr/bin/env bash
# Starts the desktop program in the student's own folder, creating it first, so that
# the options, the usage log and the students' files never land in a random folder.
set -euo pipefail
program=$(readlink -f "$1"); shift
userdir="${XDG_DATA_HOME:-$HOME/.local/share}/ZEVA/SatLab"
mkdir -p "$userdir"
cd "$userdir"
exec "$program" "$@"
