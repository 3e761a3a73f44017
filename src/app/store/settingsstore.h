#pragma once

// Folder app/store: the settings held in memory and their store, and the
// history files with their text codec. It is the lowest folder of app/: it
// may use platform only, and every other folder of app/ may use it.

// The settings store: the group "Setup" of the organisation "LumoLex".
//
// Where it lives:
//  - Windows: the per-user registry key HKEY_CURRENT_USER\Software\LumoLex\Setup
//    (QSettings::NativeFormat), every value a REG_SZ string;
//  - elsewhere: an INI file in the user's configuration folder
//    ($XDG_CONFIG_HOME/LumoLex/LumoLex.ini, usually ~/.config/LumoLex/LumoLex.ini)
//    with the section [Setup].
// Tests pass an INI file path (or their own QSettings) instead.
//
// Every value is written as text: integers in decimal ("-1", "700"),
// booleans as "1" or "0", text unchanged. On reading, a missing value or one
// whose text is not a decimal integer gives the default, and a boolean is
// true when its integer is non-zero ("2" is true, "abc" is the default).
// readAll() brings every number into its setting's range (settings.h).

#include "app/store/settings.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>

class QSettings;

namespace lumolex {

class SettingsStore
{
    Q_DECLARE_TR_FUNCTIONS(lumolex::SettingsStore)

public:
    // The program's own store (registry on Windows, INI file elsewhere).
    SettingsStore();
    // An INI file at the given path, for tests and portable set-ups.
    explicit SettingsStore(const QString &iniFilePath);
    // Any QSettings; the store takes it over and uses its group "Setup".
    explicit SettingsStore(std::unique_ptr<QSettings> settings);
    ~SettingsStore();

    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // Where the values live: a file path, or the registry key on Windows.
    QString location() const;

    // Empty, or why the settings file is neither read nor written: in its
    // place stands something that is not a regular file (a FIFO would block
    // the program for ever). Every value then reads as its default.
    QString refusal() const { return m_refusal; }

    // Single values, with the reading rules above.
    bool readBool(const QString &name, bool defaultValue) const;
    int readInt(const QString &name, int defaultValue) const;
    QString readText(const QString &name, const QString &defaultValue) const;

    // The single-instance switch, read on its own at window creation.
    bool readNoDoubleProgramm() const;
    // Only the interface language, read before the window is made: its
    // translation must be installed before the first text is.
    int readLanguage() const;
    // Every setting (noDoubleProgramm included), each falling back to the
    // default of Settings.
    Settings readAll() const;

    // The values written at shutdown, in writing order:
    //  1. with SaveParam on, FormMainWidth ... ColorEvenLines (the window
    //     bounds, panels, fonts, cards and lists, then noDoubleProgramm);
    //  2. BookMark, whatever SaveParam says;
    //  3. SaveParam itself.
    // The caller fills FormMain*, Panel* and BookMark from the window's
    // current state before asking.
    static QList<QPair<QString, QString>> shutdownValues(const Settings &settings);

    // Writes shutdownValues() in order and flushes them to the store.
    // Returns an empty string on success, otherwise a message saying the
    // settings could not be saved and where. A settings file that was not
    // an INI file is first copied to LumoLex.ini.bak (once: an existing copy
    // is never overwritten); the message then says so.
    QString writeAtShutdown(const Settings &settings);

    // Removes what a write killed midway left beside an INI file
    // (removeLeftoverTemporaries); the registry has no such files.
    void removeLeftovers() const;

    // Text forms of the values as they are stored.
    static QString boolText(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }
    static QString intText(int value) { return QString::number(value); }
    // A stored text as an integer: an optional sign and decimal digits that
    // fit in 32 bits; anything else is not an integer.
    static bool parseInt(const QString &text, int *value);

private:
    QString rawValue(const QString &name, bool *present) const;
    QString checkWritable() const;
    QString keepUnreadableFile(QString *copyPath) const;
    bool storedAsWritten(const QList<QPair<QString, QString>> &values) const;

    void refuseNonRegularFile();

    std::unique_ptr<QSettings> m_settings;
    QString m_location;   // the file, also when QSettings was not given it
    QString m_refusal;
};

} // namespace lumolex
