#include "capture/continuity_delegate.h"

namespace quorvane {

ContinuityDelegateRef &ContinuityDelegateRef::operator=(ContinuityDelegate *delegate)
{
    m_delegate = delegate;
    // Every receiver of imported images is a QObject (the runtime, the application
    // delegate); the QObject side is what tells us it is gone.
    m_object = dynamic_cast<QObject *>(delegate);
    Q_ASSERT(!delegate || m_object);
    return *this;
}

ContinuityDelegate *ContinuityDelegateRef::get() const
{
    return m_object ? m_delegate : nullptr;
}

} // namespace quorvane
