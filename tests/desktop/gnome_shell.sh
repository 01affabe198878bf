#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on GNOME Shell, Debian's default desktop, started headless on a
# 1920x1080 virtual monitor with its Xwayland, as a GNOME session starts a
# program: no platform chosen. Mutter draws no frames for Wayland windows,
# so the game opens on the X server, where Mutter frames its boxes. With
# the shell's own pointer and keys: the menu turns the sound off; a tile
# dragged into its slot lands there; the caption's buttons restore,
# maximise and minimise the board; given up, the game-over box comes
# centred on the board under GNOME's frame, the board's caption inactive
# behind it, and once its OK button closes it the board's caption is
# active again; "Pomoc" shows the about window above the board under its
# own caption alone. Started on Wayland itself, the game shows its
# game-over box under its own caption alone, and Return closes it.
# Run: KWINTOR_BINARY=build/debug/game/kwintor bash tests/desktop/gnome_shell.sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

# A pointer lost at the shell's start-up leaves nothing to test: CTest counts
# the run skipped, unless a check has failed already.
shell() {
    local status=0
    /usr/bin/python3 "$here/gnome_shell_client.py" "$@" || status=$?
    if (( status == 3 && failures == 0 )); then
        echo "SKIP: GNOME Shell's remote-desktop pointer never moved in this run"
        exit 77
    fi
    return "$status"
}

picture() { shell shot "$scratch/screen.png"; }

# The game's boxes carry its title, which the board's window names too.
# Mutter 48 draws frames in a client of its own, whose frame windows carry
# the framed window's title: the class tells the game's own.
window_named() {
    local window
    for window in $(xdotool search --onlyvisible --name "^$1\$" | grep -vx "$board"); do
        xprop -id "$window" WM_CLASS | grep -q '"kwintor"$' && echo "$window" && return
    done
}
box_window() { window_named 'Kwintor-matematyczny test'; }
box_shown() { [[ -n $(box_window) ]]; }
box_gone() { [[ -z $(box_window) ]]; }

use_private_session
# Mutter 48 and later frame X windows through a GTK program, which takes the
# title bar's buttons from GTK's settings: a GNOME session hands it the
# desktop's layout, a close button alone.
mkdir -p "$HOME/.config/gtk-4.0"
printf '[Settings]\ngtk-decoration-layout=appmenu:close\n' >"$HOME/.config/gtk-4.0/settings.ini"
# The shell wants a system bus too; a second session bus stands in for it.
start_session_bus
DBUS_SYSTEM_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS
start_session_bus
export DBUS_SYSTEM_BUS_ADDRESS XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME
# Mutter 48 starts Xwayland only where X's socket folder exists, as a
# booted system's tmpfiles make it; a fresh test system has none.
[[ -d /tmp/.X11-unix ]] || mkdir -m 1777 /tmp/.X11-unix
# GNOME 51 no longer knows the session manager, nor the option to leave it.
session_manager_off=()
gnome-shell --help 2>&1 | grep -q -- --sm-disable && session_manager_off=(--sm-disable)
start_logged shell gnome-shell --headless --wayland --wayland-display=kwintor-shell \
    --virtual-monitor 1920x1080 "${session_manager_off[@]}"
