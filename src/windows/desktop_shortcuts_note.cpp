// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/desktop_shortcuts_note.h"

#include "core/global_shortcut_gate.h"
#include "platform/language_change.h"
#include "windows/form_style.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvane {

namespace {

size_t slot(ShortcutAction action)
{
    return static_cast<size_t>(action);
}

} // namespace

QString DesktopShortcutsNote::command(ShortcutAction action)
{
    switch (action) {
    case ShortcutAction::quickZarrow:
        return QStringLiteral("quorvane capture");
    case ShortcutAction::repeatZarrow:
        return QStringLiteral("quorvane repeat");
    case ShortcutAction::codeMode:
        return QStringLiteral("quorvane code");
    case ShortcutAction::openHistory:
        return QStringLiteral("quorvane history");
    case ShortcutAction::scanCode:
        return QStringLiteral("quorvane scan");
    }
    return {};
}

DesktopShortcutsNote::DesktopShortcutsNote(GlobalShortcutGate *gate, QWidget *parent)
    : QWidget(parent), m_gate(gate)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(8);
    m_summary = FormStyle::makeLabel(QString(), FormStyle::Text::caption, this);
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    int row = 0;
    for (const ShortcutAction action : kAllShortcutActions) {
        m_names[slot(action)] = FormStyle::makeLabel(QString(), FormStyle::Text::caption, this);
        grid->addWidget(m_names[slot(action)], row, 0);
        QLabel *detail = FormStyle::makeLabel(QString(), FormStyle::Text::caption, this);
        detail->setTextFormat(Qt::PlainText);
        detail->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_details[slot(action)] = detail;
        grid->addWidget(detail, row, 1);
        auto *copy = new QPushButton(this);
        connect(copy, &QPushButton::clicked, this,
                [action] { QGuiApplication::clipboard()->setText(command(action)); });
        m_copyButtons[slot(action)] = copy;
        grid->addWidget(copy, row, 2);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    onLanguageChange(this, [this] { retranslate(); });
}

void DesktopShortcutsNote::retranslate()
{
    for (const ShortcutAction action : kAllShortcutActions) {
        m_names[slot(action)]->setText(displayName(action));
        //: Button that copies a shortcut command
        //% "Copy"
        m_copyButtons[slot(action)]->setText(qtTrId("preferences.shortcuts.copy_command"));
    }
    refresh();
}

QLabel *DesktopShortcutsNote::detail(ShortcutAction action) const
{
    return m_details[slot(action)];
}

QPushButton *DesktopShortcutsNote::copyButton(ShortcutAction action) const
{
    return m_copyButtons[slot(action)];
}

void DesktopShortcutsNote::refresh()
{
    const ShortcutOwnership ownership = m_gate ? m_gate->ownership() : ShortcutOwnership::program;
    setVisible(ownership != ShortcutOwnership::program);
    if (ownership == ShortcutOwnership::program)
        return;

    const bool unavailable = ownership == ShortcutOwnership::unavailable;
    if (unavailable) {
        //: Shortcuts pane note when the desktop offers no global shortcuts
        //% "Your desktop does not let programs take global shortcuts. In its keyboard settings, add a custom shortcut for each command you want:"
        m_summary->setText(qtTrId("preferences.shortcuts.desktop_unavailable"));
    } else {
        //: Shortcuts pane note when the desktop holds the global shortcuts
        //% "Your desktop keeps these shortcuts: it may ask you to confirm them, and you can change them in its keyboard settings. It reports:"
        m_summary->setText(qtTrId("preferences.shortcuts.desktop_owned"));
    }
    const QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (const ShortcutAction action : kAllShortcutActions) {
        QLabel *detail = m_details[slot(action)];
        m_copyButtons[slot(action)]->setVisible(unavailable);
        if (unavailable) {
            detail->setFont(mono);
            detail->setText(command(action));
            continue;
        }
        detail->setFont(font());
        const std::optional<QString> trigger = m_gate->desktopTrigger(action);
        detail->setText(trigger && !trigger->isEmpty()
                            ? *trigger
                            //: A global shortcut the desktop has not bound
                            //% "Not bound yet"
                            : qtTrId("preferences.shortcuts.not_bound"));
    }
}

} // namespace quorvane
