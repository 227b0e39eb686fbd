// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>

#include <functional>
#include <optional>

namespace quorvane {

class ModernMenuBarButton;

// The content of the menu-bar panel: four large rows (capture, history, preferences and,
// below a divider, quit) on a rounded, translucent card with a soft shadow. The capture
// row is drawn as the focused one from the moment the view is shown.
class MenuBarPanelView : public QWidget {
    Q_OBJECT
public:
    static constexpr int fixedWidth = 260;
    static constexpr int cornerRadius = 12;
    static constexpr int shadowRadius = 20;
    static constexpr int shadowOffsetY = 8;
    static constexpr int itemCount = 4;

    // What the four rows do.
    struct Actions {
        std::function<void()> onCaptureText;
        std::function<void()> onOpenHistory;
        std::function<void()> onOpenPreferences;
        std::function<void()> onQuit;
    };

    explicit MenuBarPanelView(Actions actions, QWidget *parent = nullptr);
    ~MenuBarPanelView() override;

    // The index (0 to 3) of the row drawn as focused; none until the view is first shown.
    std::optional<int> focusedIndex() const { return m_focusedIndex; }
    // The rows, top to bottom.
    const QList<ModernMenuBarButton *> &rows() const { return m_rows; }

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The rows' titles in the interface language.
    void retranslate();
    void setFocusedIndex(std::optional<int> index);

    std::optional<int> m_focusedIndex;
    QList<ModernMenuBarButton *> m_rows;
};

} // namespace quorvane
