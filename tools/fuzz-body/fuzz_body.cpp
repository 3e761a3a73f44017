// Feeds arbitrary stored bodies to the article body decoder. The first byte
// chooses how the rest is used: as the stored zlib stream itself (hostile
// streams, the size cap), or compressed first, so that the RTF and
// plain-text paths see the mutated text directly.
//
// Promises checked besides crashes, leaks and undefined behaviour:
//  - the document and the plain-text fast path agree on the kind of body
//    and on its text (the fragment search finds what the article shows).
//    The view differs only by the zero-width spaces that let an endless word
//    wrap and, for a body longer than the view holds, by the cut and its
//    note: then what is shown is the beginning of the searched text;
//  - the inflater keeps to its limit: a stream of N bytes inflates with the
//    limit N and is refused with the limit N - 1.
#include "article/bodydecoder.h"
#include "article/bodylimits.h"

#include "fuzzsupport.h"

#include <QGuiApplication>
#include <QTextDocument>

using namespace lumolex;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool compressFirst = data[0] & 1;
    const QByteArrayView rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QByteArray stored = compressFirst ? deflateBody(rest) : rest.toByteArray();

    QTextDocument document;
    const BodyKind shown = decodeBody(stored, false, &document);
    BodyKind searched = BodyKind::Null;
    const QString plain = bodyPlainText(stored, false, &searched);
    if (shown != searched)
        fuzz::broken("decodeBody and bodyPlainText disagree on the kind of body");
    if (shown != BodyKind::Damaged) {
        QString text = document.toPlainText();
        QString found = plain;
        text.remove(QChar(0x200B));
        found.remove(QChar(0x200B));
        const QString note = QLatin1Char('\n') + tooLongNotice(kMaxShownCharacters);
        const bool cut = text.endsWith(note);
        if (cut)
            text.chop(note.size());
        if (cut ? !found.startsWith(text) : text != found)
            fuzz::broken("the document's text differs from bodyPlainText");
    }
    if (shown == BodyKind::Damaged && (!plain.isEmpty() || document.isEmpty()))
        fuzz::broken("a damaged body shows no notice or has searchable text");

    QByteArray inflated;
    if (inflateBody(stored, &inflated)) {
        QByteArray again;
        if (!inflateBody(stored, &again, inflated.size()) || again != inflated)
            fuzz::broken("a stream is refused with a limit of exactly its inflated size");
        if (!inflated.isEmpty() && inflateBody(stored, &again, inflated.size() - 1))
            fuzz::broken("a stream is accepted with a limit below its inflated size");
    } else if (!inflated.isEmpty()) {
        fuzz::broken("a refused stream leaves output");
    }
    return 0;
}
