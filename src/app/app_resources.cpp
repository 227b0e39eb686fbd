// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_resources.h"

#include <QtGlobal>

// Resources compiled into a static library must be registered by name, outside any namespace.
static void initAppResources()
{
    Q_INIT_RESOURCE(app_resources);
}

namespace quorvane {

void registerAppResources()
{
    static const bool done = (initAppResources(), true);
    (void)done;
}

} // namespace quorvane
