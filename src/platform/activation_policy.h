// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/taskbar_presence.h"

#include <QObject>

#include <memory>

class QWidget;
class QWindow;

namespace quorvane {

enum class ActivationPolicyKind {
    regular,    // the program's floating panels are listed in the taskbar too (showDockIcon on)
    accessory,  // the program lives in the system tray; its floating panels stay out of the taskbar
    prohibited, // as accessory
};

// The program's activation policy. Linux has no Dock, and a program without an open
// window has no place in the taskbar at all: what the policy can decide is whether the
// program's floating panels (pins; tool windows) are listed in the taskbar, pager and
// window switcher, for those shown now and every one shown later. Windows the user
// opens (ordinary windows and dialogs: History, Preferences, About, Feedback) are always
// listed whatever the policy, so they stay reachable from the keyboard.
class ActivationPolicy : public QObject {
    Q_OBJECT
public:
    explicit ActivationPolicy(std::unique_ptr<TaskbarPresence> presence, QObject *parent = nullptr);
    ~ActivationPolicy() override;

    // Keeps `panel` out of the taskbar and pager whatever the policy: a passing notice is
    // no window to switch to. Creates the panel's native window.
    static void keepUnlisted(QWidget &panel);

    // Records `policy` and applies it to every visible top-level window; returns true.
    virtual bool setActivationPolicy(ActivationPolicyKind policy);
    ActivationPolicyKind activationPolicy() const { return m_policy; }

signals:
    void activationPolicyChanged(quorvane::ActivationPolicyKind policy);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Whether the policy decides `window`'s listing: tool windows only.
    static bool followsPolicy(const QWindow *window);
    static bool isKeptUnlisted(const QWindow *window);
    bool listsPanel(const QWindow *window) const;
    void applyTo(QWindow *window);

    std::unique_ptr<TaskbarPresence> m_presence;
    ActivationPolicyKind m_policy = ActivationPolicyKind::regular;
};

} // namespace quorvane
