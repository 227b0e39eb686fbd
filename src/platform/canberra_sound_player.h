// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/sound_player.h"

struct ca_context;

namespace quorvane {

// Event sounds through libcanberra, which looks the name up in the user's sound theme
// and plays it on the desktop's sound server.
class CanberraSoundPlayer : public SoundPlayer {
public:
    CanberraSoundPlayer();
    ~CanberraSoundPlayer() override;
    CanberraSoundPlayer(const CanberraSoundPlayer &) = delete;
    CanberraSoundPlayer &operator=(const CanberraSoundPlayer &) = delete;

    bool canPlay(const QString &eventID) const override;
    void play(const QString &eventID) override;

private:
    ca_context *m_context = nullptr;  // null when no sound back end could be opened
};

} // namespace quorvane
