// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/key_names.h"

#include "platform/key_table.h"
#include "platform/x11_connection.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QHash>
#include <QMutex>

#include <xcb/xcb.h>
// xkb.h names a field "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

namespace quorvane {

namespace {

// Keys that print nothing, by the names desktops show for them.
const QHash<quint32, QString> &specialKeyNames()
{
    static const QHash<quint32, QString> names{
        {XKB_KEY_Return, QStringLiteral("Return")},     {XKB_KEY_Tab, QStringLiteral("Tab")},
        {XKB_KEY_ISO_Left_Tab, QStringLiteral("Tab")},  {XKB_KEY_BackSpace, QStringLiteral("Backspace")},
        {XKB_KEY_Escape, QStringLiteral("Esc")},        {XKB_KEY_space, QStringLiteral("Space")},
        {XKB_KEY_Left, QStringLiteral("Left")},         {XKB_KEY_Right, QStringLiteral("Right")},
        {XKB_KEY_Up, QStringLiteral("Up")},             {XKB_KEY_Down, QStringLiteral("Down")},
        {XKB_KEY_Home, QStringLiteral("Home")},         {XKB_KEY_End, QStringLiteral("End")},
        {XKB_KEY_Prior, QStringLiteral("Page Up")},     {XKB_KEY_Next, QStringLiteral("Page Down")},
        {XKB_KEY_Insert, QStringLiteral("Insert")},     {XKB_KEY_Delete, QStringLiteral("Delete")},
        {XKB_KEY_KP_Enter, QStringLiteral("Keypad Enter")},
    };
    return names;
}

// Dead keys are named by the accent they put on the next letter.
const QHash<quint32, QString> &deadKeyNames()
{
    static const QHash<quint32, QString> names{
        {XKB_KEY_dead_grave, QStringLiteral("`")},      {XKB_KEY_dead_acute, QStringLiteral("´")},
        {XKB_KEY_dead_circumflex, QStringLiteral("^")}, {XKB_KEY_dead_tilde, QStringLiteral("~")},
        {XKB_KEY_dead_diaeresis, QStringLiteral("¨")},  {XKB_KEY_dead_cedilla, QStringLiteral("¸")},
        {XKB_KEY_dead_abovering, QStringLiteral("°")},  {XKB_KEY_dead_caron, QStringLiteral("ˇ")},
    };
    return names;
}

bool isKeypad(quint32 keysym)
{
    return keysym >= XKB_KEY_KP_Space && keysym <= XKB_KEY_KP_Equal;
}

QString printedText(quint32 keysym)
{
    char utf8[16] = {};
    if (xkb_keysym_to_utf8(keysym, utf8, sizeof utf8) <= 0)
        return {};
    const QString text = QString::fromUtf8(utf8);
    return !text.isEmpty() && text.at(0).isPrint() ? text : QString();
}

// Whether a layout's own symbol names the key better than the US one: it prints
// something (a letter, a digit, a sign) or is a dead accent.
bool isLayoutSpecific(quint32 keysym)
{
    if (keysym == XKB_KEY_NoSymbol || keysym == XKB_KEY_space || isKeypad(keysym))
        return false;
    return deadKeyNames().contains(keysym) || !printedText(keysym).isEmpty();
}

} // namespace

QString keysymDisplayName(quint32 keysym)
{
    if (const auto special = specialKeyNames().constFind(keysym); special != specialKeyNames().cend())
        return *special;
    if (const auto dead = deadKeyNames().constFind(keysym); dead != deadKeyNames().cend())
        return *dead;
    if (isKeypad(keysym)) {
        const QString printed = printedText(keysym);
        return QStringLiteral("Keypad %1").arg(printed);
    }
    if (const QString upper = printedText(xkb_keysym_to_upper(keysym)); !upper.isEmpty())
        return upper;
    if (const QString printed = printedText(keysym); !printed.isEmpty())
        return printed; // a letter with no upper-case keysym

    char name[64] = {};
    if (xkb_keysym_get_name(keysym, name, sizeof name) <= 0)
        return {};
    return QString::fromLatin1(name);
}

QString UsKeyNames::name(quint16 keyCode) const
{
    const std::optional<quint32> keysym = KeyTable::keysym(keyCode);
    return keysym ? keysymDisplayName(*keysym) : QString();
}

struct XkbKeyNames::Keymap {
    struct ContextFree {
        void operator()(xkb_context *c) const { xkb_context_unref(c); }
    };
    struct KeymapFree {
        void operator()(xkb_keymap *k) const { xkb_keymap_unref(k); }
    };
    std::unique_ptr<xkb_context, ContextFree> context;
    std::unique_ptr<xkb_keymap, KeymapFree> keymap;
    xkb_layout_index_t layout = 0;
};

XkbKeyNames::XkbKeyNames(std::unique_ptr<Keymap> keymap) : m_keymap(std::move(keymap)) {}

XkbKeyNames::~XkbKeyNames() = default;

std::unique_ptr<XkbKeyNames> XkbKeyNames::fromLayout(const QString &layout, const QString &variant)
{
    auto map = std::make_unique<Keymap>();
    map->context.reset(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
    if (!map->context)
        return nullptr;
    const QByteArray layoutName = layout.toUtf8();
    const QByteArray variantName = variant.toUtf8();
    xkb_rule_names names{};
    names.layout = layoutName.constData();
    names.variant = variantName.isEmpty() ? nullptr : variantName.constData();
    map->keymap.reset(xkb_keymap_new_from_names(map->context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!map->keymap)
        return nullptr;
    return std::unique_ptr<XkbKeyNames>(new XkbKeyNames(std::move(map)));
}

std::unique_ptr<XkbKeyNames> XkbKeyNames::fromDisplay()
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return nullptr;
    if (!xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                     XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr))
        return nullptr;
    const int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (device < 0)
        return nullptr;
    auto map = std::make_unique<Keymap>();
    map->context.reset(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    if (!map->context)
        return nullptr;
    map->keymap.reset(
        xkb_x11_keymap_new_from_device(map->context.get(), connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!map->keymap)
        return nullptr;
    // The layout in use right now, for desktops that switch between several.
    if (xkb_state *state = xkb_x11_state_new_from_device(map->keymap.get(), connection, device)) {
        map->layout = xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_EFFECTIVE);
        xkb_state_unref(state);
    }
    return std::unique_ptr<XkbKeyNames>(new XkbKeyNames(std::move(map)));
}

QString XkbKeyNames::name(quint16 keyCode) const
{
    const std::optional<quint8> xKeycode = KeyTable::xKeycode(keyCode);
    if (!xKeycode)
        return {};
    const xkb_keysym_t *syms = nullptr;
    const int count =
        xkb_keymap_key_get_syms_by_level(m_keymap->keymap.get(), *xKeycode, m_keymap->layout, 0, &syms);
    if (count == 1 && isLayoutSpecific(syms[0]))
        return keysymDisplayName(syms[0]);
    return UsKeyNames().name(keyCode);
}

namespace {

// Drops the cached names when the display reports another keymap or layout.
class KeymapWatch : public QAbstractNativeEventFilter {
public:
    explicit KeymapWatch(quint8 xkbFirstEvent) : m_xkbFirstEvent(xkbFirstEvent) {}

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override;

private:
    quint8 m_xkbFirstEvent;
};

struct KeyNamesCache {
    QMutex mutex;
    std::shared_ptr<const KeyNames> names;
    std::unique_ptr<KeymapWatch> watch;
};

KeyNamesCache &cache()
{
    static KeyNamesCache instance;
    return instance;
}

bool KeymapWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t" || !message)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != m_xkbFirstEvent)
        return false;
    const quint8 xkbType = event->pad0;
    bool stale = xkbType == XCB_XKB_NEW_KEYBOARD_NOTIFY || xkbType == XCB_XKB_MAP_NOTIFY;
    if (xkbType == XCB_XKB_STATE_NOTIFY) {
        const auto *state = static_cast<const xcb_xkb_state_notify_event_t *>(message);
        stale = state->changed & XCB_XKB_STATE_PART_GROUP_STATE;
    }
    if (stale) {
        QMutexLocker lock(&cache().mutex);
        cache().names.reset();
    }
    return false;
}

} // namespace

std::shared_ptr<const KeyNames> currentKeyNames()
{
    KeyNamesCache &c = cache();
    QMutexLocker lock(&c.mutex);
    if (c.names)
        return c.names;
    std::unique_ptr<XkbKeyNames> display = XkbKeyNames::fromDisplay();
    if (!display)
        return std::make_shared<UsKeyNames>(); // not kept: a display may come later
    c.names = std::move(display);
    // Qt's connection already listens to the keyboard extension; its events tell when to read again.
    if (!c.watch && QCoreApplication::instance()) {
        if (const xcb_query_extension_reply_t *xkb = xcb_get_extension_data(x11Connection(), &xcb_xkb_id);
            xkb && xkb->present) {
            c.watch = std::make_unique<KeymapWatch>(xkb->first_event);
            QCoreApplication::instance()->installNativeEventFilter(c.watch.get());
        }
    }
    return c.names;
}

} // namespace quorvane
