#include "paradigmarticle.h"

#include "remarkruns.h"

#include <QChar>

#include <algorithm>
#include <cstdint>

namespace lumolex::mkdata {

namespace {

// The grey of the grammar notes of the other articles (#5a5a5a): colour 1.
const QString kHeader = QStringLiteral("{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset204 Tahoma;}}"
                                       "{\\colortbl;\\red90\\green90\\blue90;}\\pard\\plain\\f0\\fs22 ");
constexpr int kTwipsPerCharacter = 115;   // an average letter of an 11-point font, with room
constexpr int kCellGapTwips = 300;
constexpr int kTableSpaceBeforeTwips = 100;

// The Russian letters in the document's code page (Windows-1251): a
// quarter of the room \uN takes. Kildin letters and the macron have no
// byte there. 0: none.
int windows1251Byte(char16_t unit)
{
    if (unit >= u'\u0410' && unit <= u'\u044f')
        return unit - u'\u0410' + 0xc0;
    if (unit == u'\u0401')
        return 0xa8;
    if (unit == u'\u0451')
        return 0xb8;
    return 0;
}

QString escaped(QStringView text)
{
    QString rtf;
    rtf.reserve(text.size() * 3);
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u'\\' || unit == u'{' || unit == u'}') {
            rtf += u'\\';
            rtf += c;
        } else if (unit == u'\t') {
            rtf += QStringLiteral("\\tab ");
        } else if (unit >= 0x20 && unit < 0x7f) {
            rtf += c;
        } else if (const int byte = windows1251Byte(unit); byte > 0) {
            rtf += QStringLiteral("\\'%1").arg(byte, 2, 16, QLatin1Char('0'));
        } else if (unit >= 0x20) {
            // \uN takes a signed 16-bit number; "?" is what readers without Unicode show.
            rtf += QStringLiteral("\\u%1?").arg(int(std::int16_t(unit)));
        }
    }
    return rtf;
}

QString bold(QStringView text)
{
    return QStringLiteral("{\\b %1}").arg(escaped(text));
}

QString grey(QStringView text)
{
    return QStringLiteral("{\\i\\cf1 %1}").arg(escaped(text));
}

// Parenthesised remarks of a translation in italics, as the 1985 dictionary shows them.
QString withItalicRemarks(QStringView text)
{
    QString rtf;
    for (const RemarkRun &run : remarkRuns(text)) {
        const QString piece = escaped(run.text);
        rtf += run.remark ? QStringLiteral("{\\i %1}").arg(piece) : piece;
    }
    return rtf;
}

QString translationOf(const QStringList &translations)
{
    if (translations.size() == 1)
        return withItalicRemarks(translations.first());
    QStringList numbered;
    for (qsizetype i = 0; i < translations.size(); ++i)
        numbered.append(bold(QStringLiteral("%1)").arg(i + 1)) + u' ' + withItalicRemarks(translations.at(i)));
    return numbered.join(u' ');
}

// Letters as they take room: a combining mark adds none.
int visibleLength(const QString &text)
{
    return int(std::count_if(text.cbegin(), text.cend(), [](QChar c) {
        return c.category() != QChar::Mark_NonSpacing;
    }));
}

QVector<int> columnBorders(const FormsTable &table)
{
    QVector<int> widths(table.columnCount(), 0);
    auto measure = [&widths](const QStringList &cells) {
        for (qsizetype i = 0; i < cells.size(); ++i)
            widths[i] = std::max(widths[i], visibleLength(cells.at(i)));
    };
    measure(table.header);
    for (const QStringList &row : table.rows)
        measure(row);
    QVector<int> borders;
    int right = 0;
    for (int width : widths) {
        right += width * kTwipsPerCharacter + kCellGapTwips;
        borders.append(right);
    }
    return borders;
}

QString tableRow(const QVector<int> &borders, const QStringList &cells, int labelColumns, bool first)
{
    QString rtf = QStringLiteral("\\trowd\\trgaph60");
    for (int border : borders)
        rtf += QStringLiteral("\\cellx%1").arg(border);
    rtf += QStringLiteral("\\pard\\intbl");
    if (first)
        rtf += QStringLiteral("\\sb%1").arg(kTableSpaceBeforeTwips);
    for (qsizetype i = 0; i + 1 < borders.size(); ++i)
        rtf += QStringLiteral("\\tx%1").arg(borders.at(i));
    rtf += u' ';
    for (qsizetype i = 0; i < borders.size(); ++i) {
        const QString cell = cells.value(i);
        if (!cell.isEmpty())
            rtf += i < labelColumns ? grey(cell) : escaped(cell);
        rtf += QStringLiteral("\\cell ");
    }
    return rtf + QStringLiteral("\\row\n");
}

QString renderTable(const FormsTable &table)
{
    const QVector<int> borders = columnBorders(table);
    QString rtf;
    bool first = true;
    if (!table.header.isEmpty()) {
        // The column heads are labels too.
        rtf += tableRow(borders, table.header, int(table.header.size()), true);
        first = false;
    }
    for (const QStringList &row : table.rows) {
        rtf += tableRow(borders, row, table.labelColumns, first);
        first = false;
    }
    return rtf + QStringLiteral("\\pard ");
}

} // namespace

QString renderParadigmArticle(const ParadigmLemma &lemma)
{
    const QVector<PartOfSpeechForms> groups = layOutParadigm(lemma.headword, lemma.forms);
    QStringList partsOfSpeech;
    for (const PartOfSpeechForms &group : groups)
        partsOfSpeech.append(group.label);

    QString rtf = kHeader + bold(lemma.headword);
    if (!partsOfSpeech.isEmpty())
        rtf += u' ' + grey(partsOfSpeech.join(QStringLiteral(", ")));
    if (!lemma.translations.isEmpty())
        rtf += u' ' + translationOf(lemma.translations);
    rtf += QStringLiteral("\\par\n");
    if (lemma.isDefault)
        rtf += grey(QString::fromUtf8(kDefaultParadigmNote)) + QStringLiteral("\\par\n");
    for (const PartOfSpeechForms &group : groups) {
        if (group.tables.isEmpty())
            continue;
        // A headword of two parts of speech names the part before each of its tables.
        if (groups.size() > 1)
            rtf += QStringLiteral("\\pard\\sb%1 ").arg(kTableSpaceBeforeTwips) + grey(group.label) + QStringLiteral("\\par\\pard\n");
        for (const FormsTable &table : group.tables)
            rtf += renderTable(table);
    }
    return rtf + u'}';
}

} // namespace lumolex::mkdata
