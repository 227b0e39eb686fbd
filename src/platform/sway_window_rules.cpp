// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sway_window_rules.h"

#include "platform/session_type.h"

#include <QCoreApplication>

#include <memory>

namespace quorvane {

SwayWindowRules::SwayWindowRules(SwayIpc sway, qint64 pid) : m_sway(std::move(sway)), m_pid(pid) {}

SwayWindowRules *SwayWindowRules::session()
{
    static const std::unique_ptr<SwayWindowRules> rules = []() -> std::unique_ptr<SwayWindowRules> {
        if (currentSessionType() != SessionType::wayland)
            return nullptr;
        std::optional<SwayIpc> sway = SwayIpc::fromEnvironment();
        // A socket left behind by a sway that has gone answers nothing.
        if (!sway || !sway->run(QStringLiteral("nop")))
            return nullptr;
        return std::make_unique<SwayWindowRules>(*std::move(sway), QCoreApplication::applicationPid());
    }();
    return rules.get();
}

QString SwayWindowRules::titlePattern(const QString &title)
{
    // Every ASCII mark as a hexadecimal escape: no quote, bracket, comma or semicolon can
    // end the criterion or the command early, and no mark means anything to the pattern.
    QString pattern;
    for (const QChar c : title) {
        if (c.unicode() < 0x80 && !c.isLetterOrNumber())
            pattern += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            pattern += c;
    }
    return pattern;
}

bool SwayWindowRules::floatBorderless(const QString &title, Keyboard keyboard, Place place)
{
    if (title.isEmpty())
        return false;
    const QString criteria = QStringLiteral("[pid=%1 title=\"^%2\"]").arg(m_pid).arg(titlePattern(title));
    QString rules = QStringLiteral("for_window %1 \"floating enable, border none%2\"")
                        .arg(criteria, place == Place::atPointer ? QStringLiteral(", move position cursor") : QString());
    if (keyboard == Keyboard::left)
        rules += QStringLiteral("; no_focus ") + criteria;
    if (m_sent.contains(rules))
        return true;
    if (!m_sway.run(rules))
        return false;
    m_sent.insert(rules);
    return true;
}

} // namespace quorvane
