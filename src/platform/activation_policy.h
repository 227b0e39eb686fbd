#pragma once

#include "platform/taskbar_presence.h"

#include <QObject>

#include <memory>

class QWindow;

namespace quorvane {

enum class ActivationPolicyKind {
    regular,    // the program's windows are listed in the taskbar (showDockIcon on)
    accessory,  // the program lives in the status area; its windows stay out of the taskbar
    prohibited, // as accessory: the program shows no windows of its own in the taskbar
};

// The program's activation policy. Linux has no Dock: what it has is the taskbar and
// pager, so the policy decides whether the program's top-level windows are listed
// there, for the windows shown now and for every one shown later.
class ActivationPolicy : public QObject {
    Q_OBJECT
public:
    explicit ActivationPolicy(std::unique_ptr<TaskbarPresence> presence, QObject *parent = nullptr);
    ~ActivationPolicy() override;

    // Records `policy` and applies it to every visible top-level window; returns true.
    virtual bool setActivationPolicy(ActivationPolicyKind policy);
    ActivationPolicyKind activationPolicy() const { return m_policy; }

signals:
    void activationPolicyChanged(quorvane::ActivationPolicyKind policy);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static bool isListable(const QWindow *window);
    void applyTo(QWindow *window);

    std::unique_ptr<TaskbarPresence> m_presence;
    ActivationPolicyKind m_policy = ActivationPolicyKind::regular;
};

} // namespace quorvane
