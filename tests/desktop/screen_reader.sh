#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game under the Orca screen reader: its own display, session bus,
# accessibility bus and registry, speech-dispatcher with its dummy output,
# and Orca writing what it speaks to its debug log. Checks the board's
# accessibility tree over AT-SPI, then plays the same game again and again,
# by keyboard and mouse as a player who listens would, and checks that Orca
# spoke every message of every game: a message lost once fails it. The
# game runs zoomed for its 1024x768 screen, and the mouse finds its tiles
# where the reader's object extents say they are.
# SCREEN_READER_RUNS sets how many games (10), SCREEN_READER_LOAD_WORKERS
# how many stress-ng workers keep the cores busy meanwhile (0).
# Run: KWINTOR_BINARY=build/…/game/kwintor bash tests/desktop/screen_reader.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
client="$desktop_root/tests/desktop/screen_reader_client.py"
speech_wait_seconds=${SPEECH_WAIT_SECONDS:-15}
runs=${SCREEN_READER_RUNS:-10}
load_workers=${SCREEN_READER_LOAD_WORKERS:-0}
# SCREEN_READER_LOG=FILE keeps Orca's debug log there.

use_private_session
start_xvfb
start_openbox
start_session_bus

# The accessibility bus and its registry, as a desktop session starts them.
start_logged at-spi /usr/libexec/at-spi-bus-launcher --launch-immediately
accessibility_bus_up() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1
}
wait_until accessibility_bus_up || fail "the accessibility bus did not start: $(cat "$scratch/at-spi.log")"

# Orca finds speech-dispatcher at its usual socket; the dummy output stands
# in for a synthesizer, and Orca logs every text it sends.
mkdir -p "$scratch/speechd" "$XDG_RUNTIME_DIR/speech-dispatcher"
printf 'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n' >"$scratch/speechd/speechd.conf"
start_logged speechd speech-dispatcher --run-single --timeout 0 --config-dir "$scratch/speechd" \
    --communication-method unix_socket --socket-path "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"

# Best scores no game here reaches, so that no name box comes between games.
mkdir -p "$scratch/game"
for (( place = 0; place < 15; ++place )); do
    printf 'Mistrz %d\r\n%d\r\n' "$place" $((100 - place))
done >"$scratch/game/wyniki.naj"
start_game QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_LOGGING_RULES=kwintor.zoom.debug=true
window=$(game_window)
[[ -n $window ]] || fail "the game showed no window: $(cat "$scratch/game.log")"
grep -q 'zoom 1.5$' "$scratch/game.log" || fail "the game is not zoomed: $(cat "$scratch/game.log")"
xdotool windowactivate --sync "$window"

# Orca writes its debug log through a buffer that only a terminal flushes
# at each line: script gives it one, and copies what it writes at once.
spoken="$scratch/orca-debug.log"
start_logged orca script --quiet --flush --return "$spoken" --command \
    "echo \$\$ >'$scratch/orca.pid'; exec env LANG=C.UTF-8 /usr/bin/python3 /usr/bin/orca --user-prefs '$scratch/orca' --debug-file=/dev/stdout"
# Orca itself is stopped, and script ends with it once it has reaped it:
# stopped first, script would leave Orca to an init that may not reap it,
# and even a dead Orca keeps the next one from starting ("Another screen
# reader process is already running").
wait_until test -s "$scratch/orca.pid" || fail "Orca did not start: $(cat "$scratch/orca.log")"
started_pids[-1]=$(cat "$scratch/orca.pid")

keep_log() { [[ -z ${SCREEN_READER_LOG:-} ]] || cp "$spoken" "$SCREEN_READER_LOG"; }
# What Orca has spoken so far, one utterance a line. Orca frames the game's
# texts with words and stops of its own, which differ from one release to
# the next: an utterance counts as the game's text wherever it holds it.
speech() { sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)'[ ]*{.*$/\1/p" "$spoken" 2>/dev/null | as_logged; }
# Orca 51 writes its log without the blank before ",", ".", ":", ")" and
# "]" (it spoke "4 : 4", and logs "4: 4"): both sides are compared so.
as_logged() { sed -E 's/ ([],.:)])/\1/g'; }
# How many utterances hold TEXT.
spoken_count() {
    speech | awk -v text="$(as_logged <<<"$1")" 'index($0, text) { n++ } END { print n + 0 }'
}
# How many utterances read the clock out, as against the seconds a round gives.
clock_count() { speech | awk '{ gsub(/Czas: [0-9]+ sekund/, "") } /Czas: [0-9]+/ { n++ } END { print n + 0 }'; }
# Waits until the counting command that follows WHAT and COUNT counts COUNT;
# says false when Orca did not get there.
speech_reaches() {
    local count=$1 tries
    shift
    for (( tries = 0; tries < speech_wait_seconds * 10; ++tries )); do
        (( $("$@") >= count )) && return 0
        sleep 0.1
    done
    return 1
}
# Outside the games a missing text ends the test at once.
expect_speech() {
    speech_reaches "${2:-1}" spoken_count "$1" && return 0
    keep_log
    fail "Orca did not speak \"$1\"; it spoke:
$(speech | tail -n 25)
Orca's log ends:
$(tail -n 15 "$spoken" "$scratch/orca.log" 2>&1)"
}
# In the games each text Orca did not speak is written down, and the game
# goes on.
lost=()
expect_once_more() {
    local text=$1 before=$2
    speech_reaches $((before + 1)) spoken_count "$text" && return 0
    lost+=("game $run: \"$text\"")
    echo "game $run: Orca did not speak \"$text\""
}
# Presses KEYS and expects Orca to speak TEXT once more.
press_expecting() {
    local text=$1 before
    shift
    before=$(spoken_count "$text")
    press "$@"
    expect_once_more "$text" "$before"
}
# A new round is announced with its equation, as the tree reads it once it
# is there; the round's opening comes with each.
press_expecting_round() {
    local opening=$1 seconds=$2 before
    shift 2
    before=$(spoken_count "$opening. Równanie: ")
    press "$@"
    if ! speech_reaches $((before + 1)) spoken_count "$opening. Równanie: "; then
        lost+=("game $run: \"$opening\"")
        echo "game $run: Orca did not speak \"$opening\""
        return 0
    fi
    local whole
    whole="$opening. $(client equation). Czas: $seconds sekund."
    speech | grep -F "$opening. Równanie: " | tail -n 1 | grep -qF "$(as_logged <<<"$whole")" || lost+=("game $run: \"$whole\"")
}

