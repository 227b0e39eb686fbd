// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

namespace quorvane {

// What a save panel asks for.
struct SavePanelRequest {
    QString title;           // the panel's window title
    QString message;         // one line above the file browser
    QString defaultFileName; // proposed name, extension included
    QString mimeType;        // the one kind of file the panel offers to save
    // The window the panel belongs to: it opens above it as its dialog, which tiling
    // compositors float. None: it stands alone.
    QPointer<QWidget> window;
};

// Asks the user where to save a file. Behind an interface so code under test never
// blocks on a real dialog.
class SavePanel {
public:
    virtual ~SavePanel() = default;
    // Shows the panel modally; the chosen file's path, or none when the user cancelled.
    virtual std::optional<QString> run(const SavePanelRequest &request) = 0;
};

} // namespace quorvane
