// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace quorvane::test {

// The environment of the real program started under `home`: its own runtime,
// configuration, data, state and cache folders, on the X display.
inline QProcessEnvironment programEnvironment(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", home + "/runtime");
    env.insert("XDG_CONFIG_HOME", home + "/config");
    env.insert("XDG_DATA_HOME", home + "/data");
    env.insert("XDG_STATE_HOME", home + "/state");
    env.insert("XDG_CACHE_HOME", home + "/cache");
    env.insert("QT_QPA_PLATFORM", "xcb");
    return env;
}

} // namespace quorvane::test
