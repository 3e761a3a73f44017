#include "app/store/settingsstore.h"

#include "data/files/interfacelanguage.h"
#include "platform/leftoverfiles.h"
#include "platform/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace lumolex {

namespace {

const QString kGroup = QStringLiteral("Setup");

// QSettings reads its file as it is made: a FIFO or a device at the path
// would block the program or never end, so such a file is never given to it
// (the store then refuses it, see refuseNonRegularFile).
std::unique_ptr<QSettings> iniSettings(const QString &path)
{
    const QFileInfo file(path);
    return std::make_unique<QSettings>(file.exists() && !file.isFile() ? QString() : path, QSettings::IniFormat);
}

std::unique_ptr<QSettings> openProgramStore()
{
#ifdef Q_OS_WIN
    // HKEY_CURRENT_USER\Software\LumoLex with the group "Setup" below it.
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\LumoLex"),
                                       QSettings::NativeFormat);
#else
    // ~/.config/LumoLex/LumoLex.ini, where QSettings keeps a user's file.
    return iniSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                       + QStringLiteral("/LumoLex/LumoLex.ini"));
#endif
}

} // namespace

SettingsStore::SettingsStore()
    : m_settings(openProgramStore())
    , m_location(m_settings->fileName())
{
    refuseNonRegularFile();
}

SettingsStore::SettingsStore(const QString &iniFilePath)
    : m_settings(iniSettings(iniFilePath))
    , m_location(iniFilePath)
{
    refuseNonRegularFile();
}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings))
    , m_location(m_settings->fileName())
{
    refuseNonRegularFile();
}

