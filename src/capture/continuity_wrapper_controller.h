#pragma once

#include "capture/continuity_delegate.h"

#include <QMimeData>

#include <optional>

namespace quorvane {

// The requestor of the import menu: reads the image the chosen import source offers and
// passes it to its delegate (the continuity runtime).
class ContinuityWrapperController : public QObject {
    Q_OBJECT
public:
    explicit ContinuityWrapperController(QObject *parent = nullptr);

    // Weak: none when made.
    ContinuityDelegate *delegate() const { return m_delegate.get(); }
    void setDelegate(ContinuityDelegate *delegate) { m_delegate = delegate; }

    // The controller itself for any image return type, whatever is sent; otherwise none.
    QObject *validRequestor(const std::optional<QString> &sendType, const std::optional<QString> &returnType);
    // Prefers PNG, then JPEG, then PDF data, then the image as a whole. True once an image
    // was read, even when the delegate is gone; false when there is none.
    bool readSelection(const QMimeData &pasteboard);

private:
    ContinuityDelegateRef m_delegate;
};

} // namespace quorvane
