// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace quorvane {

class ToggleSwitch;

// One setting as a switch: the title over a smaller description in the secondary colour,
// the switch at the trailing edge. A click anywhere on the row flips the switch.
class SwitchRow : public QWidget {
    Q_OBJECT
public:
    SwitchRow(const QString &title, const QString &description, QWidget *parent = nullptr);

    bool isChecked() const;
    // Shows `checked` without reporting it as the user's change.
    void setChecked(bool checked);
    ToggleSwitch *toggle() const { return m_toggle; }
    QString title() const;
    QString description() const;
    // Shows other texts (the interface language changed).
    void setTexts(const QString &title, const QString &description);

signals:
    // The user flipped the switch; `checked` is what it shows now.
    void toggledByUser(bool checked);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *m_title;
    QLabel *m_description;
    ToggleSwitch *m_toggle;
};

} // namespace quorvane
