// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A player's pointer and keys on KWin, through its fake-input protocol,
// which KWin routes as it does a real device's events.
//
//   fake_input click X Y               the left button pressed and let go at X Y
//   fake_input drag X Y TO_X TO_Y      the left button dragged from X Y to TO_X TO_Y
//   fake_input keys KEY...             each key pressed and let go in turn
//
// KWin offers the protocol only to programs it trusts, or to all when it
// runs with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1.

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "fake-input-client-protocol.h"

namespace {

constexpr uint32_t PointerAndKeysVersion = 4;  // absolute motion came in 3, keys in 4
constexpr uint32_t Released = 0;
constexpr uint32_t Pressed = 1;
// Qt starts a drag only after the pointer has moved some way, in steps.
constexpr int DragSteps = 12;
constexpr auto Pause = std::chrono::milliseconds(30);

// The keys the tests type, by the names xdotool gives them.
const std::map<std::string_view, uint32_t> KeyCodes {{"F2", KEY_F2}, {"Return", KEY_ENTER}};

constexpr const char* Usage = "usage: fake_input click X Y | drag X Y TO_X TO_Y | keys KEY...\n";

struct Session {
    wl_display* display = nullptr;
    org_kde_kwin_fake_input* input = nullptr;
};

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    auto* session = static_cast<Session*>(data);
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 &&
        version >= PointerAndKeysVersion)
        session->input = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, PointerAndKeysVersion));
}

void OnGlobalRemove(void*, wl_registry*, uint32_t) { }

const wl_registry_listener RegistryListener {OnGlobal, OnGlobalRemove};

// Sends what is queued and waits until KWin has handled it.
void Settle(const Session& session)
{
    wl_display_roundtrip(session.display);
    std::this_thread::sleep_for(Pause);
}

void MoveTo(const Session& session, double x, double y)
{
    org_kde_kwin_fake_input_pointer_motion_absolute(session.input, wl_fixed_from_double(x),
                                                    wl_fixed_from_double(y));
    Settle(session);
}

void Button(const Session& session, uint32_t state)
{
    org_kde_kwin_fake_input_button(session.input, BTN_LEFT, state);
    Settle(session);
}

bool Keys(const Session& session, std::span<char*> names)
{
    for (const std::string_view name : names) {
        const auto code = KeyCodes.find(name);
        if (code == KeyCodes.end()) {
            std::fprintf(stderr, "fake_input: no key named '%.*s'\n", int(name.size()), name.data());
            return false;
        }
        for (const uint32_t state : {Pressed, Released}) {
            org_kde_kwin_fake_input_keyboard_key(session.input, code->second, state);
            Settle(session);
        }
    }
    return true;
}

bool Perform(const Session& session, std::span<char*> words)
{
    const std::string_view command = words[0];
    if (command == "keys" && words.size() > 1)
        return Keys(session, words.subspan(1));
    std::vector<double> numbers;
    for (const char* word : words.subspan(1))
        numbers.push_back(std::stod(word));
    if (command == "click" && numbers.size() == 2) {
        MoveTo(session, numbers[0], numbers[1]);
        Button(session, Pressed);
        Button(session, Released);
        return true;
    }
    if (command == "drag" && numbers.size() == 4) {
        MoveTo(session, numbers[0], numbers[1]);
        Button(session, Pressed);
        for (int step = 1; step <= DragSteps; ++step)
            MoveTo(session, numbers[0] + (numbers[2] - numbers[0]) * step / DragSteps,
                   numbers[1] + (numbers[3] - numbers[1]) * step / DragSteps);
        Button(session, Released);
        return true;
    }
    std::fputs(Usage, stderr);
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs(Usage, stderr);
        return 2;
    }
    Session session;
    session.display = wl_display_connect(nullptr);
    if (!session.display) {
        std::fprintf(stderr, "fake_input: no Wayland display to connect to\n");
        return 1;
    }
    wl_registry* registry = wl_display_get_registry(session.display);
    wl_registry_add_listener(registry, &RegistryListener, &session);
    wl_display_roundtrip(session.display);
    if (!session.input) {
        std::fprintf(stderr, "fake_input: the compositor offers no fake input of version %u\n",
                     PointerAndKeysVersion);
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(session.input, "Kwintor's tests", "to play the game as a player");
    bool done = false;
    try {
        done = Perform(session, std::span(argv + 1, static_cast<size_t>(argc - 1)));
    } catch (const std::logic_error&) {
        std::fprintf(stderr, "fake_input: a place that is no number\n");
    }
    wl_display_roundtrip(session.display);
    wl_display_disconnect(session.display);
    return done ? 0 : 2;
}
