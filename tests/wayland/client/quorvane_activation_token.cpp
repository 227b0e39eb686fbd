// SPDX-License-Identifier: GPL-3.0-or-later
// What a launcher does before it starts a program: asks the compositor for an
// xdg-activation token and prints it, to be handed on as XDG_ACTIVATION_TOKEN. The one
// argument is the application id the token is for.
#include "xdg-activation-v1-client-protocol.h"

#include <wayland-client.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

xdg_activation_v1 *activation = nullptr;

void global(void *, wl_registry *registry, uint32_t name, const char *interface, uint32_t)
{
    if (std::strcmp(interface, xdg_activation_v1_interface.name) == 0)
        activation = static_cast<xdg_activation_v1 *>(wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
}

void globalRemove(void *, wl_registry *, uint32_t) {}

const wl_registry_listener registryListener = {global, globalRemove};

void done(void *data, xdg_activation_token_v1 *, const char *token)
{
    *static_cast<std::string *>(data) = token;
}

const xdg_activation_token_v1_listener tokenListener = {done};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s APP-ID\n", argv[0]);
        return 2;
    }
    wl_display *display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "no Wayland display\n");
        return 1;
    }
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, nullptr);
    wl_display_roundtrip(display);
    if (!activation) {
        std::fprintf(stderr, "the compositor offers no xdg-activation\n");
        return 1;
    }
    std::string token;
    xdg_activation_token_v1 *request = xdg_activation_v1_get_activation_token(activation);
    xdg_activation_token_v1_add_listener(request, &tokenListener, &token);
    xdg_activation_token_v1_set_app_id(request, argv[1]);
    xdg_activation_token_v1_commit(request);
    while (token.empty() && wl_display_dispatch(display) >= 0) {
    }
    // Every proxy is let go: a leak checker's report at exit would end the process before
    // the token it printed reached the caller.
    xdg_activation_token_v1_destroy(request);
    xdg_activation_v1_destroy(activation);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    if (token.empty())
        return 1;
    std::printf("%s\n", token.c_str());
    return 0;
}
