#include "Settings.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

// Whether QSettings can open the file at `path` without waiting: none
// there, a regular file or a folder (which it only fails to open). A FIFO
// or a device in its place would hold the program at its first read, or at
// the first write for its lock file, until another program wrote into it,
// or for good.
bool opensAtOnce(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return true;
    return S_ISREG(st.st_mode) || S_ISDIR(st.st_mode);
}

// A value as a text: a list, as QSettings reads a value with commas that
// another program wrote without quotes, joined again.
QString textOf(const QVariant &v)
{
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

} // namespace

// The user's file by its name alone: QSettings would read other files with
// it (the maker's, the system's), which this program never writes.
Settings::Settings()
    : Settings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
               + QStringLiteral("/Kestrava/Pulsar.ini"))
{
}

Settings::Settings(const QString &iniFile)
    : m_file(iniFile)
{
    m_store = open();
}

bool Settings::opensAtOnce() const
{
    return ::opensAtOnce(m_file) && ::opensAtOnce(m_file + QStringLiteral(".lock"));
}

std::unique_ptr<QSettings> Settings::open()
{
    if (opensAtOnce())
        return std::make_unique<QSettings>(m_file, QSettings::IniFormat);
    // Values written meanwhile are kept in a file of the program's own,
    // and every write is told as not stored: in the temporary folder, or
    // beside the settings file; failing both, in memory, with only a lock
    // file made in the working folder at each write.
    if (!m_standIn) {
        m_standIn = std::make_unique<QTemporaryDir>();
        if (!m_standIn->isValid())
            m_standIn = std::make_unique<QTemporaryDir>(QFileInfo(m_file).absolutePath()
                                                        + QStringLiteral("/.Pulsar-XXXXXX"));
    }
    return std::make_unique<QSettings>(
        m_standIn->isValid() ? m_standIn->filePath(QStringLiteral("Pulsar.ini")) : QString(), QSettings::IniFormat);
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
    return textOf(m_store->value(group + u'/' + k));
}

bool Settings::contains(const QString &section, const QString &key) const
{
    const QString group = actualGroup(section);
    return !group.isEmpty() && !actualKey(group, key).isEmpty();
}

void Settings::put(const QString &section, const QString &key, const QString &value)
{
    QString group = actualGroup(section);
    if (group.isEmpty())
        group = section;
    const QString old = actualKey(group, key);
    if (!old.isEmpty() && old != key)
        m_store->remove(group + u'/' + old);
    m_store->setValue(group + u'/' + key, value);
}

void Settings::drop(const QString &section, const QString &key)
{
    const QString group = actualGroup(section);
    if (group.isEmpty())
        return;
    const QString k = actualKey(group, key);
    if (!k.isEmpty())
        m_store->remove(group + u'/' + k);
}

bool Settings::set(const QString &section, const QString &key, const QString &value)
{
    freshStore();
    put(section, key, value);
    m_store->sync();
    return checked();
}

bool Settings::remove(const QString &section, const QString &key)
{
    freshStore();
    drop(section, key);
    if (m_standIn)
        m_dropped.append({section, key});
    m_store->sync();
    return checked();
}

QString Settings::fileName() const
{
    return m_file;
}

void Settings::freshStore()
{
    const bool opens = opensAtOnce();
    if (!m_standIn && !opens) {
        // Something in the file's place since the last write: the values
        // in use go on in a stand-in, before the store reads that thing.
        std::unique_ptr<QSettings> standIn = open();
        const QStringList keys = m_store->allKeys();
        for (const QString &path : keys)
            standIn->setValue(path, m_store->value(path));
        m_store = std::move(standIn);
        return;
    }
    if (m_standIn) {
        if (!opens)
            return;
        // The settings file can be opened again: the values in use go into
        // it with this write, matched as every write matches them, and
        // those removed meanwhile go from it.
        std::unique_ptr<QSettings> standIn =
            std::exchange(m_store, std::make_unique<QSettings>(m_file, QSettings::IniFormat));
        for (const auto &[section, key] : std::as_const(m_dropped))
            drop(section, key);
        m_dropped.clear();
        const QStringList keys = standIn->allKeys();
        for (const QString &path : keys) {
            const qsizetype slash = path.indexOf(u'/');
            if (slash > 0)
                put(path.left(slash), path.mid(slash + 1), textOf(standIn->value(path)));
        }
        standIn.reset();
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
