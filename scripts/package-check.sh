#!/usr/bin/env bash
# `make package-check`: checks the Debian package that `make package` made, as a teacher's
# machine would meet it. lintian must find no error (its warnings are shown); the package is
# installed with apt, both programs run from /usr (the desktop program under Xvfb, long enough
# to see its window, whose screenshot is kept), and the package is removed again whatever
# happened.
#
#   scripts/package-check.sh BUILD PKG_BUILD
set -euo pipefail
build=$(readlink -f "$1")
pkg_build=$(readlink -f "$2")
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$pkg_build/CPackConfig.cmake")
release=$(sed -n 's/^set(CPACK_DEBIAN_PACKAGE_RELEASE "\(.*\)")$/\1/p' "$pkg_build/CPackConfig.cmake")
deb="$build/jovitrack_${version}-${release}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "package-check: $deb is missing" >&2; exit 1; }
out="$build/package-check"
rm -rf "$out" && mkdir -p "$out"

# The tools of this check alone.
tools=(lintian xvfb xauth x11-utils imagemagick man-db desktop-file-utils appstream)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

step() { printf '\n== %s\n' "$*"; }

step "the package: $deb ($(du -k "$deb" | cut -f1) KiB)"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'

step "lintian (no error may remain)"
lintian --fail-on error --tag-display-limit 0 "$deb" | tee "$out/lintian.txt"
echo "lintian: $(grep -c '^E:' "$out/lintian.txt" || true) errors," \
     "$(grep -c '^W:' "$out/lintian.txt" || true) warnings"

if dpkg-query -W -f='${Status}' jovitrack 2>/dev/null | grep -q "install ok installed"; then
  echo "package-check: jovitrack is installed already; remove it first" >&2
  exit 1
fi
remove() {
  step "removing the package"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get purge -y jovitrack >/dev/null
  if [ -e /usr/bin/jovitrack ] || [ -e /usr/share/jovitrack ]; then
    echo "package-check: files left after removal" >&2
    exit 1
  fi
  echo "removed"
}
trap remove EXIT

step "installing with apt"
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "$deb"

fail() { echo "package-check: $*" >&2; exit 1; }
step "/usr/bin/jovitrack-cli jd 2016/01/01"
answer=$(/usr/bin/jovitrack-cli jd 2016/01/01)
echo "$answer"
[ "$answer" = "2457388.500000" ] || fail "jovitrack-cli jd gave '$answer'"

step "/usr/bin/jovitrack-cli jupiter 2457388.5 (reads /usr/share/jovitrack)"
# Jupiter needs the coefficient file and the leap seconds: a missing one is a message on stderr.
/usr/bin/jovitrack-cli jupiter 2457388.5 2> "$out/cli-errors.txt" | tr '\n' ' ' && echo
[ ! -s "$out/cli-errors.txt" ] || fail "jovitrack-cli jupiter: $(cat "$out/cli-errors.txt")"

step "/usr/bin/jovitrack --version"
answer=$(env -u DISPLAY /usr/bin/jovitrack --version)
echo "$answer"
[ "$answer" = "jovitrack $version" ] || fail "jovitrack --version gave '$answer'"

step "the manual pages, the menu entry, the software centre's entry and the icon"
for page in jovitrack jovitrack-cli; do
  man -w "$page"
  MANWIDTH=80 man "$page" | sed -n 1,12p
done
desktop=$(ls /usr/share/applications/*.desktop | xargs grep -l '^Exec=jovitrack$')
echo "$desktop"
desktop-file-validate "$desktop"
grep -E '^(Name|Icon|Actions)=|^\[Desktop Action' "$desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$(basename "$desktop" .desktop).metainfo.xml"
icon=$(sed -n 's/^Icon=//p' "$desktop")
ls /usr/share/icons/hicolor/*/apps/"$icon".*
[ -f "/usr/share/jovitrack/Leap Seconds.txt" ] || fail "no data in /usr/share/jovitrack"

step "/usr/bin/jovitrack ROEMER under Xvfb"
# A home of its own, so that the student folder the launcher makes is thrown away.
export HOME="$out/home"
mkdir -p "$HOME"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  /usr/bin/jovitrack ROEMER > "$0/program.log" 2>&1 &
  program=$!
  shown=""
  for _ in $(seq 60); do
    # The main window, by the program'"'"'s window class.
    if xwininfo -root -tree | grep -q "(\"jovitrack\" \"Jovitrack\")"; then shown=yes; break; fi
    kill -0 $program 2>/dev/null || break
    sleep 0.5
  done
  sleep 2
  # The launcher started the installed program with the word, in the student folder.
  echo "program: $(tr "\\0" " " < /proc/$program/cmdline)in $(readlink /proc/$program/cwd)"
  xwininfo -root -tree | grep -E "^ +0x[0-9a-f]+ \"" | sed -n "1,10p"
  import -window root "$0/jovitrack-roemer.png"
  kill $program 2>/dev/null || true
  wait $program 2>/dev/null || true
  [ -n "$shown" ]' "$out" || fail "no Jovitrack window appeared (see $out/program.log)"
[ -d "$HOME/.local/share/ZEVA/SatLab" ] || fail "the launcher made no student folder"
echo "window seen; screenshot $out/jovitrack-roemer.png"
