#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game under the Orca screen reader: its own display, session bus,
# accessibility bus and registry, speech-dispatcher with its dummy output,
# and Orca writing what it speaks to its debug log. Checks the board's
# accessibility tree over AT-SPI, then plays two rounds by keyboard alone and
# checks what Orca spoke. Run: KWINTOR_BINARY=build/…/game/kwintor bash tests/desktop/screen_reader.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
client="$desktop_root/tests/desktop/screen_reader_client.py"
speech_wait_seconds=${SPEECH_WAIT_SECONDS:-15}
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

start_game QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
window=$(game_window)
[[ -n $window ]] || fail "the game showed no window: $(cat "$scratch/game.log")"
xdotool windowactivate --sync "$window"

# Orca writes its debug log through a buffer that only a terminal flushes
# at each line: script gives it one, and copies what it writes at once.
spoken="$scratch/orca-debug.log"
start_logged orca script --quiet --flush --return "$spoken" --command \
    "env LANG=C.UTF-8 /usr/bin/python3 /usr/bin/orca --user-prefs '$scratch/orca' --debug-file=/dev/stdout"

keep_log() { [[ -z ${SCREEN_READER_LOG:-} ]] || cp "$spoken" "$SCREEN_READER_LOG"; }
# What Orca has spoken so far, one utterance a line. Orca frames the game's
# texts with words and stops of its own, which differ from one release to
# the next: an utterance counts as the game's text wherever it holds it.
speech() { sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)'[ ]*{.*$/\1/p" "$spoken" 2>/dev/null; }
# How many utterances hold TEXT.
spoken_count() { speech | awk -v text="$1" 'index($0, text) { n++ } END { print n + 0 }'; }
# How many utterances read the clock out, as against the seconds a round gives.
clock_count() { speech | awk '{ gsub(/Czas: [0-9]+ sekund/, "") } /Czas: [0-9]+/ { n++ } END { print n + 0 }'; }
# Waits until the counting command that follows WHAT and COUNT counts COUNT.
wait_for_speech() {
    local what=$1 count=$2 tries
    shift 2
    for (( tries = 0; tries < speech_wait_seconds * 10; ++tries )); do
        (( $("$@") >= count )) && return 0
        sleep 0.1
    done
    keep_log
    fail "Orca did not speak $what; it spoke:
$(speech | tail -n 25)"
}
# Waits until Orca has spoken TEXT COUNT times in all.
expect_speech() { wait_for_speech "\"$1\"" "${2:-1}" spoken_count "$1"; }
# Presses KEY and waits until Orca speaks TEXT once more.
press_expecting() {
    local key=$1 text=$2 before
    before=$(spoken_count "$text")
    press "$key"
    expect_speech "$text" $((before + 1))
}
# A new round is announced with its equation, read from the tree once it
# is there; each round's opening is its own.
expect_round() {
    local opening=$1 seconds=$2
    expect_speech "$opening. Równanie: "
    expect_speech "$opening. $(client equation). Czas: $seconds sekund."
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

started=$SECONDS
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

# A new game from the menu: its round is announced. (xdotool on unstable
# holds Alt down with F2, which makes it Alt+F2.)
press_with_alt g
expect_speech "Nowa gra" 2
press Return
expect_round "Poziom 1" 40

# A slot filled and emptied again, then the equation solved.
declare -A slot_word=([plus]=plus [minus]=minus [asterisk]=razy [slash]="dzielone przez")
wrong=$(client wrong-key)
press_expecting "$wrong" "Pole 1: ${slot_word[$wrong]}"
press_expecting Delete "Pole 1: puste"
read -ra keys <<<"$(client keys)"
press "${keys[@]}"
expect_round "Rozwiązane! Poziom 2" 60

# Level 2, three numbers: the first slot's news as the focus moves on, the
# equation, the clock and the score when asked, then the solve.
read -ra keys <<<"$(client keys)"
press_expecting "${keys[0]}" "Pole 1: ${slot_word[${keys[0]}]}"
expect_speech "Pole 2: puste"
press_expecting equal "$(client equation)"
press c
wait_for_speech "the clock" 1 clock_count
press_expecting p "Punkty: 1"
press "${keys[1]}"
expect_round "Rozwiązane! Poziom 3" 60

# Giving up: the game-over box is read out.
press Tab Tab Tab
expect_speech "Poddaję grę"
press space
expect_speech "Kwintor-matematyczny test"
expect_speech "Koniec gry  !!!"

keep_log
# The clock is read when asked, never by the ticks.
(( $(clock_count) == 1 )) || fail "the clock was spoken unasked"
if grep -E "bad content sent to speak|Could not process" "$spoken"; then
    fail "Orca failed on an event of the game"
fi
echo "screen reader: $(speech | grep -c .) utterances in $((SECONDS - started)) s"
