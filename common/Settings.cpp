#include "Settings.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

// Whether QSettings can read the file at `path` without waiting: none
// there, a regular file or a folder (which it only fails to read). A FIFO
// or a device in its place would hold the program at its first read until
// another program wrote into it, or for good.
bool readsAtOnce(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return true;
    return S_ISREG(st.st_mode) || S_ISDIR(st.st_mode);
}

} // namespace

Settings::Settings()
    : m_open([] {
          return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kestrava"),
                                             QStringLiteral("Pulsar"));
      })
{
    // The user's file and the maker's, which QSettings reads as well.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    m_read = {config + QStringLiteral("/Kestrava/Pulsar.ini"), config + QStringLiteral("/Kestrava.ini")};
    m_store = open();
}

Settings::Settings(const QString &iniFile)
    : m_open([iniFile] { return std::make_unique<QSettings>(iniFile, QSettings::IniFormat); }), m_read{iniFile}
{
    m_store = open();
}

std::unique_ptr<QSettings> Settings::open()
{
    for (const QString &path : std::as_const(m_read)) {
        if (!readsAtOnce(path)) {
            // Values written meanwhile are kept in a file of the program's
            // own, and every write is told as not stored.
            if (!m_standIn)
                m_standIn = std::make_unique<QTemporaryDir>();
            // Without a folder of their own, they are kept in memory alone.
            return std::make_unique<QSettings>(
                m_standIn->isValid() ? m_standIn->filePath(QStringLiteral("Pulsar.ini")) : QString(),
                QSettings::IniFormat);
        }
    }
    return m_open();
}

Settings::~Settings() = default;

QString Settings::actualGroup(const QString &section) const
{
    const QStringList groups = m_store->childGroups();
    for (const QString &g : groups) {
        if (g.compare(section, Qt::CaseInsensitive) == 0)
            return g;
    }
    return QString();
}

QString Settings::actualKey(const QString &group, const QString &key) const
{
    m_store->beginGroup(group);
    const QStringList keys = m_store->childKeys();
    m_store->endGroup();
    for (const QString &k : keys) {
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return k;
    }
    return QString();
}

QString Settings::get(const QString &section, const QString &key, const QString &defaultValue) const
{
    const QString group = actualGroup(section);
    if (group.isEmpty())
        return defaultValue;
    const QString k = actualKey(group, key);
    if (k.isEmpty())
        return defaultValue;
    const QVariant v = m_store->value(group + u'/' + k);
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

bool Settings::contains(const QString &section, const QString &key) const
{
    const QString group = actualGroup(section);
    return !group.isEmpty() && !actualKey(group, key).isEmpty();
}

bool Settings::set(const QString &section, const QString &key, const QString &value)
{
    freshStore();
    QString group = actualGroup(section);
    if (group.isEmpty())
        group = section;
    const QString old = actualKey(group, key);
    if (!old.isEmpty() && old != key)
        m_store->remove(group + u'/' + old);
    m_store->setValue(group + u'/' + key, value);
    m_store->sync();
    return checked();
}

bool Settings::remove(const QString &section, const QString &key)
{
    freshStore();
    const QString group = actualGroup(section);
    if (group.isEmpty())
        return true;
    const QString k = actualKey(group, key);
    if (!k.isEmpty())
        m_store->remove(group + u'/' + k);
    m_store->sync();
    return checked();
}

QString Settings::fileName() const
{
    return m_standIn ? m_read.first() : m_store->fileName();
}

void Settings::freshStore()
{
    if (m_standIn) {
        // Once the settings file can be read again, the values in use go
        // into it with this write.
        std::unique_ptr<QSettings> store = open();
        if (store->fileName() == m_store->fileName())
            return;
        const QStringList keys = m_store->allKeys();
        for (const QString &key : keys)
            store->setValue(key, m_store->value(key));
        m_store = std::move(store);
        m_standIn.reset();
        return;
    }
    // A store keeps its error for good: a fresh one tells whether the next
    // write is stored. The values not stored stay in use, held by Qt for
    // the file, and are written with the next write that succeeds.
    if (m_store->status() != QSettings::NoError)
        m_store = open();
}

bool Settings::sync()
{
    freshStore();
    m_store->sync();
    return checked();
}

bool Settings::checked()
{
    if (m_store->status() == QSettings::NoError && !m_standIn)
        return true;
    if (!m_failed) {
        m_failed = true;
        if (m_notify)
            m_notify();
    }
    return false;
}

QString Settings::takeFailure()
{
    if (!m_failed)
        return QString();
    m_failed = false;
    return QStringLiteral("The settings could not be stored in %1.").arg(fileName());
}

void Settings::onFailure(std::function<void()> notify)
{
    m_notify = std::move(notify);
}
