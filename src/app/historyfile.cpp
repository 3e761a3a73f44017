#include "app/historyfile.h"

#include "platform/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <memory>

namespace lumolex {

namespace {

// History files are small; anything far larger is not a history file.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);
const QByteArray kUtf16LeBom("\xFF\xFE", 2);
const QByteArray kUtf16BeBom("\xFE\xFF", 2);

// Windows-1251 through ICU (Qt's own codecs do not have it without ICU).
class Windows1251
{
public:
    Windows1251()
    {
        UErrorCode status = U_ZERO_ERROR;
        m_converter.reset(ucnv_open("windows-1251", &status));
        if (U_FAILURE(status))
            m_converter.reset();
    }

    bool isValid() const { return bool(m_converter); }

    QString decode(const QByteArray &bytes)
    {
        if (!m_converter || bytes.isEmpty())
            return QString();
        ucnv_reset(m_converter.get());
        QString text(bytes.size(), Qt::Uninitialized);   // one unit per byte
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length = ucnv_toUChars(m_converter.get(),
                                             reinterpret_cast<UChar *>(text.data()), int32_t(text.size()),
                                             bytes.constData(), int32_t(bytes.size()), &status);
        if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
            return QString();
        text.resize(length);
        return text;
    }

    // False when the text holds a character the code page lacks.
    bool encode(const QString &text, QByteArray *bytes)
    {
        bytes->clear();
        if (!m_converter)
            return false;
        if (text.isEmpty())
            return true;
        ucnv_reset(m_converter.get());
        UErrorCode status = U_ZERO_ERROR;
        ucnv_setFromUCallBack(m_converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr,
                              nullptr, nullptr, &status);
        if (U_FAILURE(status))
            return false;
        bytes->resize(text.size() * 2);
        const int32_t length = ucnv_fromUChars(m_converter.get(), bytes->data(), int32_t(bytes->size()),
                                               reinterpret_cast<const UChar *>(text.constData()),
                                               int32_t(text.size()), &status);
        if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
            return false;
        bytes->resize(length);
        return true;
    }

private:
    struct Closer { void operator()(UConverter *c) const { ucnv_close(c); } };
    std::unique_ptr<UConverter, Closer> m_converter;
};

QString decodeUnicode(const QByteArray &bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Default);
    return decoder.decode(bytes);
}

QByteArray encodeUnicode(const QString &text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::Default);
    return encoder.encode(text);
}

// One line of the file per entry: line breaks inside an entry would split it.
QString fileText(const QStringList &entries)
{
    QString text;
    for (QString entry : entries) {
        entry.replace(QLatin1String("\r\n"), QLatin1String(" "));
        entry.replace(QLatin1Char('\r'), QLatin1Char(' '));
        entry.replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += entry;
        text += QLatin1String("\r\n");
    }
    return text;
}

QString joinPath(const QString &folder, const QString &relative)
{
    return QDir::cleanPath(folder + QLatin1Char('/') + relative);
}

} // namespace

HistoryFile::HistoryFile(const QString &programFolder, const QString &relativePath,
                         const QString &userFolder)
    : m_programPath(joinPath(programFolder, relativePath))
{
    const QString folder = userFolder.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
            : userFolder;
    if (!folder.isEmpty())
        m_userPath = joinPath(folder, QFileInfo(relativePath).fileName());
}

HistoryEncoding HistoryFile::encodingOf(const QByteArray &start)
{
    if (start.startsWith(kUtf8Bom))
        return HistoryEncoding::Utf8Bom;
    if (start.startsWith(kUtf16LeBom))
        return HistoryEncoding::Utf16LeBom;
    if (start.startsWith(kUtf16BeBom))
        return HistoryEncoding::Utf16BeBom;
    return HistoryEncoding::Windows1251;
}

QStringList HistoryFile::decode(const QByteArray &bytes, HistoryEncoding *encoding)
{
    QString text;
    const HistoryEncoding found = encodingOf(bytes);
    switch (found) {
    case HistoryEncoding::Utf8Bom:
        text = decodeUnicode(bytes.mid(kUtf8Bom.size()), QStringConverter::Utf8);
        break;
    case HistoryEncoding::Utf16LeBom:
        text = decodeUnicode(bytes.mid(kUtf16LeBom.size()), QStringConverter::Utf16LE);
        break;
    case HistoryEncoding::Utf16BeBom:
        text = decodeUnicode(bytes.mid(kUtf16BeBom.size()), QStringConverter::Utf16BE);
        break;
    case HistoryEncoding::Windows1251:
        text = Windows1251().decode(bytes);
        break;
    }
    if (encoding)
        *encoding = found;

    // Lines end with CR LF (LF alone is accepted); only the empty piece after
    // the last line end is not an entry.
    QStringList entries = text.split(QLatin1Char('\n'));
    if (!entries.isEmpty() && entries.last().isEmpty())
        entries.removeLast();
    for (QString &entry : entries) {
        if (entry.endsWith(QLatin1Char('\r')))
            entry.chop(1);
    }
    return entries;
}

