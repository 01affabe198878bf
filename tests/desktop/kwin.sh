#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on KWin, Plasma's compositor, with a 1920x1080 output and its
# Xwayland, as a Plasma session starts a program: no platform chosen.
# KWin draws frames, so the game opens on Wayland, where KWin frames its
# boxes with Breeze. With KWin's own pointer and keys (its fake-input
# protocol): the menu opens below its title and turns the sound off; a
# tile dragged into its slot lands there; the caption's buttons restore,
# maximise and minimise the board; given up, the game-over box comes
# centred on the board under Breeze's title bar alone, the board's
# caption inactive behind it, and Return closes it after a click at the
# board; "Pomoc" shows the about window under its own caption alone, and
# it stays above the board when the board is clicked.
# KWin's output is a window on a virtual X display, whose pictures show
# what KWin composed: KWin 6's purely virtual output paints with OpenGL
# only on a GPU, and without one its screenshot service cancels every
# picture.
# Run: KWINTOR_BINARY=build/debug/game/kwintor KWINTOR_FAKE_INPUT=build/debug/tests/fake_input bash tests/desktop/kwin.sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"
fake_input=$(realpath -m "${KWINTOR_FAKE_INPUT:-$desktop_root/build/debug/tests/fake_input}")

kwin() { /usr/bin/python3 "$here/kwin_client.py" "$@"; }
picture() { DISPLAY=$kwin_output import -window root "$scratch/screen.png"; }
keep_picture() { cp "$scratch/screen.png" "${KWINTOR_KWIN_SHOTS:-$scratch}/$1"; }
# A 60 x 60 patch of the last picture around X Y, as a hash.
patch() { convert "$scratch/screen.png" -crop "60x60+$(($1 - 30))+$(($2 - 30))" +repage -format '%#' info:; }
patch_changed() { picture && [[ $(patch "$1" "$2") != "$3" ]]; }
# click X Y: the left button pressed and let go at X Y; then, as a player
# looks before the next step, a wait until the screen changes around X Y.
# The clock changes all the time.
click() {
    local before
    picture
    before=$(patch "$1" "$2")
    "$fake_input" click "$1" "$2"
    wait_until patch_changed "$1" "$2" "$before" ||
        fail "nothing changed after a click at $1 $2: $(tail -n 5 "$scratch/game.log")"
}

use_private_session
start_xvfb 1920x1080x24
kwin_output=$DISPLAY
start_session_bus
export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE
[[ -d /tmp/.X11-unix ]] || mkdir -m 1777 /tmp/.X11-unix
# The installed KWin carries file capabilities, which a container refuses
# to execute; a copy has none. Any client may give input.
cp /usr/bin/kwin_wayland "$scratch/kwin_wayland"
start_logged kwin env KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$scratch/kwin_wayland" \
    --x11-display "$kwin_output" --width 1920 --height 1080 --socket kwintor-kwin --xwayland --no-lockscreen
kwin_pid=$last_pid
if ! kwin ready || ! wait_until test -S "$XDG_RUNTIME_DIR/kwintor-kwin"; then
    fail "KWin did not start: $(tail -n 20 "$scratch/kwin.log")"
fi
# KWin 6 starts Xwayland only when a client comes; KWin takes the
# display's lock file in its own name either way.
kwin_x_display() { grep -lx " *$kwin_pid" /tmp/.X*-lock 2>/dev/null | sed -n 's|^/tmp/\.X\([0-9]*\)-lock$|:\1|p' | grep .; }
DISPLAY=$(wait_until kwin_x_display) || fail "KWin named no X display: $(tail -n 20 "$scratch/kwin.log")"
export DISPLAY WAYLAND_DISPLAY=kwintor-kwin

# No platform: the game chooses, as when started from Plasma's menu.
start_game QT_QPA_PLATFORM= QT_LOGGING_RULES='kwintor.zoom.debug=true'
left=0 top=0 width=1920 height=1080
board_shown() { picture && caption_active; }
wait_until board_shown || fail "the game showed no board: $(cat "$scratch/game.log")"
check "the game chose Wayland beside a compositor that draws frames" \
    test -z "$(xdotool search --all --pid "$game_pid" --name '' 2>/dev/null)"
check "the game zoomed for the 1920x1080 screen" grep -q 'zoom 2$' "$scratch/game.log"
board_face() { [[ $(pixel "$1" "$2") == '#C0C0C0' ]]; }
check "the board is maximised over the whole screen" board_face 1910 1070

