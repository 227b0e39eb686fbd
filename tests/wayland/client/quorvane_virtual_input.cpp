// SPDX-License-Identifier: GPL-3.0-or-later
// A pointer and a keyboard for a compositor that has no input devices (a headless one): it
// creates a virtual pointer through wlroots' zwlr_virtual_pointer_manager_v1 and a virtual
// keyboard through zwp_virtual_keyboard_manager_v1, which give the seat both, so clients
// get real input events with the serials that, for instance, setting the clipboard needs.
// Reads lines from standard input:
//   move X Y    the pointer to X, Y of a desktop WIDTH x HEIGHT (the arguments)
//   press       / release: the left button; "press right" / "release right": the right one
//   key C       presses and releases the key of the lower-case letter C (US layout)
//   key Escape  the same for the Escape key
// and answers each with "ok" once the compositor has handled it. Ends at end of input.
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
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

extern const wl_interface virtualKeyboardInterface;
const wl_interface *keyboardTypes[] = {&wl_seat_interface, &virtualKeyboardInterface};
const wl_message keyboardRequests[] = {
    {"keymap", "uhu", noTypes},
    {"key", "uuu", noTypes},
    {"modifiers", "uuuu", noTypes},
    {"destroy", "", noTypes},
};
const wl_interface virtualKeyboardInterface = {"zwp_virtual_keyboard_v1", 1, 4, keyboardRequests, 0, nullptr};
const wl_message keyboardManagerRequests[] = {
    {"create_virtual_keyboard", "on", keyboardTypes},
};
const wl_interface keyboardManagerInterface = {"zwp_virtual_keyboard_manager_v1", 1, 1, keyboardManagerRequests, 0,
                                               nullptr};

enum Request : uint32_t { motionAbsolute = 1, button = 2, frame = 4 };
enum KeyboardRequest : uint32_t { keymap = 0, key = 1 };
constexpr uint32_t keymapFormatXkbV1 = 1;
constexpr uint32_t xkbKeycodeOffset = 8; // an XKB keycode is the evdev one plus 8
constexpr uint32_t leftButton = 0x110; // BTN_LEFT
constexpr uint32_t rightButton = 0x111; // BTN_RIGHT

struct Globals {
    wl_seat *seat = nullptr;
    wl_proxy *manager = nullptr;
    wl_proxy *keyboardManager = nullptr;
};

void global(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t)
{
    auto *g = static_cast<Globals *>(data);
    if (std::strcmp(interface, "wl_seat") == 0 && !g->seat)
        g->seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, managerInterface.name) == 0)
        g->manager = static_cast<wl_proxy *>(wl_registry_bind(registry, name, &managerInterface, 1));
    else if (std::strcmp(interface, keyboardManagerInterface.name) == 0)
        g->keyboardManager = static_cast<wl_proxy *>(wl_registry_bind(registry, name, &keyboardManagerInterface, 1));
}

void globalRemove(void *, wl_registry *, uint32_t) {}

const wl_registry_listener registryListener = {global, globalRemove};

uint32_t now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return uint32_t(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

// The default (US) layout, handed to the compositor in shared memory.
xkb_keymap *sendKeymap(wl_proxy *keyboard)
{
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    xkb_keymap *map = context ? xkb_keymap_new_from_names(context, nullptr, XKB_KEYMAP_COMPILE_NO_FLAGS) : nullptr;
    if (context)
        xkb_context_unref(context);
    char *text = map ? xkb_keymap_get_as_string(map, XKB_KEYMAP_FORMAT_TEXT_V1) : nullptr;
    if (!text)
        return nullptr;
    const size_t size = std::strlen(text) + 1;
    const int fd = memfd_create("keymap", MFD_CLOEXEC);
    const bool written = fd >= 0 && write(fd, text, size) == ssize_t(size);
    std::free(text);
    if (!written)
        return nullptr;
    wl_proxy_marshal_flags(keyboard, keymap, nullptr, 1, 0, keymapFormatXkbV1, fd, uint32_t(size));
    close(fd);
    return map;
}

// The evdev code of the key that types `name` (one character, or a key's name) in `map`.
uint32_t keyCode(xkb_keymap *map, const char *name)
{
    const xkb_keysym_t wanted = xkb_keysym_from_name(name, XKB_KEYSYM_NO_FLAGS);
    for (xkb_keycode_t code = xkb_keymap_min_keycode(map); code <= xkb_keymap_max_keycode(map); ++code) {
        const xkb_keysym_t *syms = nullptr;
        if (xkb_keymap_key_get_syms_by_level(map, code, 0, 0, &syms) > 0 && syms[0] == wanted)
            return code - xkbKeycodeOffset;
    }
    return 0;
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
    if (!globals.seat || !globals.manager || !globals.keyboardManager) {
        std::fprintf(stderr, "the compositor offers no virtual pointer or keyboard\n");
        return 1;
    }
    auto *pointer = wl_proxy_marshal_flags(globals.manager, 0, &virtualPointerInterface, 1, 0, globals.seat, nullptr);
    auto *keyboard = wl_proxy_marshal_flags(globals.keyboardManager, 0, &virtualKeyboardInterface, 1, 0,
                                            globals.seat, nullptr);
    xkb_keymap *map = sendKeymap(keyboard);
    if (!map) {
        std::fprintf(stderr, "no keymap\n");
        return 1;
    }
    wl_display_roundtrip(display);
    std::printf("ready\n");
    std::fflush(stdout);

    char line[128];
    while (std::fgets(line, sizeof line, stdin)) {
        unsigned x = 0, y = 0;
        char name[32] = {};
        if (std::sscanf(line, "key %31s", name) == 1) {
            const uint32_t code = keyCode(map, name);
            if (!code)
                continue;
            wl_proxy_marshal_flags(keyboard, key, nullptr, 1, 0, now(), code, 1u);
            wl_proxy_marshal_flags(keyboard, key, nullptr, 1, 0, now(), code, 0u);
            if (wl_display_roundtrip(display) < 0)
                return 1;
            std::printf("ok\n");
            std::fflush(stdout);
            continue;
        }
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
    xkb_keymap_unref(map);
    wl_display_disconnect(display);
    return 0;
}
