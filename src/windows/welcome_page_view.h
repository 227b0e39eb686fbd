#pragma once

#include <QString>
#include <QWidget>

namespace quorvane {

// One line of the welcome page: an emoji, a bold title and a description beside it.
// Both texts arrive localised.
class FeatureRow : public QWidget {
    Q_OBJECT
public:
    FeatureRow(const QString &icon, const QString &title, const QString &description, QWidget *parent = nullptr);
};

// The first onboarding page: the application's icon, a greeting, what the program does
// and three of its features. It holds no state and has no controls.
class WelcomePageView : public QWidget {
    Q_OBJECT
public:
    explicit WelcomePageView(QWidget *parent = nullptr);
};

} // namespace quorvane
