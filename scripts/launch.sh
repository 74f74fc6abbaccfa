#!/usr/bin/env bash
# Starts the desktop program in the student's own folder, creating it first, so that
# the options, the usage log and the students' files never land in a random folder.
#
#   scripts/launch.sh PROGRAM [ARGS...]   from the source tree (`make run`)
#   jovitrack [ARGS...]                   installed as <prefix>/bin/jovitrack, it starts the
#                                         program installed in <prefix>/libexec/jovitrack/
# The arguments (NEWTON or ROEMER) are passed on to the program.
set -euo pipefail
installed="$(dirname "$(readlink -f "$0")")/../libexec/jovitrack/jovitrack"
if [ -x "$installed" ]; then
  program=$(readlink -f "$installed")
elif [ $# -ge 1 ]; then
  program=$(readlink -f "$1"); shift
else
  echo "usage: $0 PROGRAM [ARGS...]" >&2
  exit 2
fi
# --help and --version only print: no student folder for them.
if [ $# -eq 1 ] && { [ "$1" = --help ] || [ "$1" = -h ] || [ "$1" = --version ]; }; then
  exec "$program" "$1"
fi
userdir="${XDG_DATA_HOME:-$HOME/.local/share}/ZEVA/SatLab"
mkdir -p "$userdir"
cd "$userdir"
exec "$program" "$@"
