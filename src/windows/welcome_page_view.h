// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shortcut.h"
#include "windows/onboarding_symbols.h"

#include <QString>
#include <QWidget>

#include <optional>

class QLabel;

namespace quorvane {

// One line of the welcome page: a symbol, a bold title and a description beside it.
// Both texts arrive localised.
class FeatureRow : public QWidget {
    Q_OBJECT
public:
    explicit FeatureRow(Symbol symbol, QWidget *parent = nullptr);

    void setTexts(const QString &title, const QString &description);

private:
    QLabel *m_title = nullptr;
    QLabel *m_description = nullptr;
};

// The first onboarding page: the application's icon, a greeting, what the program does
// and three of its features, the first naming the quick capture shortcut (the default
// until `setCaptureShortcut` says otherwise), or the command to bind where the desktop
// offers programs no shortcuts. It has no controls.
class WelcomePageView : public QWidget {
    Q_OBJECT
public:
    explicit WelcomePageView(QWidget *parent = nullptr);

    // None: the desktop offers programs no global shortcuts.
    void setCaptureShortcut(const std::optional<Shortcut> &shortcut);
    // Where the desktop offers programs no global shortcuts: how to capture with a key
    // anyway, wherever the program would otherwise name its shortcut.
    static QString captureBindingHint();

private:
    // Sets every text in the interface language.
    void retranslate();

    std::optional<Shortcut> m_captureShortcut;
    QLabel *m_title = nullptr;
    QLabel *m_subtitle = nullptr;
    QLabel *m_description = nullptr;
    FeatureRow *m_quickCapture = nullptr;
    FeatureRow *m_languages = nullptr;
    FeatureRow *m_privacy = nullptr;
};

} // namespace quorvane