QByteArray HistoryFile::encode(const QStringList &entries, HistoryEncoding wished,
                               HistoryEncoding *used)
{
    const QString text = fileText(entries);
    HistoryEncoding encoding = wished;
    QByteArray bytes;
    if (wished == HistoryEncoding::Windows1251 && !Windows1251().encode(text, &bytes))
        encoding = HistoryEncoding::Utf8Bom;   // keep every letter
    switch (encoding) {
    case HistoryEncoding::Windows1251:
        break;
    case HistoryEncoding::Utf8Bom:
        bytes = kUtf8Bom + encodeUnicode(text, QStringConverter::Utf8);
        break;
    case HistoryEncoding::Utf16LeBom:
        bytes = kUtf16LeBom + encodeUnicode(text, QStringConverter::Utf16LE);
        break;
    case HistoryEncoding::Utf16BeBom:
        bytes = kUtf16BeBom + encodeUnicode(text, QStringConverter::Utf16BE);
        break;
    }
    if (used)
        *used = encoding;
    return bytes;
}

QString HistoryFile::currentPath() const
{
    // A copy in the user's folder was written because the program folder
    // could not be: it is the newer one.
    return (!m_userPath.isEmpty() && QFileInfo::exists(m_userPath)) ? m_userPath : m_programPath;
}

QString HistoryFile::load(QStringList *entries)
{
    entries->clear();
    m_encoding = HistoryEncoding::Windows1251;
    m_encodingKnown = true;
    const QString path = currentPath();
    m_lastPath = path;
    QFile file(path);
    if (!file.exists())
        return QString();
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Не удалось прочитать файл истории «%1»: %2")
                .arg(QDir::toNativeSeparators(path), file.errorString());
    if (file.size() > kMaxFileSize)
        return QStringLiteral("Файл истории «%1» слишком велик и не прочитан.")
                .arg(QDir::toNativeSeparators(path));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("Не удалось прочитать файл истории «%1»: %2")
                .arg(QDir::toNativeSeparators(path), file.errorString());
    *entries = decode(bytes, &m_encoding);
    return QString();
}

QString HistoryFile::writeFile(const QString &path, const QByteArray &bytes) const
{
    // In the program folder a link is replaced, never followed; the user's
    // own folder may hold links of the user's making.
    return replaceFile(path, bytes, path == m_programPath ? LinkPolicy::NoFollow : LinkPolicy::Follow);
}

QString HistoryFile::save(const QStringList &entries)
{
    if (!m_encodingKnown) {
        QFile current(currentPath());
        if (current.open(QIODevice::ReadOnly))
            m_encoding = encodingOf(current.read(3));
        m_encodingKnown = true;
    }
    HistoryEncoding used = m_encoding;
    const QByteArray bytes = encode(entries, m_encoding, &used);

    const bool userCopyExists = !m_userPath.isEmpty() && QFileInfo::exists(m_userPath);
    QString programError;
    if (!userCopyExists) {
        programError = writeFile(m_programPath, bytes);
        if (programError.isEmpty()) {
            m_lastPath = m_programPath;
            m_encoding = used;
            return QString();
        }
    }
    if (m_userPath.isEmpty())
        return QStringLiteral("Не удалось сохранить файл истории «%1»: %2. Прежний файл оставлен как был.")
                .arg(QDir::toNativeSeparators(m_programPath), programError);

    QDir().mkpath(QFileInfo(m_userPath).absolutePath());
    const QString userError = writeFile(m_userPath, bytes);
    if (userError.isEmpty()) {
        m_lastPath = m_userPath;
        m_encoding = used;
        return QString();
    }
    if (programError.isEmpty())
        return QStringLiteral("Не удалось сохранить файл истории «%1»: %2. Прежний файл оставлен как был.")
                .arg(QDir::toNativeSeparators(m_userPath), userError);
    return QStringLiteral("Не удалось сохранить файл истории ни в «%1» (%2), ни в «%3» (%4). "
                          "Прежние файлы оставлены как были.")
            .arg(QDir::toNativeSeparators(m_programPath), programError,
                 QDir::toNativeSeparators(m_userPath), userError);
}

} // namespace lumolex
