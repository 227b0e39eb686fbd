// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/pasteboard.h"

#include <QProcessEnvironment>

#include <chrono>

namespace quorvane {

// The Wayland clipboard, set as wl-copy sets it: through the compositor's data-control
// protocol, which asks for no keyboard focus and no recent input, where a selection a
// window sets by itself is refused unless the user just typed or clicked in it. wl-copy
// then serves the text from a process of its own, so it stays on the clipboard after this
// program quits. The text counts as written only once wl-paste reads it back.
class WaylandPasteboard : public Pasteboard {
public:
    // `copyProgram` and `pasteProgram` are wl-copy and wl-paste (or tools that behave the
    // same); `readBackBound` is how long the selection may take to arrive.
    WaylandPasteboard(QString copyProgram, QString pasteProgram,
                      QProcessEnvironment environment = QProcessEnvironment::systemEnvironment(),
                      std::chrono::milliseconds readBackBound = std::chrono::milliseconds(2000));

    // Offers the text one representation carries (plain text where there is one): the
    // selection of another process offers a single type of content. Nothing when the
    // compositor did not take it.
    QStringList write(const QList<Representation> &representations) override;

    // wl-copy's and wl-paste's paths, when both are installed.
    static std::optional<std::pair<QString, QString>> findTools();

private:
    bool copy(const Representation &representation) const;
    std::optional<QByteArray> paste(const QString &mimeType) const;

    QString m_copyProgram;
    QString m_pasteProgram;
    QProcessEnvironment m_environment;
    std::chrono::milliseconds m_readBackBound;
};

} // namespace quorvane
