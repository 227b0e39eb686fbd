#include "platform/x11_display_directory.h"

#include "platform/x11_connection.h"

#include <QGuiApplication>
#include <QScreen>

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace quorvane {

namespace {

// RandR output whose name is `name` on the first X screen, if any.
std::optional<quint32> randrOutputNamed(const QString &name)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return std::nullopt;
    const xcb_setup_t *setup = xcb_get_setup(connection);
    xcb_screen_iterator_t root = xcb_setup_roots_iterator(setup);
    if (!root.rem)
        return std::nullopt;
    xcb_randr_get_screen_resources_current_reply_t *resources =
        xcb_randr_get_screen_resources_current_reply(
            connection, xcb_randr_get_screen_resources_current(connection, root.data->root),
            nullptr);
    if (!resources)
        return std::nullopt;
    std::optional<quint32> found;
    const xcb_randr_output_t *outputs =
        xcb_randr_get_screen_resources_current_outputs(resources);
    const int count = xcb_randr_get_screen_resources_current_outputs_length(resources);
    for (int i = 0; i < count && !found; ++i) {
        xcb_randr_get_output_info_reply_t *info = xcb_randr_get_output_info_reply(
            connection,
            xcb_randr_get_output_info(connection, outputs[i], resources->config_timestamp),
            nullptr);
        if (!info)
            continue;
        const QString outputName = QString::fromUtf8(
            reinterpret_cast<const char *>(xcb_randr_get_output_info_name(info)),
            xcb_randr_get_output_info_name_length(info));
        if (outputName == name)
            found = outputs[i];
        std::free(info);
    }
    std::free(resources);
    return found;
}

// FNV-1a: the same name gives the same number in every run.
quint32 nameHash(const QString &name)
{
    quint32 hash = 2166136261u;
    for (const char byte : name.toUtf8()) {
        hash ^= quint8(byte);
        hash *= 16777619u;
    }
    return hash;
}

DisplayInfo infoOf(const QScreen *screen)
{
    return {X11DisplayDirectory::displayID(screen), screen->availableGeometry()};
}

} // namespace

quint32 X11DisplayDirectory::displayID(const QScreen *screen)
{
    if (!screen)
        return 0;
    if (const std::optional<quint32> output = randrOutputNamed(screen->name()))
        return *output;
    return nameHash(screen->name());
}

std::vector<DisplayInfo> X11DisplayDirectory::displays() const
{
    std::vector<DisplayInfo> result;
    for (const QScreen *screen : QGuiApplication::screens())
        result.push_back(infoOf(screen));
    return result;
}

std::optional<DisplayInfo> X11DisplayDirectory::mainDisplay() const
{
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        return infoOf(primary);
    return std::nullopt;
}

std::unique_ptr<DisplayDirectory> createDisplayDirectory()
{
    return std::make_unique<X11DisplayDirectory>();
}

} // namespace quorvane
