// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <wayland-client.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

#include "screen_probe.h"

namespace kwintor {

namespace {

// What the compositor tells of the first output it names, and of itself.
struct OutputFacts {
    wl_output* output = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t scale = 1;
    bool turned = false;  // a quarter turn swaps the mode's sides
    bool decorationManager = false;
};

void OnGeometry(void* data, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*, const char*,
                int32_t transform)
{
    static_cast<OutputFacts*>(data)->turned = (transform % 2) == 1;
}

void OnMode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t)
{
    if ((flags & WL_OUTPUT_MODE_CURRENT) == 0)
        return;
    auto* facts = static_cast<OutputFacts*>(data);
    facts->width = width;
    facts->height = height;
}

void OnDone(void*, wl_output*) { }

void OnScale(void* data, wl_output*, int32_t factor)
{
    static_cast<OutputFacts*>(data)->scale = std::max(1, factor);
}

const wl_output_listener OutputListener {OnGeometry, OnMode, OnDone, OnScale, nullptr, nullptr};

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    auto* facts = static_cast<OutputFacts*>(data);
    // Either protocol lets a client ask the compositor for its frame.
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0 ||
        std::strcmp(interface, "org_kde_kwin_server_decoration_manager") == 0)
        facts->decorationManager = true;
    if (facts->output || std::strcmp(interface, wl_output_interface.name) != 0)
        return;
    // Version 2 brings the scale; nothing later is needed.
    facts->output = static_cast<wl_output*>(
        wl_registry_bind(registry, name, &wl_output_interface, std::min(version, 2U)));
    wl_output_add_listener(facts->output, &OutputListener, facts);
}

void OnGlobalRemove(void*, wl_registry*, uint32_t) { }

const wl_registry_listener RegistryListener {OnGlobal, OnGlobalRemove};

struct Disconnect {
    void operator()(wl_display* display) const { wl_display_disconnect(display); }
};

}  // namespace

std::optional<WaylandDesktop> ProbeWaylandDesktop()
{
    const std::unique_ptr<wl_display, Disconnect> display(wl_display_connect(nullptr));
    if (!display)
        return std::nullopt;
    OutputFacts facts;
    wl_registry* registry = wl_display_get_registry(display.get());
    wl_registry_add_listener(registry, &RegistryListener, &facts);
    // The first round trip names the globals, the second the output's facts.
    const bool answered =
        wl_display_roundtrip(display.get()) >= 0 && wl_display_roundtrip(display.get()) >= 0;
    if (facts.output)
        wl_output_destroy(facts.output);
    wl_registry_destroy(registry);
    if (!answered)
        return std::nullopt;
    WaylandDesktop desktop {.screen = std::nullopt, .drawsFrames = facts.decorationManager};
    if (facts.width > 0 && facts.height > 0) {
        if (facts.turned)
            std::swap(facts.width, facts.height);
        desktop.screen = ScreenSize {static_cast<double>(facts.width) / facts.scale,
                                     static_cast<double>(facts.height) / facts.scale};
    }
    return desktop;
}

}  // namespace kwintor