void SettingsStore::refuseNonRegularFile()
{
    // QSettings reads its file at the first value asked for and again when it
    // writes; nothing has been read yet.
    if (m_settings->format() != QSettings::IniFormat)
        return;
    const QFileInfo file(location());
    if (file.exists() && !file.isFile())
        m_refusal = tr("Файл настроек «%1» не прочитан: это не обычный файл. Настройки взяты по "
                       "умолчанию и при выходе не будут сохранены.")
                .arg(QDir::toNativeSeparators(location()));
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::location() const
{
    return m_location;
}

bool SettingsStore::parseInt(const QString &text, int *value)
{
    // An optional sign and decimal digits only: no blanks, no hex, no
    // thousands separators.
    if (text.isEmpty())
        return false;
    int start = (text.at(0) == QLatin1Char('-') || text.at(0) == QLatin1Char('+')) ? 1 : 0;
    if (start == text.size())
        return false;
    for (int i = start; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    const int parsed = text.toInt(&ok, 10);
    if (ok && value)
        *value = parsed;
    return ok;
}

QString SettingsStore::rawValue(const QString &name, bool *present) const
{
    if (!m_refusal.isEmpty()) {
        *present = false;
        return QString();
    }
    const QVariant value = m_settings->value(kGroup + QLatin1Char('/') + name);
    *present = value.isValid();
    // A hand-edited INI line with a comma reads as a list: take it whole.
    if (value.metaType() == QMetaType::fromType<QStringList>())
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

bool SettingsStore::readBool(const QString &name, bool defaultValue) const
{
    return readInt(name, defaultValue ? 1 : 0) != 0;
}

int SettingsStore::readInt(const QString &name, int defaultValue) const
{
    bool present = false;
    const QString text = rawValue(name, &present);
    int value = 0;
    if (present && parseInt(text, &value))
        return value;
    return defaultValue;
}

QString SettingsStore::readText(const QString &name, const QString &defaultValue) const
{
    bool present = false;
    const QString text = rawValue(name, &present);
    return present ? text : defaultValue;
}

bool SettingsStore::readNoDoubleProgramm() const
{
    return readBool(QStringLiteral("noDoubleProgramm"), Settings().noDoubleProgramm);
}

int SettingsStore::readLanguage() const
{
    return int(languageChoiceFromSetting(readInt(QStringLiteral("Language"), Settings().Language)));
}

Settings SettingsStore::readAll() const
{
    const Settings d;
    Settings s;
#define LUMOLEX_READ_BOOL(name) s.name = readBool(QStringLiteral(#name), d.name)
#define LUMOLEX_READ_INT(name, range) s.name = range.clamp(readInt(QStringLiteral(#name), d.name))
    LUMOLEX_READ_BOOL(noDoubleProgramm);
    LUMOLEX_READ_INT(FormMainWidth, kWindowSizeRange);
    LUMOLEX_READ_INT(FormMainHeight, kWindowSizeRange);
    LUMOLEX_READ_INT(FormMainLeft, kWindowEdgeRange);
    LUMOLEX_READ_INT(FormMainTop, kWindowEdgeRange);
    LUMOLEX_READ_INT(PanelWordWidth, kPanelWidthRange);
    LUMOLEX_READ_INT(PanelFindWidth, kPanelWidthRange);
    s.FontNameLumo = readText(QStringLiteral("FontNameLumo"), d.FontNameLumo);
    LUMOLEX_READ_INT(FontSizeList, kFontSizeRange);
    LUMOLEX_READ_INT(FontSizeCard, kFontSizeRange);
    LUMOLEX_READ_INT(FontSizeText, kFontSizeRange);
    LUMOLEX_READ_INT(CardHeight, kCardSizeRange);
    LUMOLEX_READ_INT(CardWidth, kCardSizeRange);
    LUMOLEX_READ_BOOL(OpenCardWin);
    LUMOLEX_READ_BOOL(CloseCardsAtSwith);
    LUMOLEX_READ_INT(Transparency, kTransparencyRange);
    LUMOLEX_READ_BOOL(TranspCard);
    LUMOLEX_READ_BOOL(DockWindow);
    LUMOLEX_READ_BOOL(HintWord);
    LUMOLEX_READ_BOOL(PanelToolBar);
    LUMOLEX_READ_BOOL(PanelStatus);
    LUMOLEX_READ_BOOL(PanelPhrase);
    LUMOLEX_READ_BOOL(PanelCaption);
    LUMOLEX_READ_INT(BookMark, kBookMarkRange);
    LUMOLEX_READ_BOOL(SaveParam);
    LUMOLEX_READ_BOOL(IconTray);
    LUMOLEX_READ_BOOL(EvenLines);
    LUMOLEX_READ_INT(ColorEvenLines, kColourRange);
    LUMOLEX_READ_BOOL(ExactLetters);
    LUMOLEX_READ_BOOL(PanelLetters);
    s.Language = readLanguage();
#undef LUMOLEX_READ_BOOL
#undef LUMOLEX_READ_INT
    return s;
}

QList<QPair<QString, QString>> SettingsStore::shutdownValues(const Settings &s)
{
    QList<QPair<QString, QString>> values;
#define LUMOLEX_BOOL(name) values.append({QStringLiteral(#name), boolText(s.name)})
#define LUMOLEX_INT(name) values.append({QStringLiteral(#name), intText(s.name)})
    if (s.SaveParam) {
        LUMOLEX_INT(FormMainWidth);
        LUMOLEX_INT(FormMainHeight);
        LUMOLEX_INT(FormMainLeft);
        LUMOLEX_INT(FormMainTop);
        LUMOLEX_INT(PanelWordWidth);
        LUMOLEX_INT(PanelFindWidth);
        values.append({QStringLiteral("FontNameLumo"), s.FontNameLumo});
        LUMOLEX_INT(FontSizeList);
        LUMOLEX_INT(FontSizeCard);
        LUMOLEX_INT(FontSizeText);
        LUMOLEX_INT(CardHeight);
        LUMOLEX_INT(CardWidth);
        LUMOLEX_BOOL(OpenCardWin);
        LUMOLEX_BOOL(CloseCardsAtSwith);
        LUMOLEX_INT(Transparency);
        LUMOLEX_BOOL(TranspCard);
        LUMOLEX_BOOL(DockWindow);
        LUMOLEX_BOOL(HintWord);
        LUMOLEX_BOOL(PanelToolBar);
        LUMOLEX_BOOL(PanelStatus);
        LUMOLEX_BOOL(PanelPhrase);
        LUMOLEX_BOOL(PanelCaption);
        LUMOLEX_BOOL(IconTray);
        LUMOLEX_BOOL(noDoubleProgramm);
        LUMOLEX_BOOL(EvenLines);
        LUMOLEX_INT(ColorEvenLines);
        LUMOLEX_BOOL(ExactLetters);
        LUMOLEX_BOOL(PanelLetters);
        // Only a language chosen: a file stays as it was while the locale
        // decides (writeAtShutdown removes the value then).
        if (s.Language != int(LanguageChoice::System))
            LUMOLEX_INT(Language);
    }
    LUMOLEX_INT(BookMark);
    LUMOLEX_BOOL(SaveParam);
#undef LUMOLEX_BOOL
#undef LUMOLEX_INT
    return values;
}

void SettingsStore::removeLeftovers() const
{
    if (m_settings->format() == QSettings::IniFormat && m_refusal.isEmpty())
        removeLeftoverTemporaries(location());
}

QString SettingsStore::checkWritable() const
{
    if (!m_settings->isWritable() || m_settings->status() == QSettings::AccessError)
        return tr("Не удалось сохранить настройки: нет доступа к «%1».").arg(location());
    if (m_settings->status() == QSettings::FormatError)
        return tr("Не удалось сохранить настройки: файл «%1» повреждён.").arg(location());
    return QString();
}

QString SettingsStore::keepUnreadableFile(QString *copyPath) const
{
    // The first free name of LumoLex.ini.bak, LumoLex.ini.bak2, ...; a copy
    // already made of the same text is not made again.
    const QString path = location();
    QFile original(path);
    if (!original.open(QIODevice::ReadOnly))
        return original.errorString();
    const QByteArray text = original.readAll();
    for (int n = 1; n < 100; ++n) {
        *copyPath = path + QStringLiteral(".bak") + (n == 1 ? QString() : QString::number(n));
        QFile existing(*copyPath);
        if (!existing.exists())
            return replaceFile(*copyPath, text, LinkPolicy::NoFollow);
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == text)
            return QString();
    }
    return tr("все имена для копии заняты");
}

bool SettingsStore::storedAsWritten(const QList<QPair<QString, QString>> &values) const
{
    QSettings stored(location(), QSettings::IniFormat);
    stored.beginGroup(kGroup);
    for (const auto &[name, text] : values) {
        if (stored.value(name).toString() != text)
            return false;
    }
    return stored.status() == QSettings::NoError;
}

QString SettingsStore::writeAtShutdown(const Settings &settings)
{
    // A file that was not an INI file was read only in part. Its text is kept
    // in a copy before the store writes a new file over it. (QSettings parses
    // each section when it is first used; listing every key parses them all
    // and so finds a format error before anything is written.)
    if (!m_refusal.isEmpty())
        return tr("Настройки не сохранены: на месте файла «%1» не обычный файл, он оставлен как есть.")
                .arg(QDir::toNativeSeparators(location()));
    m_settings->allKeys();
    const bool unreadable = m_settings->format() == QSettings::IniFormat
            && m_settings->status() == QSettings::FormatError;
    QString copyPath;
    if (unreadable) {
        if (const QString cause = keepUnreadableFile(&copyPath); !cause.isEmpty())
            return tr("Настройки не сохранены: файл «%1» не в формате INI, а сохранить его копию «%2» "
                      "не удалось (%3). Файл оставлен как был.").arg(location(), copyPath, cause);
    }
    if (!m_settings->isWritable() || m_settings->status() == QSettings::AccessError)
        return tr("Не удалось сохранить настройки: нет доступа к «%1».").arg(location());
    const QList<QPair<QString, QString>> values = shutdownValues(settings);
    m_settings->beginGroup(kGroup);
    for (const auto &[name, text] : values)
        m_settings->setValue(name, text);
    if (settings.SaveParam && settings.Language == int(LanguageChoice::System))
        m_settings->remove(QStringLiteral("Language"));
    m_settings->endGroup();
    m_settings->sync();
    if (!unreadable)
        return checkWritable();
    // The store keeps reporting the format error of its reading, so the
    // new file is read back to see that it holds what was written.
    if (!storedAsWritten(values))
        return tr("Не удалось сохранить настройки в «%1». Прежний файл сохранён как «%2».").arg(location(), copyPath);
    return tr("Файл настроек «%1» был не в формате INI и прочитан не полностью: недостающие настройки "
              "взяты по умолчанию. Его прежний текст сохранён в «%2», настройки записаны заново.")
            .arg(location(), copyPath);
}

} // namespace lumolex