shell ready || fail "GNOME Shell did not start: $(tail -n 20 "$scratch/shell.log")"
start_logged held-devices /usr/bin/python3 "$here/gnome_shell_client.py" hold
shell_x_display() { sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$scratch/shell.log" | grep .; }
display=$(wait_until shell_x_display) || fail "GNOME Shell named no X display: $(tail -n 20 "$scratch/shell.log")"
export DISPLAY=$display WAYLAND_DISPLAY=kwintor-shell
XAUTHORITY=$(echo "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*)
export XAUTHORITY

# No platform: the game chooses, as when started from GNOME's menu.
start_game QT_QPA_PLATFORM= QT_LOGGING_RULES='kwintor.platform.debug=true;kwintor.zoom.debug=true'
board=$(game_window) || fail "the game showed no window on the shell's X server: $(cat "$scratch/game.log")"
check "the game chose the X server beside a compositor that draws no frames" \
    grep -q 'draws no frames' "$scratch/game.log"
check "the game zoomed for the 1920x1080 screen" grep -q 'zoom 2$' "$scratch/game.log"
read -r left top width height <<<"$(bounds "$board")"
check "the board is maximised below the top bar (${left} ${top} ${width} ${height})" \
    test "$left" -eq 0 -a "$top" -gt 0 -a "$width" -eq 1920 -a "$((top + height))" -eq 1080

# A box of the game's: framed by GNOME, centred on the board, the board's
# caption inactive behind it; pressed OK (at its bottom middle), it goes
# and the board's caption is active again. PICTURE names the screenshot.
check_box() {
    local what=$1 picture_name=$2 box box_left box_top box_width box_height
    wait_until box_shown || fail "no $what: $(cat "$scratch/game.log")"
    box=$(box_window)
    sleep 1
    picture
    cp "$scratch/screen.png" "${KWINTOR_GNOME_SHOTS:-$scratch}/$picture_name"
    read -r box_left box_top box_width box_height <<<"$(bounds "$box")"
    # GNOME's title bar is light, right above the box's own silver (a
    # quarter in, away from its rounded corners).
    local rows=()
    read -r -a rows <<<"$(title_bar_rows "$((box_left + box_width / 4))" "$box_top")"
    check "GNOME frames the $what with its title bar (rows ${rows[*]}; the box from row $box_top)" \
        test "${#rows[@]}" -eq 2 -a "$((box_top - ${rows[1]:-0}))" -ge 1 -a "$((box_top - ${rows[1]:-0}))" -le 2
    local offset=$((box_left + box_width / 2 - left - width / 2))
    check "the $what is centred on the board (${offset} px off)" test "$offset" -ge -20 -a "$offset" -le 20
    check "the board's caption is inactive behind the $what" caption_inactive
    shell click "$((box_left + box_width / 2))" "$((box_top + box_height - 45))"
    check "the $what's OK button closes it" wait_until box_gone
    check "the board's caption is active again after the $what" soon becomes_active
}

check "the board's caption is active" soon becomes_active
# Opcje → Dźwięk, its third item, turns the sound off first: with no sound
# server, the sound library would start one of its own.
# The game's windows, named or not: the menu's popup has no name.
visible_windows() { xdotool search --all --onlyvisible --pid "$game_pid" --name '' | wc -l; }
windows_before=$(visible_windows)
menu_open() { (( $(visible_windows) > windows_before )); }
shell click "$((left + 112))" "$((top + 55))"
wait_until menu_open || fail "the Opcje menu did not open"
shell click "$((left + 140))" "$((top + 168))"
menu_closed() { (( $(visible_windows) == windows_before )); }
wait_until menu_closed || fail "the Opcje menu did not close"

slot_x=$(board_x 88) slot_y=$(board_y 88)
# F2 starts a new game first, so that the level's clock cannot end the game
# while a busy machine drives it.
shell keys F2
sleep 0.5
picture
points_before=$(points_drawn)
shell drag "$(board_x 40)" "$(board_y 232)" "$slot_x" "$slot_y"
sleep 0.5
picture
cp "$scratch/screen.png" "${KWINTOR_GNOME_SHOTS:-$scratch}/gnome-dropped.png"
check "a plus tile dragged by the shell's pointer lands in the first slot" landed

# The caption's own buttons, through the shell's pointer. At zoom
# 2 its buttons lie 16 pixels down, their middles 89, 56 and 21 pixels in
# from the window's right edge.
state() { xprop -id "$board" _NET_WM_STATE; }
maximised() { state | grep -q MAXIMIZED_VERT; }
restored() { ! maximised; }
minimised() { state | grep -q _NET_WM_STATE_HIDDEN; }
shown() { ! minimised; }
caption_button() { shell click "$((left + width - $1))" "$((top + 16))"; }
shell keys F2
# The state changes before the shell gives the window its new place: the
# place is taken once two readings half a second apart agree.
settled_bounds() {
    local before now
    now=$(bounds "$board")
    until [[ $now == "${before:-}" ]]; do
        before=$now
        sleep 0.5
        now=$(bounds "$board")
    done
    echo "$now"
}
caption_button 56
check "the caption's middle button restores the board" wait_until restored
read -r left top width height <<<"$(settled_bounds)"
caption_button 56
check "the caption's middle button maximises the board again" wait_until maximised
read -r left top width height <<<"$(settled_bounds)"
caption_button 89
check "the caption's left button minimises the board" wait_until minimised
xdotool windowactivate "$board"
check "the minimised board comes back when activated" wait_until shown
check "the board's caption is active once it is back" soon becomes_active

# "Poddaję grę": the game ends at the clock's next tick.
shell keys F2
shell click "$(board_x 552)" "$(board_y 244)"
check_box "game-over box" gnome-game-over.png
# "Pomoc" shows the about window above the board under its own caption
# alone: GNOME draws no title bar over a window that asks for none.
about_shown() { [[ -n $(window_named 'O programie') ]]; }
shell click "$((left + 196))" "$((top + 55))"
wait_until about_shown || fail "Pomoc showed no about window"
about=$(window_named 'O programie')
sleep 0.5
picture
cp "$scratch/screen.png" "${KWINTOR_GNOME_SHOTS:-$scratch}/gnome-about.png"
check "the about window stands above the board" viewable_above "$about" "$board"
read -r box_left box_top box_width box_height <<<"$(bounds "$about")"
# GNOME's title bar would be light where the board is silver.
dark_above() { local colour; colour=$(pixel "$((box_left + box_width / 4))" "$((box_top - $1))"); (( 16#${colour:1:2} <= 208 )); }
no_title_bar() { dark_above 8 && dark_above 24; }
check "GNOME draws no title bar over the about window's own caption" no_title_bar

# Started on Wayland itself, as a player may choose: Mutter draws no frames
# there, so the game-over box comes in a window of the game's own under its
# gradient caption, never under Qt's stand-in title bar, and Return closes it.
# X sees no pointer over Wayland windows: the game is given up by the keys,
# from its first slot to "Poddaję grę".
stop_process "$game_pid"
start_game QT_QPA_PLATFORM=wayland
wait_until becomes_active || fail "the board showed no active caption on Wayland: $(cat "$scratch/game.log")"
shell keys Tab Tab
remember_board
shell keys space
wait_until window_shown || fail "no game-over box on Wayland: $(cat "$scratch/game.log")"
sleep 1
picture
cp "$scratch/screen.png" "${KWINTOR_GNOME_SHOTS:-$scratch}/gnome-wayland-game-over.png"
# GNOME 48 and later dim the board behind a modal box: the box is what
# differs from the board dimmed as much as its face, far below the box.
cp "$scratch/board.png" "$scratch/undimmed.png"
face=$(pixel 1900 1000)
convert "$scratch/undimmed.png" -channel RGB \
    -evaluate multiply "$(awk -v face="$((16#${face:1:2}))" 'BEGIN { print face / 192 }')" "$scratch/board.png"
window_region || fail "the game-over box on Wayland went before it was looked at"
check "the game-over box on Wayland carries the game's own caption alone (from $box_left $box_top, $box_width wide)" own_caption_on_top
check "the board's caption is inactive behind the game-over box on Wayland" caption_inactive
cp "$scratch/undimmed.png" "$scratch/board.png"
shell keys Return
check "Return closes the game-over box on Wayland" soon window_gone
check "the board's caption is active again after the box on Wayland" soon becomes_active

fail_if_any_check_failed
echo "PASS: the game on GNOME Shell"
