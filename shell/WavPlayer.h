#pragma once

#include <QString>
#include <QUrl>
#include <memory>

// The program's one sound channel: wave files play on it without anyone
// waiting for them, and a new sound cuts off the one still playing. A
// missing file plays nothing; without an audio device nothing is heard.
class WavPlayer
{
public:
    // Where the sounds go; the real one is a QSoundEffect.
    class Channel
    {
    public:
        virtual ~Channel() = default;
        virtual void play(const QUrl &source) = 0;
        virtual void stop() = 0;
        virtual bool isPlaying() const = 0;
    };

    static WavPlayer &instance();

    // Starts `fileName` (a path or a ":/" resource); false when it does not exist.
    bool play(const QString &fileName);
    void stop();
    // The file last started.
    QString current() const { return m_current; }

    // Replaces the channel (tests); null restores the real one.
    void setChannel(std::unique_ptr<Channel> channel);

    // The URL QSoundEffect reads `fileName` from.
    static QUrl sourceOf(const QString &fileName);

private:
    WavPlayer() = default;
    Channel &channel();

    std::unique_ptr<Channel> m_channel;
    QString m_current;
};
