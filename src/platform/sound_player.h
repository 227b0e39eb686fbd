// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

namespace quorvane {

// Plays the desktop's short event sounds, named as the freedesktop sound theme names
// them ("complete", "dialog-error").
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Whether event sounds can be played here at all; when false, `play` is silent.
    virtual bool canPlay(const QString &eventID) const = 0;
    // Starts the sound and returns at once; silent when it cannot be played.
    virtual void play(const QString &eventID) = 0;
};

// The player of the running desktop's sound theme.
std::unique_ptr<SoundPlayer> createSoundPlayer();

} // namespace quorvane
