// The sound channel proper, built as a module of its own: the program loads
// it, and with it the sound libraries, on a thread of its own at the first
// sound, so that they never hold up the start.
#include "shell/WavPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>

namespace {

class SoundEffectChannel : public WavPlayer::Channel
{
public:
    void play(const QUrl &source) override
    {
        // No audio device: silence.
        if (QMediaDevices::defaultAudioOutput().isNull())
            return;
        if (m_effect.source() != source)
            m_effect.setSource(source);
        m_effect.play();
    }
    void stop() override { m_effect.stop(); }
    bool isPlaying() const override { return m_effect.isPlaying(); }

private:
    QSoundEffect m_effect;
};

} // namespace

extern "C" Q_DECL_EXPORT WavPlayer::Channel *pulsarMakeSoundChannel()
{
    return new SoundEffectChannel;
}
