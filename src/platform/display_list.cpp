#include "platform/display_list.h"

namespace quorvane {

std::optional<DisplayInfo> DisplayList::display(quint32 displayId) const
{
    for (const DisplayInfo &info : activeDisplays()) {
        if (info.id == displayId)
            return info;
    }
    return std::nullopt;
}

} // namespace quorvane
