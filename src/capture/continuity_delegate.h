#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>

namespace quorvane {

// Receives an image brought in from outside the screen (a photo handed over by another
// device, an image file, an image on the clipboard).
class ContinuityDelegate {
public:
    virtual ~ContinuityDelegate() = default;
    // Called on the main thread with the imported image.
    virtual void didReceiveImage(const QImage &image) = 0;
};

// A weak reference to a delegate: it reads as null once the delegate, which must be a
// QObject, has been destroyed, so a requestor never calls into a dead receiver.
class ContinuityDelegateRef {
public:
    ContinuityDelegateRef &operator=(ContinuityDelegate *delegate);
    ContinuityDelegate *get() const;

private:
    ContinuityDelegate *m_delegate = nullptr;
    QPointer<QObject> m_object;
};

} // namespace quorvane
