// SPDX-License-Identifier: GPL-3.0-or-later
// A pointer for a compositor that has no input devices (a headless one): it creates a
// virtual pointer through wlroots' zwlr_virtual_pointer_manager_v1, which gives the seat
// a pointer, so clients get real pointer events with the serials that, for instance,
// setting the clipboard needs. Reads lines from standard input:
//   move X Y    the pointer to X, Y of a desktop WIDTH x HEIGHT (the arguments)
//   press       / release: the left button; "press right" / "release right": the right one
// and answers each with "ok" once the compositor has handled it. Ends at end of input.
#include <wayland-client.h>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

// The two interfaces, as wayland-scanner would describe them from the protocol's XML.
extern const wl_interface virtualPointerInterface;

const wl_interface *noTypes[] = {nullptr, nullptr, nullptr, nullptr, nullptr};
const wl_interface *createTypes[] = {&wl_seat_interface, &virtualPointerInterface};

const wl_message pointerRequests[] = {
    {"motion", "uff", noTypes},
    {"motion_absolute", "uuuuu", noTypes},
    {"button", "uuu", noTypes},
    {"axis", "uuf", noTypes},
    {"frame", "", noTypes},
    {"axis_source", "u", noTypes},
    {"axis_stop", "uu", noTypes},
    {"axis_discrete", "uufi", noTypes},
    {"destroy", "", noTypes},
};
const wl_interface virtualPointerInterface = {"zwlr_virtual_pointer_v1", 1, 9, pointerRequests, 0, nullptr};

const wl_message managerRequests[] = {
    {"create_virtual_pointer", "?on", createTypes},
    {"destroy", "", noTypes},
};
const wl_interface managerInterface = {"zwlr_virtual_pointer_manager_v1", 1, 2, managerRequests, 0, nullptr};

enum Request : uint32_t { motionAbsolute = 1, button = 2, frame = 4 };
constexpr uint32_t leftButton = 0x110; // BTN_LEFT
constexpr uint32_t rightButton = 0x111; // BTN_RIGHT

struct Globals {
    wl_seat *seat = nullptr;
    wl_proxy *manager = nullptr;
};

void global(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t)
{
    auto *g = static_cast<Globals *>(data);
    if (std::strcmp(interface, "wl_seat") == 0 && !g->seat)
        g->seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, managerInterface.name) == 0)
        g->manager = static_cast<wl_proxy *>(wl_registry_bind(registry, name, &managerInterface, 1));
}

void globalRemove(void *, wl_registry *, uint32_t) {}

const wl_registry_listener registryListener = {global, globalRemove};

uint32_t now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return uint32_t(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

} // namespace

int main(int argc, char **argv)
{
    unsigned width = 0, height = 0;
    if (argc != 3 || std::sscanf(argv[1], "%u", &width) != 1 || std::sscanf(argv[2], "%u", &height) != 1) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    wl_display *display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "no Wayland display\n");
        return 1;
    }
    Globals globals;
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &globals);
    wl_display_roundtrip(display);
    if (!globals.seat || !globals.manager) {
        std::fprintf(stderr, "the compositor offers no virtual pointer\n");
        return 1;
    }
    auto *pointer = wl_proxy_marshal_flags(globals.manager, 0, &virtualPointerInterface, 1, 0, globals.seat, nullptr);
    wl_display_roundtrip(display);
    std::printf("ready\n");
    std::fflush(stdout);

    char line[128];
    while (std::fgets(line, sizeof line, stdin)) {
        unsigned x = 0, y = 0;
        if (std::sscanf(line, "move %u %u", &x, &y) == 2)
            wl_proxy_marshal_flags(pointer, motionAbsolute, nullptr, 1, 0, now(), x, y, width, height);
        else if (std::strncmp(line, "press", 5) == 0)
            wl_proxy_marshal_flags(pointer, button, nullptr, 1, 0, now(), std::strstr(line, "right") ? rightButton : leftButton, 1u);
        else if (std::strncmp(line, "release", 7) == 0)
            wl_proxy_marshal_flags(pointer, button, nullptr, 1, 0, now(), std::strstr(line, "right") ? rightButton : leftButton, 0u);
        else
            continue;
        wl_proxy_marshal_flags(pointer, frame, nullptr, 1, 0);
        if (wl_display_roundtrip(display) < 0)
            return 1;
        std::printf("ok\n");
        std::fflush(stdout);
    }
    wl_display_disconnect(display);
    return 0;
}
