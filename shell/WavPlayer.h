#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

// The program's one sound channel: wave files play on it without anyone
// waiting for them, and a new sound cuts off the one still playing. A
// missing file plays nothing; without an audio device nothing is heard.
//
// The real channel lives in the sound module, which is loaded on a thread of
// its own at the first sound: a sound asked for while it loads plays as soon
// as it is ready, unless another sound or a stop came in between.
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

    // Makes a channel on the program's main thread.
    using Factory = std::function<std::unique_ptr<Channel>()>;
    // Finds the factory; run on a thread of its own. An empty factory: no sound.
    using FactoryLoader = std::function<Factory()>;

    static WavPlayer &instance();

    // Starts `fileName` (a path or a ":/" resource); false when it does not exist.
    bool play(const QString &fileName);
    void stop();
    // The file last started.
    QString current() const { return m_current; }

    // Replaces the channel (tests); null restores the real one.
    void setChannel(std::unique_ptr<Channel> channel);
    // Replaces how the real channel is found (tests); null restores the
    // sound module. Takes effect at the next channel made.
    void setLoader(FactoryLoader loader);

    // The URL QSoundEffect reads `fileName` from.
    static QUrl sourceOf(const QString &fileName);
    // The sound module's file, empty when it is not there.
    static QString modulePath();
    // Loads the sound module and finds its factory (empty when it cannot).
    static Factory loadModule();

private:
    WavPlayer() = default;
    Channel &channel();

    std::unique_ptr<Channel> m_channel;
    FactoryLoader m_loader;
    QString m_current;
};
