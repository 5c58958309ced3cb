#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <functional>
#include <memory>

class QSettings;
class QTemporaryDir;

// The per-user settings store. Every value is a text and every read names
// its default; sections and keys match without regard to letter case, so a
// key written as "preXTwo" is read back as "preXtwo". Every write is stored
// at once and checked: a value that could not be stored stays in use until
// the program ends, and the failure is kept for the user to be told.
class Settings
{
public:
    // The user's settings: $XDG_CONFIG_HOME/Kestrava/Pulsar.ini.
    Settings();
    // A settings file of its own (tests, tools).
    explicit Settings(const QString &iniFile);
    ~Settings();
    Settings(const Settings &) = delete;
    Settings &operator=(const Settings &) = delete;

    QString get(const QString &section, const QString &key, const QString &defaultValue) const;
    // False when the value could not be stored.
    bool set(const QString &section, const QString &key, const QString &value);
    bool contains(const QString &section, const QString &key) const;
    bool remove(const QString &section, const QString &key);

    // The settings file.
    QString fileName() const;
    // Writes pending changes to disk; false when they could not be stored.
    bool sync();

    // The sentence for the user when a write since the last call could not
    // be stored ("The settings could not be stored in <file>."), and empty
    // when every one was; the next failure starts afresh.
    QString takeFailure();
    // Called at the first failed write after takeFailure(), so that the
    // action that wrote shows one message however many values it wrote.
    void onFailure(std::function<void()> notify);

private:
    QString actualGroup(const QString &section) const;
    QString actualKey(const QString &group, const QString &key) const;
    // Whether QSettings opens the settings file and its lock file without
    // waiting on what stands there.
    bool opensAtOnce() const;
    // The store for the settings file, or a stand-in of the program's own
    // while it is one QSettings would wait on.
    std::unique_ptr<QSettings> open();
    // A value written or removed, its section and key matched without
    // regard to case.
    void put(const QString &section, const QString &key, const QString &value);
    void drop(const QString &section, const QString &key);
    // A store without the error of an earlier write.
    void freshStore();
    // Whether the last write was stored; keeps the failure when not.
    bool checked();

    QString m_file;
    std::unique_ptr<QTemporaryDir> m_standIn;
    QList<QPair<QString, QString>> m_dropped; // removed while in the stand-in
    std::unique_ptr<QSettings> m_store;
    bool m_failed = false;
    std::function<void()> m_notify;
};
