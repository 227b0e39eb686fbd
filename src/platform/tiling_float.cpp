// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tiling_float.h"

#include "platform/session_type.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace quorvane {

namespace {

// Gives the window its own size limits back once its first frame is on its way.
class SizeRelease : public QObject {
public:
    SizeRelease(QWidget &window, QSize minimum, QSize maximum)
        : QObject(&window), m_window(&window), m_minimum(minimum), m_maximum(maximum)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            // Queued: the frame painted now is handed to the compositor first.
            QMetaObject::invokeMethod(this, [this] {
                if (m_window) {
                    m_window->setMinimumSize(m_minimum);
                    m_window->setMaximumSize(m_maximum);
                }
                deleteLater();
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    QSize m_minimum;
    QSize m_maximum;
};

} // namespace

void floatWhenShown(QWidget &window)
{
    if (currentSessionType() != SessionType::wayland || window.isVisible())
        return;
    const QSize size = window.testAttribute(Qt::WA_Resized)
        ? window.size()
        : window.sizeHint().expandedTo(window.minimumSize()).boundedTo(window.maximumSize());
    new SizeRelease(window, window.minimumSize(), window.maximumSize());
    window.resize(size);
    window.setFixedSize(size);
}

} // namespace quorvane
