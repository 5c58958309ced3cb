#include "WavPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QThreadPool>

namespace {

// Stands for the real channel until its factory is found on a thread of its
// own; remembers the one sound asked for meanwhile.
class LoadingChannel : public WavPlayer::Channel
{
public:
    explicit LoadingChannel(WavPlayer::FactoryLoader loader)
        : m_loader(std::move(loader)), m_link(std::make_shared<Link>(Link{this}))
    {
    }
    ~LoadingChannel() override { m_link->owner = nullptr; }

    void play(const QUrl &source) override
    {
        if (m_real) {
            m_real->play(source);
            return;
        }
        m_waiting = source;
        startLoading();
    }
    void stop() override
    {
        m_waiting.clear();
        if (m_real)
            m_real->stop();
    }
    bool isPlaying() const override { return m_real ? m_real->isPlaying() : !m_waiting.isEmpty(); }

private:
    // What the loading thread reaches the channel through; `owner` is only
    // read and written on the main thread.
    struct Link
    {
        LoadingChannel *owner;
    };

    void startLoading()
    {
        if (m_loading || !m_loader)
            return;
        m_loading = true;
        QThreadPool::globalInstance()->start([link = m_link, loader = m_loader] {
            WavPlayer::Factory factory = loader();
            QCoreApplication *app = QCoreApplication::instance();
            if (!app || !factory)
                return;
            QMetaObject::invokeMethod(
                app,
                [link, factory] {
                    if (link->owner)
                        link->owner->loaded(factory);
                },
                Qt::QueuedConnection);
        });
    }

    void loaded(const WavPlayer::Factory &factory)
    {
        m_real = factory();
        if (m_real && !m_waiting.isEmpty())
            m_real->play(m_waiting);
        m_waiting.clear();
    }

    WavPlayer::FactoryLoader m_loader;
    std::shared_ptr<Link> m_link;
    std::unique_ptr<WavPlayer::Channel> m_real;
    QUrl m_waiting;
    bool m_loading = false;
};

// The sound effect must go before the application object does.
void releaseChannel()
{
    WavPlayer::instance().setChannel(nullptr);
}

const char *const kFactorySymbol = "pulsarMakeSoundChannel";

} // namespace

WavPlayer &WavPlayer::instance()
{
    static WavPlayer player;
    return player;
}

QUrl WavPlayer::sourceOf(const QString &fileName)
{
    if (fileName.startsWith(u':'))
        return QUrl(QStringLiteral("qrc") + fileName);
    return QUrl::fromLocalFile(fileName);
}

QString WavPlayer::modulePath()
{
    // Beside an installed program wherever it was installed, then the
    // build's own (a build run in place), then where the build installs it.
    // The program's own file is read from the system, not from the
    // application object: this runs on the loading thread.
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    QStringList candidates;
    if (!program.isEmpty())
        candidates << QFileInfo(program).absolutePath() + QStringLiteral("/../lib/kestrava-pulsar/libpulsar-sound.so");
    candidates << QString::fromUtf8(PULSAR_BUILD_SOUND_MODULE) << QString::fromUtf8(PULSAR_INSTALL_SOUND_MODULE);
    for (const QString &file : std::as_const(candidates)) {
        if (QFileInfo(file).isFile())
            return QDir::cleanPath(file);
    }
    return {};
}

WavPlayer::Factory WavPlayer::loadModule()
{
    const QString path = modulePath();
    if (path.isEmpty())
        return {};
    // The library stays loaded for the program's life: its channels are
    // still in use when this object goes.
    QLibrary library(path);
    if (!library.load())
        return {};
    using Make = Channel *(*)();
    const auto make = reinterpret_cast<Make>(library.resolve(kFactorySymbol));
    if (!make)
        return {};
    return [make] { return std::unique_ptr<Channel>(make()); };
}

WavPlayer::Channel &WavPlayer::channel()
{
    if (!m_channel) {
        m_channel = std::make_unique<LoadingChannel>(m_loader ? m_loader : FactoryLoader(&WavPlayer::loadModule));
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

void WavPlayer::setLoader(FactoryLoader loader)
{
    m_loader = std::move(loader);
}
