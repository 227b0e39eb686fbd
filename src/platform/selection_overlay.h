// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/display_list.h"
#include "platform/region_selector.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

namespace quorvane {

class SelectionOverlayWindow;

// The interactive selection: every monitor is grabbed first, then covered by a frameless
// window showing that frozen picture, so the user selects from what the screen showed at
// the request, and the result is cut from that picture.
class SelectionOverlay : public QObject, public RegionSelector {
    Q_OBJECT
public:
    explicit SelectionOverlay(DisplayList &displays, QObject *parent = nullptr);
    // A selection still running ends as dismissed.
    ~SelectionOverlay() override;

    bool select(const QList<DisplayInfo> &displays, Completion done) override;

    // Whether a selection is running.
    bool isActive() const { return static_cast<bool>(m_done); }

signals:
    // Every overlay window of the running selection has been painted on screen.
    void shown();

private:
    void windowPainted();
    void finishWithSelection(SelectionOverlayWindow *window, const QRect &rect);
    void finish(std::optional<RegionSelection> selection);
    void takeKeyboard();
    // Shows `window` over the monitor whose bounds are `bounds`.
    static void showOver(SelectionOverlayWindow *window, const QRect &bounds);

    struct Frozen {
        DisplayInfo display;
        QImage picture;
    };

    DisplayList &m_displays;
    Completion m_done;
    QList<QPointer<SelectionOverlayWindow>> m_windows;
    QHash<SelectionOverlayWindow *, Frozen> m_frozen;
    int m_painted = 0;
};

} // namespace quorvane
