#include "longbodies.h"

#include "article/bodydecoder.h"

namespace lumolex::bench {

namespace {

// Russian words (cp1251 escapes) and spaces: chars characters of text in
// one paragraph.
QByteArray wordsOf(qsizetype chars)
{
    static const QByteArray kWord = "\\'f1\\'eb\\'ee\\'e2\\'ee ";
    return kWord.repeated((chars + 5) / 6);
}

QByteArray rtf(const QByteArray &content)
{
    return "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}}\\f0\\fs20 " + content + '}';
}

QByteArray table(int cells)
{
    QByteArray text = "\\trowd\\cellx1000\\cellx2000\\cellx3000\\cellx4000 ";
    for (int i = 0; i < cells; ++i) {
        text += "\\pard\\intbl " + QByteArray::number(i) + "\\cell ";
        if (i % 4 == 3)
            text += "\\row\n";
    }
    return text;
}

} // namespace

QStringList longBodyNames()
{
    return {QStringLiteral("line16k"), QStringLiteral("line64k"), QStringLiteral("line256k"),
            QStringLiteral("word16k"), QStringLiteral("word64k"), QStringLiteral("word256k"),
            QStringLiteral("lines10m"), QStringLiteral("runs40k"), QStringLiteral("table200k")};
}

QByteArray longBody(const QString &name)
{
    // The sizes are those of the decoded text; each escaped letter is one.
    if (name == QLatin1String("line16k"))
        return deflateBody(rtf(wordsOf(16 * 1024)));
    if (name == QLatin1String("line64k"))
        return deflateBody(rtf(wordsOf(64 * 1024)));
    if (name == QLatin1String("line256k"))
        return deflateBody(rtf(wordsOf(256 * 1024)));
    // One word: no space to break the line at.
    if (name == QLatin1String("word16k"))
        return deflateBody(rtf(QByteArray("\\'f1").repeated(16 * 1024)));
    if (name == QLatin1String("word64k"))
        return deflateBody(rtf(QByteArray("\\'f1").repeated(64 * 1024)));
    if (name == QLatin1String("word256k"))
        return deflateBody(rtf(QByteArray("\\'f1").repeated(256 * 1024)));
    if (name == QLatin1String("lines10m")) {
        // Plain text, as the decoder also accepts: 80 characters a line.
        QByteArray text;
        const QByteArray line = QByteArray("slovo ").repeated(12) + "konec!!\n";
        text.reserve(10 * 1024 * 1024 + line.size());
        while (text.size() < 10 * 1024 * 1024)
            text += line;
        return deflateBody(text);
    }
    if (name == QLatin1String("runs40k")) { // one paragraph of 4000 format runs
        QByteArray runs;
        for (int i = 0; i < 4000; ++i)
            runs += (i % 2 ? "\\b " : "\\b0 ") + QByteArray("\\'f1\\'eb\\'ee\\'e2\\'ee").repeated(2);
        return deflateBody(rtf(runs));
    }
    if (name == QLatin1String("table200k"))
        return deflateBody(rtf(table(200000)));
    return {};
}

} // namespace lumolex::bench
