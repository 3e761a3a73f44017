#include "article/bodydecoder.h"

#include "rtf/codepage.h"
#include "rtf/rtfreader.h"

#include <QScopeGuard>
#include <QStringDecoder>

#include <zlib.h>

#include <limits>

namespace lumolex {

namespace {

// The largest inflate buffer a thread keeps between bodies.
constexpr qsizetype kKeptInflateBuffer = qsizetype(1) << 20;

} // namespace

QString decodePlainBody(QByteArrayView bytes)
{
    QString text;
    const std::optional<QStringConverter::Encoding> bom = QStringConverter::encodingForData(bytes);
    if (bom && *bom != QStringConverter::Utf8) {
        text = QStringDecoder(*bom).decode(bytes);
    } else {
        QStringDecoder utf8(QStringConverter::Utf8);
        text = utf8.decode(bytes);
        if (utf8.hasError())
            text = rtf::decodeCodePage(bytes, rtf::CodePage::Windows1251);
    }
    if (!text.isEmpty() && text.front() == QChar::ByteOrderMark)
        text.remove(0, 1);
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r'; });
    return text;
}

namespace {

// The text QTextDocument::toPlainText() gives after setPlainText(text).
QString asDocumentPlainText(QString text)
{
    text.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    for (QChar &c : text) {
        switch (c.unicode()) {
        case u'\r':
        case 0x2028:
        case 0x2029:
        case 0xFDD0:
        case 0xFDD1:
            c = u'\n';
            break;
        case 0x00A0:
            c = u' ';
            break;
        default:
            break;
        }
    }
    return text;
}

} // namespace

QByteArray deflateBody(QByteArrayView plain)
{
    if (plain.size() > std::numeric_limits<uInt>::max() / 2)
        return {};
    z_stream stream {};
    if (deflateInit(&stream, Z_BEST_COMPRESSION) != Z_OK)
        return {};
    QByteArray out(qsizetype(deflateBound(&stream, uLong(plain.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(plain.data()));
    stream.avail_in = uInt(plain.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int status = deflate(&stream, Z_FINISH);
    const uLong written = stream.total_out;
    deflateEnd(&stream);
    if (status != Z_STREAM_END)
        return {};
    out.truncate(qsizetype(written));
    return out;
}

namespace {

// One inflate state per thread, reset for each body: setting a state up
// allocates its tables and window, which cost as much as inflating a short
// article.
class ThreadInflater
{
public:
    ThreadInflater() { m_ready = inflateInit(&m_stream) == Z_OK; } // zlib header and Adler-32 (RFC 1950)
    ~ThreadInflater()
    {
        if (m_ready)
            inflateEnd(&m_stream);
    }
    ThreadInflater(const ThreadInflater &) = delete;
    ThreadInflater &operator=(const ThreadInflater &) = delete;

    // The stream reset for new input, or nullptr when zlib could not start.
    z_stream *reset()
    {
        if (!m_ready || inflateReset(&m_stream) != Z_OK)
            return nullptr;
        return &m_stream;
    }

private:
    z_stream m_stream {};
    bool m_ready = false;
};

} // namespace

bool inflateBody(QByteArrayView stored, QByteArray *out, qsizetype limit)
{
    if (!out)
        return false;
    QByteArray &buffer = *out;
    buffer.resize(0); // keeps what the buffer holds room for
    if (stored.isEmpty() || stored.size() > std::numeric_limits<uInt>::max() || limit < 0)
        return false;
    thread_local ThreadInflater inflater;
    z_stream *const stream = inflater.reset();
    if (!stream)
        return false;
    stream->next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stored.data()));
    stream->avail_in = uInt(stored.size());

    const qsizetype chunk = std::min<qsizetype>(std::max<qsizetype>(stored.size() * 4, 4096), limit + 1);
    buffer.resize(std::min(std::max(buffer.capacity(), chunk), limit + 1));
    int status = Z_OK;
    while (status == Z_OK) {
        const qsizetype used = qsizetype(stream->total_out);
        if (used > limit)
            break; // more than the caller accepts: a corrupt or hostile stream
        if (buffer.size() - used < 1024 || buffer.size() == used) {
            const qsizetype grown = std::min(std::max(buffer.size() * 2, used + chunk), limit + 1);
            if (grown <= used)
                break;
            buffer.resize(grown);
        }
        stream->next_out = reinterpret_cast<Bytef *>(buffer.data() + used);
        stream->avail_out = uInt(buffer.size() - used);
        status = inflate(stream, Z_NO_FLUSH);
        if (status == Z_BUF_ERROR && stream->avail_in == 0)
            break; // the stream ends before its end marker: truncated
        if (status == Z_BUF_ERROR)
            status = Z_OK; // only the output was full
    }
    const qsizetype total = qsizetype(stream->total_out);
    // Let go of the caller's bytes; the state itself is kept for the next body.
    stream->next_in = nullptr;
    stream->avail_in = 0;
    stream->next_out = nullptr;
    stream->avail_out = 0;
    const bool complete = status == Z_STREAM_END && total <= limit;
    buffer.resize(complete ? total : 0);
    return complete;
}

QString bodyPlainText(QByteArrayView stored, bool isNull, BodyKind *kind)
{
    auto result = [kind](BodyKind value, QString text) {
        if (kind)
            *kind = value;
        return text;
    };
    if (isNull)
        return result(BodyKind::Null, {});
    if (stored.isEmpty())
        return result(BodyKind::Empty, {});
    // One buffer per thread: a scan reads thousands of bodies one after the
    // other, and a buffer grown for a long one is let go again.
    thread_local QByteArray inflated;
    const auto releaseLarge = qScopeGuard([] {
        if (inflated.capacity() > kKeptInflateBuffer)
            inflated = QByteArray();
    });
    if (!inflateBody(stored, &inflated))
        return result(BodyKind::Damaged, {});
    if (rtf::looksLikeRtf(inflated))
        return result(BodyKind::RichText, rtf::plainText(inflated));
    return result(BodyKind::PlainText, asDocumentPlainText(decodePlainBody(inflated)));
}

} // namespace lumolex
