// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/canberra_sound_player.h"

#include <canberra.h>

namespace quorvane {

CanberraSoundPlayer::CanberraSoundPlayer()
{
    if (ca_context_create(&m_context) != CA_SUCCESS) {
        m_context = nullptr;
        return;
    }
    ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Quorvane",
                            CA_PROP_APPLICATION_ID, "app.corvantis.quorvane", nullptr);
    // Opening picks a back end (PulseAudio, ALSA, ...); none means a silent machine.
    if (ca_context_open(m_context) != CA_SUCCESS) {
        ca_context_destroy(m_context);
        m_context = nullptr;
    }
}

CanberraSoundPlayer::~CanberraSoundPlayer()
{
    if (m_context)
        ca_context_destroy(m_context);
}

bool CanberraSoundPlayer::canPlay(const QString &eventID) const
{
    return m_context && !eventID.isEmpty();
}

void CanberraSoundPlayer::play(const QString &eventID)
{
    if (!canPlay(eventID))
        return;
    const QByteArray id = eventID.toUtf8();
    // Failures (name missing from the theme, server gone) leave silence, as intended.
    ca_context_play(m_context, 0, CA_PROP_EVENT_ID, id.constData(), nullptr);
}

std::unique_ptr<SoundPlayer> createSoundPlayer()
{
    return std::make_unique<CanberraSoundPlayer>();
}

} // namespace quorvane
