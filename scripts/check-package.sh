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
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
# The desktop tests' set-up: a scratch folder, a display of its own, a
# private home, and every process stopped by its id at the end.
source "$root/tests/desktop/common.sh"
app_id=io.github.kwintor.Kwintor
desktop_file=/usr/share/applications/$app_id.desktop

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

use_private_session
start_xvfb
# A player's PATH holds /usr/games, where the menu entry's program lies;
# root's does not.
export PATH="$PATH:/usr/games" QT_QPA_PLATFORM=xcb

read -r -a command <<<"$(sed -n 's/^Exec=//p' "$desktop_file")"
start_logged game "${command[@]}"
game_pid=$last_pid
window=$(game_window) || fail "The installed game showed no window within $timeout_seconds s"
echo "The installed game shows its window \"$(xdotool getwindowname "$window")\"."

player_dir="$HOME/.local/share/kwintor"
[[ "$(readlink "/proc/$game_pid/cwd")" == "$player_dir" ]] || fail "The game does not run in $player_dir"
for file in /usr/share/kwintor/*; do
    cmp "$file" "$player_dir/${file##*/}"
    echo "$player_dir got ${file##*/}."
done

kill -TERM "$game_pid"
wait_until process_gone "$game_pid" || fail "The game did not close within $timeout_seconds s"
echo "The installed game closed."