client() { /usr/bin/python3 "$client" "$@"; }

press() {
    local key
    for key in "$@"; do
        xdotool key "$key"
    done
}
# A menu opens at Alt and its letter held as a player holds them.
press_with_alt() { xdotool keydown Alt_L sleep 0.3 key "$1" sleep 0.3 keyup Alt_L; }
# Drags the object named FROM onto the object named TO and lets go there.
drag() {
    local from to
    read -r -a from <<<"$(client centre "$1")"
    read -r -a to <<<"$(client centre "$2")"
    drag_and_drop "${from[@]}" "${to[@]}"
}

declare -A slot_word=([plus]=plus [minus]=minus [asterisk]=razy [slash]="dzielone przez")
declare -A tile_name=([plus]=plus [minus]=minus [asterisk]=razy [slash]="podzielić")
# Named by its keysym, F2 would go with Alt on newer keymaps (common.sh).
new_game_key=$(key_code F2) || fail "no key types F2"

board_active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$window" ]]; }

# One game: a round begun, a tile dragged into a slot and the slot emptied
# by key, the round solved by key; in the next, a key that moves the focus
# on, the equation asked for twice, the clock and the score, the solve; in
# the third, the slots cleared by their button; then giving up.
play_game() {
    local wrong before
    press_expecting_round "Poziom 1" 40 "$new_game_key"

    wrong=$(client wrong-key)
    before=$(spoken_count "Pole 1: ${slot_word[$wrong]}")
    drag "${tile_name[$wrong]}" "Pole 1: puste"
    expect_once_more "Pole 1: ${slot_word[$wrong]}" "$before"
    press_expecting "Pole 1: puste" Delete
    read -ra keys <<<"$(client keys)"
    press_expecting_round "Rozwiązane! Poziom 2" 60 "${keys[@]}"

    read -ra keys <<<"$(client keys)"
    press_expecting "Pole 1: ${slot_word[${keys[0]}]}. Pole 2: puste" "${keys[0]}"
    press_expecting "$(client equation)" equal
    press_expecting "$(client equation)" equal
    before=$(clock_count)
    press c
    speech_reaches $((before + 1)) clock_count || lost+=("game $run: the clock")
    press_expecting "Punkty: 1" p
    press_expecting_round "Rozwiązane! Poziom 3" 60 "${keys[1]}"

    press_expecting "Czyść wszystkie znaki" Tab Tab
    press_expecting "$(client equation)" space
    press_expecting "Poddaję grę" Tab
    press_expecting "Koniec gry  !!!" space
    # A player hears the board come back before going on.
    press Return
    wait_until board_active || fail "the board did not come back after the game-over box"
}

started=$SECONDS
# Orca may take long to start on a busy machine; once it speaks, the game's
# texts follow within the speech wait.
orca_speaks() { [[ -n $(speech) ]]; }
wait_until orca_speaks || fail "Orca spoke nothing within $timeout_seconds s; its log ends:
$(tail -n 15 "$spoken" "$scratch/orca.log" 2>&1)"
expect_speech "Pole 1: puste"
client check

# No sound device here: sound off through the menu, as a player would.
press_with_alt g
expect_speech "Nowa gra"
press Right
expect_speech "Poziom trudności testu"
press Down Down
expect_speech "Dźwięk"
client checked "Dźwięk"
press Return
expect_speech "Pole 1: puste" 2

if (( load_workers > 0 )); then
    # Its own time limit too, should nothing stop it.
    start_logged stress-ng stress-ng --cpu "$load_workers" --timeout 900s
    stress_pid=$last_pid
fi
for (( run = 1; run <= runs; ++run )); do
    play_game
done
(( load_workers == 0 )) || stop_process "$stress_pid"

keep_log
echo "screen reader: $runs games, $(speech | grep -c .) utterances in $((SECONDS - started)) s," \
    "stress-ng workers: $load_workers; lost: ${#lost[@]}"
if (( ${#lost[@]} > 0 )); then
    fail "Orca did not speak ${#lost[@]} message(s) of the game:
$(printf '  %s\n' "${lost[@]}")
Orca's log ends:
$(tail -n 40 "$spoken")"
fi
# The clock is read when asked, never by the ticks.
(( $(clock_count) == runs )) || fail "the clock was spoken $(clock_count) times for $runs questions"
if grep -E "bad content sent to speak|Could not process" "$spoken"; then
    fail "Orca failed on an event of the game"
fi
