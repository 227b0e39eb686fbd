// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/canberra_sound_player.h"

#include "build_config.h"

#if QUORVANE_HAVE_CANBERRA
#include <canberra.h>
#endif

namespace quorvane {

#if QUORVANE_HAVE_CANBERRA

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

#else

namespace {

// A build without libcanberra plays no sound; the switch for sounds still shows, and the
// README says why it stays silent.
class SilentSoundPlayer : public SoundPlayer {
public:
    bool canPlay(const QString &) const override { return false; }
    void play(const QString &) override {}
};

} // namespace

std::unique_ptr<SoundPlayer> createSoundPlayer()
{
    return std::make_unique<SilentSoundPlayer>();
}

#endif

} // namespace quorvane
