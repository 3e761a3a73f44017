#include "app/store/historycodec.h"

#include <QBuffer>
#include <QIODevice>
#include <QStringDecoder>
#include <QStringEncoder>

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <cstring>
#include <memory>
#include <optional>

namespace lumolex {

namespace {

// Files are read in pieces of this size.
constexpr qint64 kChunk = 64 * 1024;

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

// The file's byte order mark is taken off before the lines are decoded: a
// U+FEFF at the start of a line is a character of the entry and is kept, or
// every write and read of the file would drop one.
QString decodeUnicode(const QByteArray &bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QByteArray encodeUnicode(const QString &text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::Default);
    return encoder.encode(text);
}

// Cuts an entry to the longest a list keeps, never between the halves of a
// character; true when it was longer.
bool cutToEntryLength(QString &entry)
{
    if (entry.size() <= HistoryLimits::entryLength)
        return false;
    qsizetype length = HistoryLimits::entryLength;
    if (entry.at(length - 1).isHighSurrogate())
        --length;
    entry.truncate(length);
    return true;
}

// One line of the file per entry: line breaks inside an entry would split
// it. An entry is written as it will be read back, cut to the longest kept.
QString fileText(const QStringList &entries)
{
    QString text;
    for (QString entry : entries) {
        entry.replace(QLatin1String("\r\n"), QLatin1String(" "));
        entry.replace(QLatin1Char('\r'), QLatin1Char(' '));
        entry.replace(QLatin1Char('\n'), QLatin1Char(' '));
        cutToEntryLength(entry);
        text += entry;
        text += QLatin1String("\r\n");
    }
    return text;
}

qsizetype markSize(HistoryEncoding encoding)
{
    switch (encoding) {
    case HistoryEncoding::Utf8Bom: return kUtf8Bom.size();
    case HistoryEncoding::Utf16LeBom: return kUtf16LeBom.size();
    case HistoryEncoding::Utf16BeBom: return kUtf16BeBom.size();
    case HistoryEncoding::Windows1251: break;
    }
    return 0;
}

bool isUtf16(HistoryEncoding encoding)
{
    return encoding == HistoryEncoding::Utf16LeBom || encoding == HistoryEncoding::Utf16BeBom;
}

// One line's bytes, without its LF, as an entry without its CR.
class LineDecoder
{
public:
    explicit LineDecoder(HistoryEncoding encoding) : m_encoding(encoding) {}

    QString decode(const QByteArray &line)
    {
        QString text;
        switch (m_encoding) {
        case HistoryEncoding::Utf8Bom: text = decodeUnicode(line, QStringConverter::Utf8); break;
        case HistoryEncoding::Utf16LeBom: text = decodeUnicode(line, QStringConverter::Utf16LE); break;
        case HistoryEncoding::Utf16BeBom: text = decodeUnicode(line, QStringConverter::Utf16BE); break;
        case HistoryEncoding::Windows1251:
            // ICU's converter is opened at the first line that needs it: a
            // file without lines, the usual one at a first start, then costs
            // nothing.
            if (!m_windows1251)
                m_windows1251.emplace();
            text = m_windows1251->decode(line);
            break;
        }
        if (text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        return text;
    }

private:
    HistoryEncoding m_encoding;
    std::optional<Windows1251> m_windows1251;
};

// The offset of the next line end at or after `from` (a whole unit of one
// or two bytes), or -1.
qsizetype findLineEnd(const QByteArray &bytes, qsizetype from, HistoryEncoding encoding)
{
    if (!isUtf16(encoding)) {
        const void *found = std::memchr(bytes.constData() + from, '\n', size_t(bytes.size() - from));
        return found ? static_cast<const char *>(found) - bytes.constData() : -1;
    }
    const bool little = encoding == HistoryEncoding::Utf16LeBom;
    for (qsizetype i = from; i + 1 < bytes.size(); i += 2) {
        if (bytes[i + (little ? 0 : 1)] == '\n' && bytes[i + (little ? 1 : 0)] == '\0')
            return i;
    }
    return -1;
}

} // namespace

HistoryEncoding historyEncodingOf(const QByteArray &start)
{
    if (start.startsWith(kUtf8Bom))
        return HistoryEncoding::Utf8Bom;
    if (start.startsWith(kUtf16LeBom))
        return HistoryEncoding::Utf16LeBom;
    if (start.startsWith(kUtf16BeBom))
        return HistoryEncoding::Utf16BeBom;
    return HistoryEncoding::Windows1251;
}

HistoryText readHistory(QIODevice *device)
{
    HistoryText result;
    QByteArray chunk = device->read(qMin(kChunk, HistoryLimits::scannedBytes));
    qint64 scanned = chunk.size();
    result.encoding = historyEncodingOf(chunk);
    chunk.remove(0, markSize(result.encoding));
    const qsizetype unit = isUtf16(result.encoding) ? 2 : 1;
    LineDecoder decoder(result.encoding);
    QByteArray line;
    QByteArray odd;   // the first byte of a two-byte unit split between pieces
    bool lineCut = false;

    // A line's bytes beyond what its longest kept entry can need (four bytes
    // a character is more than any of the encodings takes) are not kept.
    constexpr qsizetype kLineBytes = qsizetype(HistoryLimits::entryLength) * 4 + 4;
    const auto keep = [&](const char *data, qsizetype size) {
        const qsizetype room = qMax<qsizetype>(0, kLineBytes - line.size());
        line.append(data, qMin(size, room));
        lineCut = lineCut || size > room;
    };
    const auto endLine = [&] {
        QString entry = decoder.decode(line);
        lineCut = cutToEntryLength(entry) || lineCut;
        result.longEntriesCut = result.longEntriesCut || lineCut;
        result.entries.append(entry);
        line.clear();
        lineCut = false;
    };

    for (;;) {
        chunk.prepend(odd);
        odd.clear();
        if (chunk.size() % unit != 0) {
            odd = chunk.right(1);
            chunk.chop(1);
        }
        for (qsizetype start = 0; start < chunk.size();) {
            const qsizetype end = findLineEnd(chunk, start, result.encoding);
            keep(chunk.constData() + start, (end < 0 ? chunk.size() : end) - start);
            if (end < 0)
                break;
            endLine();
            start = end + unit;
            if (result.entries.size() == HistoryLimits::entries) {
                result.cut = result.cut || start < chunk.size() || !odd.isEmpty() || !device->atEnd();
                return result;
            }
        }
        if (scanned >= HistoryLimits::scannedBytes) {
            result.cut = result.cut || !device->atEnd();
            break;
        }
        chunk = device->read(qMin(kChunk, HistoryLimits::scannedBytes - scanned));
        if (chunk.isEmpty())
            break;
        scanned += chunk.size();
    }
    // The last line needs no line end; only the empty piece after the last
    // line end is not an entry.
    keep(odd.constData(), odd.size());
    if (!line.isEmpty())
        endLine();
    return result;
}

HistoryText decodeHistory(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readHistory(&buffer);
}

QByteArray encodeHistory(const QStringList &entries, HistoryEncoding wished, HistoryEncoding *used)
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

} // namespace lumolex
