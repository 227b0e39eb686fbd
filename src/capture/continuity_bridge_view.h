#pragma once

#include "capture/continuity_delegate.h"

#include <QMimeData>
#include <QStringList>
#include <QWidget>

#include <optional>

namespace quorvane {

// The view that asks for images on the application's behalf: it answers a request for an
// image return type and passes an offered image on to its delegate.
class ContinuityBridgeView : public QWidget {
    Q_OBJECT
public:
    explicit ContinuityBridgeView(QWidget *parent = nullptr);

    // Weak: none when made; cleared automatically when the delegate is destroyed.
    ContinuityDelegate *delegate() const { return m_delegate.get(); }
    void setDelegate(ContinuityDelegate *delegate) { m_delegate = delegate; }

    // The view itself when nothing is sent and an image type is asked for; otherwise none.
    virtual QObject *validRequestor(const std::optional<QString> &sendType,
                                    const std::optional<QString> &returnType);
    // Takes the offered image (as a whole, or else the first image type whose data
    // decodes) to the delegate. False when the pasteboard holds no readable image.
    virtual bool readSelection(const QMimeData &pasteboard);
    // The view never hands data to anyone.
    bool writeSelection(QMimeData &pasteboard, const QStringList &types);

private:
    void deliver(const QImage &image);

    ContinuityDelegateRef m_delegate;
};

} // namespace quorvane
