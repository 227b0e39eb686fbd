// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QVBoxLayout;

namespace quorvane {

// One group of a preference pane: a rounded panel, set off from the window's background,
// whose rows are stacked in `content()`.
class FormSection : public QFrame {
    Q_OBJECT
public:
    // `spacing` is the space between items; the content is padded 8 points above and below.
    explicit FormSection(int spacing, QWidget *parent = nullptr);

    QVBoxLayout *content() const { return m_content; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVBoxLayout *m_content;
};

} // namespace quorvane
