#include "WavPlayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QAudioDevice>

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

WavPlayer &WavPlayer::instance()
{
    static WavPlayer player;
    return player;
}

namespace {
// The sound effect must go before the application object does.
void releaseChannel()
{
    WavPlayer::instance().setChannel(nullptr);
}
}

QUrl WavPlayer::sourceOf(const QString &fileName)
{
    if (fileName.startsWith(u':'))
        return QUrl(QStringLiteral("qrc") + fileName);
    return QUrl::fromLocalFile(fileName);
}

WavPlayer::Channel &WavPlayer::channel()
{
    if (!m_channel) {
        m_channel = std::make_unique<SoundEffectChannel>();
        static bool routineAdded = false;
        if (!routineAdded) {
            qAddPostRoutine(releaseChannel);
            routineAdded = true;
        }
    }
    return *m_channel;
}

bool WavPlayer::play(const QString &fileName)
{
    if (fileName.isEmpty() || !QFile::exists(fileName))
        return false;
    Channel &c = channel();
    if (c.isPlaying())
        c.stop();
    m_current = fileName;
    c.play(sourceOf(fileName));
    return true;
}

void WavPlayer::stop()
{
    if (m_channel)
        m_channel->stop();
}

void WavPlayer::setChannel(std::unique_ptr<Channel> channel)
{
    m_channel = std::move(channel);
}
