// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace quorvane {

// A failure the user must know about, in red on a pale red plate with a warning sign.
// Hidden until a message is shown.
class ErrorBanner : public QWidget {
    Q_OBJECT
public:
    explicit ErrorBanner(QWidget *parent = nullptr);

    QString message() const;
    // Shows the banner with `message`.
    void showMessage(const QString &message);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_label;
};

} // namespace quorvane
