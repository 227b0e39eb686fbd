// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/onboarding_symbols.h"

#include <QAbstractButton>

namespace quorvane {

// A flat button of the feedback window on a faint accent-coloured rounded plate with an
// accent outline. With a text it is a contact row (the text in the accent colour, an
// "opens elsewhere" arrow at the trailing end); without one it shows only `symbol`.
class FeedbackContactButton : public QAbstractButton {
    Q_OBJECT
public:
    FeedbackContactButton(const QString &text, Symbol symbol, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool isRow() const { return !text().isEmpty(); }

    Symbol m_symbol;
};

} // namespace quorvane
