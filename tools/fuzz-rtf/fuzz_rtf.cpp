// Feeds arbitrary bytes to the RTF reader (both sinks) and the writer.
// Besides crashes, leaks and undefined behaviour it reports two broken
// promises: the plain-text sink must give the document's text, and what
// the writer writes must read back to the same text.
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace lumolex::rtf;
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));

    const QString plain = plainText(input);
    QTextDocument document;
    readDocument(input, &document);
    if (plain != document.toPlainText()) {
        std::fprintf(stderr, "plain-text sink and document disagree\n");
        std::abort();
    }

    const QByteArray written = writeDocument(document);
    QTextDocument again;
    const ReadResult result = readDocument(written, &again);
    if (result.damaged || again.toPlainText() != plain) {
        std::fprintf(stderr, "written document does not read back\n");
        std::abort();
    }
    return 0;
}