# Opcje opens right below its title, with Dźwięk's check mark third; a
# click there turns the sound off: with no sound server, the sound library
# would start one of its own. Opened again, Dźwięk has no mark.
# inked GEOMETRY: some of the last picture's pixels there are near black.
inked() { [[ $(convert "$scratch/screen.png" -crop "$1" -colorspace gray -threshold 30% -format '%[fx:mean < 0.95]' info:) == 1 ]]; }
sound_marked() { inked 60x20+105+158 && inked 24x24+70+156; }
sound_unmarked() { inked 60x20+105+158 && ! inked 24x24+70+156; }
click 112 55
check "the Opcje menu opens below its title, Dźwięk marked" sound_marked
click 140 168
click 112 55
check "a click at Dźwięk turns the sound off" sound_unmarked
click 112 55
# F2 starts a new game first, so that the level's clock cannot end the game
# while a busy machine drives it.
"$fake_input" keys F2
picture
points_before=$(points_drawn)
slot_x=$(board_x 88) slot_y=$(board_y 88)
"$fake_input" drag "$(board_x 40)" "$(board_y 232)" "$slot_x" "$slot_y"
slot_filled() { picture && landed; }
check "a plus tile dragged by KWin's pointer lands in the first slot" wait_until slot_filled
keep_picture kwin-dropped.png

# The caption's own buttons, at zoom 2 16 pixels down, their middles 89, 56
# and 21 pixels in from the window's right edge. KWin's empty desktop
# around a smaller board is black.
caption_button() { click "$((left + width - $1))" "$((top + 16))"; }
"$fake_input" keys F2
caption_button 56
restored() { picture && ! board_face 1910 1070; }
check "the caption's middle button restores the board" wait_until restored
read -r left top width height <<<"$(convert "$scratch/screen.png" -trim -format '%X %Y %w %h' info: | tr -d +)"
caption_button 56
maximised() { picture && board_face 1910 1070; }
check "the caption's middle button maximises the board again" wait_until maximised
left=0 top=0 width=1920 height=1080
caption_button 89
minimised() { picture && ! board_face 960 1000; }
check "the caption's left button minimises the board" wait_until minimised
kwin unminimise
check "the minimised board comes back when activated" wait_until maximised
check "the board's caption is active once it is back" soon becomes_active

# Still above the board after a click on the board's empty lower left: in
# the same place, though its shadow may shrink as it loses the focus.
stays_above() {
    local before_left=$box_left before_width=$box_width
    "$fake_input" click 100 1000
    sleep 1
    picture
    window_region && (( box_left + box_width / 2 == before_left + before_width / 2 ))
}

# "Poddaję grę": the game ends at the clock's next tick; the box is centred
# on the board (its shadow falls downward: across only) under Breeze's
# light title bar, right above its own silver.
"$fake_input" keys F2
remember_board
click "$(board_x 552)" "$(board_y 244)"
wait_until window_shown || fail "no game-over box: $(cat "$scratch/game.log")"
sleep 1
picture
keep_picture kwin-game-over.png
window_region || fail "the game-over box went before it was looked at"
rows=()
read -r -a rows <<<"$(title_bar_rows "$((box_left + box_width / 4))" "$((box_top + 80))")"
# The box's edges, from the light run of the title bar's last row through
# the changed region's middle: the region alone misses a strip narrower
# than its erosion, as beside the game's icon on KWin 6.7.
light_run() { light_bands 0 "$1" "$width" across | awk -v middle="$2" '$1 <= middle && middle <= $2'; }
read -r bar_left bar_right <<<"$(light_run "${rows[1]:-0}" "$((box_left + box_width / 2))")"
offset=$(((bar_left + bar_right + 1) / 2 - width / 2))
check "the game-over box is centred on the board (${offset} px off; seen from $bar_left to $bar_right)" test "$offset" -ge -20 -a "$offset" -le 20
check "Breeze frames the game-over box with one title bar (rows ${rows[*]})" \
    test "${#rows[@]}" -eq 2 -a "$((${rows[1]:-0} - ${rows[0]:-0}))" -ge 16 -a "$((${rows[1]:-0} - ${rows[0]:-0}))" -le 40
check "the box's own face follows the title bar" board_face "$((box_left + box_width / 4))" "$((${rows[1]:-0} + 4))"
check "the board's caption is inactive behind the game-over box" caption_inactive
check "the game-over box stays above the board when the board is clicked" stays_above
# The click on the board leaves the keys with the box, which waits for them.
"$fake_input" keys Return
check "Return closes the game-over box after a click on the board" soon window_gone
check "the board's caption is active again after the game-over box" soon becomes_active

# "Pomoc" shows the about window: its first rows are its own caption,
# with no title bar of KWin's above them, and it stays above the board.
remember_board
click 196 55
wait_until window_shown || fail "Pomoc showed no about window"
sleep 0.5
picture
keep_picture kwin-about.png
window_region || fail "the about window went before it was looked at"
check "the about window's top is its own caption, under no title bar of KWin's" own_caption_on_top
check "the about window stays above the board when the board is clicked" stays_above

fail_if_any_check_failed
echo "PASS: the game on KWin"
