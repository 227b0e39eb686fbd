// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/save_panel.h"

namespace quorvane {

// A save panel made of Qt's file dialog with the request's message above it. It starts
// in the user's documents folder, lets the user make folders, adds the proposed name's
// extension to a bare name, and asks before replacing an existing file.
class FileDialogSavePanel : public SavePanel {
public:
    std::optional<QString> run(const SavePanelRequest &request) override;
};

} // namespace quorvane
