#include "sourcefile.h"
#include "tooltext.h"

#include <QFile>
#include <QStringDecoder>

namespace lumolex::mkdata {

void ProblemList::add(const SourceLocation &where, const QString &message)
{
    m_messages.append(where.toString() + QStringLiteral(": ") + message);
}

void ProblemList::add(const QString &message)
{
    m_messages.append(message);
}

bool readSourceLines(const QString &path, QVector<SourceLine> *lines, ProblemList *problems)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems->add(tools::toolText("lumolex-mkdata", "%1: cannot read the file: %2").arg(path, file.errorString()));
        return false;
    }
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);

    bool ok = true;
    int lineNumber = 0;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        ++lineNumber;
        QByteArrayView raw(bytes.constData() + start, end - start);
        start = end + 1;
        if (raw.endsWith('\r'))
            raw.chop(1);

        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        // Every text is kept composed (NFC): a letter spelt with combining
        // marks is stored as the one letter a typed word has.
        const QString text = QString(decoder.decode(raw)).normalized(QString::NormalizationForm_C);
        const SourceLocation where{path, lineNumber};
        if (decoder.hasError()) {
            problems->add(where, tools::toolText("lumolex-mkdata", "the line is not valid UTF-8"));
            ok = false;
            continue;
        }
        if (text.trimmed().isEmpty() || text.startsWith(u'#'))
            continue;
        lines->append(SourceLine{where, text.split(u'\t')});
    }
    return ok;
}

} // namespace lumolex::mkdata
