// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/ocr_language.h"

#include <QPoint>
#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QMimeData;

namespace quorvane {

// One language of the languages list: a checkbox, the English name over the native name,
// and for a chosen language its priority badge ("#1" is the highest) and a drag handle.
// Every row can be dragged (carrying its identifier as text) and accepts such drags.
class LanguageRow : public QWidget {
    Q_OBJECT
public:
    explicit LanguageRow(OCRLanguage language, QWidget *parent = nullptr);

    const OCRLanguage &language() const { return m_language; }
    // Shows the row as chosen at `priority` (counted from 1), or as not chosen.
    void setPriority(std::optional<int> priority);
    std::optional<int> priority() const { return m_priority; }

    QCheckBox *checkBox() const { return m_checkBox; }
    QLabel *badge() const { return m_badge; }
    bool showsNativeName() const;

    // Run when a drag enters the row; then the drop is accepted.
    std::function<void(const QMimeData &)> onDragEntered;

    // "#<priority>", as the badge reads.
    static QString badgeText(int priority);

signals:
    // The user ticked (true) or unticked the checkbox.
    void chosenToggled(bool chosen);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    OCRLanguage m_language;
    std::optional<int> m_priority;
    QCheckBox *m_checkBox;
    QLabel *m_nativeName = nullptr;
    QLabel *m_badge;
    QLabel *m_handle;
    std::optional<QPoint> m_pressPosition;
};

} // namespace quorvane
