#pragma once

#include <QString>
#include <memory>

class QSettings;

// The per-user settings store. Every value is a text and every read names
// its default; sections and keys match without regard to letter case, so a
// key written as "preXTwo" is read back as "preXtwo".
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
    void set(const QString &section, const QString &key, const QString &value);
    bool contains(const QString &section, const QString &key) const;
    void remove(const QString &section, const QString &key);

    // Where the values are kept.
    QString fileName() const;
    // Writes pending changes to disk.
    void sync();

private:
    QString actualGroup(const QString &section) const;
    QString actualKey(const QString &group, const QString &key) const;

    std::unique_ptr<QSettings> m_store;
};
