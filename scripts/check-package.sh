#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it and the sources' licensing
# (lintian, reuse), installs it on this machine without the packages it only
# recommends (apt-get as root, through sudo otherwise), checks its desktop
# entry and AppStream data, then starts the installed game from its menu
# entry on a virtual display, as a player with an empty home would: its main
# window must show, in a working folder seeded with the defaults. Any error
# or warning fails it.
# Usage: scripts/check-package.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
app_id=io.github.kwintor.Kwintor
desktop_file=/usr/share/applications/$app_id.desktop
timeout_seconds=60

fail() {
    echo "$*" >&2
    exit 1
}

# Retries the command every tenth of a second, for timeout_seconds at most.
wait_until() {
    local tries
    for (( tries = 0; tries < timeout_seconds * 10; ++tries )); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

game_gone() { ! kill -0 "$game" 2>/dev/null; }

deb=$("$root/scripts/package.sh")
# Every file says its licence, which the package's copyright file is made from.
(cd "$root" && reuse lint)
# What lintian is told to pass over is explained in packaging/lintian-overrides.
lintian --pedantic --fail-on error,warning "$deb"
as_root=()
(( EUID == 0 )) || as_root=(sudo)
# The same version may be installed already, from an earlier build.
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall --no-install-recommends "$deb" </dev/null

desktop-file-validate "$desktop_file"
appstreamcli validate --pedantic --no-net "/usr/share/metainfo/$app_id.metainfo.xml"

scratch=$(mktemp -d)
xvfb='' game=''
cleanup() {
    [[ -n "$game" ]] && kill -KILL "$game" 2>/dev/null
    [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display itself and names it once it takes connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
wait_until test -s "$scratch/display" || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
DISPLAY=":$(<"$scratch/display")"
HOME="$scratch/home"
XDG_RUNTIME_DIR="$scratch/runtime"
# A player's PATH holds /usr/games, where the menu entry's program lies;
# root's does not.
PATH="$PATH:/usr/games"
export DISPLAY HOME XDG_RUNTIME_DIR PATH QT_QPA_PLATFORM=xcb
unset XDG_DATA_HOME
mkdir "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

read -r -a command <<<"$(sed -n 's/^Exec=//p' "$desktop_file")"
"${command[@]}" &
game=$!
window=$(timeout "$timeout_seconds" xdotool search --sync --all --onlyvisible --pid "$game" --name '^Kwintor') ||
    fail "The installed game showed no window within $timeout_seconds s"
echo "The installed game shows its window \"$(xdotool getwindowname "$window")\"."

player_dir="$HOME/.local/share/kwintor"
[[ "$(readlink "/proc/$game/cwd")" == "$player_dir" ]] || fail "The game does not run in $player_dir"
for file in /usr/share/kwintor/*; do
    cmp "$file" "$player_dir/${file##*/}"
    echo "$player_dir got ${file##*/}."
done

kill -TERM "$game"
wait_until game_gone || fail "The game did not close within $timeout_seconds s"
game=''
echo "The installed game closed."
