#include "rtf/rtfwriter.h"

#include "rtf/codepage.h"
#include "rtf/rtfunits.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>

namespace lumolex::rtf {

namespace {

constexpr int kCyrillicCharset = 204;
constexpr int kBodyCodePage = CodePage::Windows1251;

// Character formatting as the writer compares it between runs.
struct RunFormat
{
    int font = 0;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int vertical = 0; // 0 baseline, 1 superscript, 2 subscript
    int capitals = 0; // 0 none, 1 all capitals, 2 small capitals
    int foreground = 0;
    int background = 0;
    bool operator==(const RunFormat &) const = default;
};

// Escapes text for an RTF body: ASCII as is, characters of Windows-1251
// (the code page of every font the writer declares) as \'hh, everything
// else as \uN? with '?' as the one fallback byte for older readers.
class TextEncoder
{
public:
    explicit TextEncoder(QByteArray *out) : m_out(out), m_codec(CodePageCache::codec(kBodyCodePage)) {}

    void write(QStringView text)
    {
        for (QChar qc : text) {
            const char16_t ch = qc.unicode();
            switch (ch) {
            case u'\\': m_out->append("\\\\"); continue;
            case u'{': m_out->append("\\{"); continue;
            case u'}': m_out->append("\\}"); continue;
            case u'\t': m_out->append("\\tab "); continue;
            case 0x2028: m_out->append("\\line "); continue;
            default: break;
            }
            if (ch < 0x20)
                continue;
            if (ch < 0x80) {
                m_out->append(char(ch));
                continue;
            }
            const int byte = m_codec ? m_codec->encodeByte(ch) : -1;
            if (byte >= 0) {
                static const char hex[] = "0123456789abcdef";
                const char escape[4] = {'\\', '\'', hex[byte >> 4], hex[byte & 15]};
                m_out->append(escape, 4);
            } else {
                m_out->append("\\u");
                m_out->append(QByteArray::number(ch > 32767 ? int(ch) - 65536 : int(ch)));
                m_out->append('?');
            }
        }
    }

private:
    QByteArray *m_out;
    const CodePageCodec *m_codec;
};

class RtfDocumentWriter
{
public:
    explicit RtfDocumentWriter(const QTextDocument &document) : m_document(document), m_encoder(&m_body)
    {
        const QFont font = document.defaultFont();
        m_defaultFamily = font.family();
        m_defaultPointSize = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
        if (m_defaultPointSize <= 0)
            m_defaultPointSize = 12;
        fontIndex(m_defaultFamily); // \f0, the \deff font
        m_colors.append(QColor()); // entry 0: automatic colour
    }

    QByteArray write()
    {
        bool first = true;
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            writeParagraphFormat(block.blockFormat(), first);
            first = false;
            bool empty = true;
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (!fragment.isValid() || fragment.length() == 0 || fragment.charFormat().isImageFormat())
                    continue; // images are not part of what is written
                writeRun(fragment.charFormat(), fragment.text());
                empty = false;
            }
            if (empty)
                writeRun(block.charFormat(), QString()); // the height of an empty line
            closeLink();
            m_body.append("\\par\r\n"); // the line end delimits \par: what follows is text as written
            m_pendingDelimiter = false;
        }
        return header() + m_body + "}\r\n";
    }

private:
    int fontIndex(const QString &family)
    {
        const qsizetype index = m_fonts.indexOf(family);
        if (index >= 0)
            return int(index);
        m_fonts.append(family);
        return int(m_fonts.size() - 1);
    }

    int colorIndex(const QBrush &brush)
    {
        if (brush.style() == Qt::NoBrush || !brush.color().isValid())
            return 0;
        const QColor color = brush.color().toRgb();
        for (qsizetype i = 1; i < m_colors.size(); ++i) {
            if (m_colors[i].rgb() == color.rgb())
                return int(i);
        }
        m_colors.append(color);
        return int(m_colors.size() - 1);
    }

    double pointSize(const QTextCharFormat &format) const
    {
        if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
            return format.fontPointSize();
        if (format.hasProperty(QTextFormat::FontPixelSize) && format.intProperty(QTextFormat::FontPixelSize) > 0)
            return format.intProperty(QTextFormat::FontPixelSize) * 0.75;
        if (format.hasProperty(QTextFormat::FontSizeAdjustment)) {
            // The scale the HTML import gives <small>, <big> and headings.
            static const double kScale[] = {0.8, 1.0, 1.2, 1.5, 2.0, 2.4};
            const int adjustment = std::clamp(format.intProperty(QTextFormat::FontSizeAdjustment), -1, 4);
            return m_defaultPointSize * kScale[adjustment + 1];
        }
        return m_defaultPointSize;
    }

    RunFormat runFormat(const QTextCharFormat &format)
    {
        RunFormat run;
        QString family;
        const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
        if (!families.isEmpty())
            family = families.first();
        else if (format.hasProperty(QTextFormat::FontFamily))
            family = format.stringProperty(QTextFormat::FontFamily);
        if (family.isEmpty())
            family = m_defaultFamily;
        run.font = fontIndex(family);
        run.halfPoints = std::clamp(int(std::lround(pointSize(format) * 2)), 2, 3276);
        run.bold = format.hasProperty(QTextFormat::FontWeight) && format.fontWeight() >= QFont::DemiBold;
        run.italic = format.fontItalic();
        run.underline = format.fontUnderline();
        run.strike = format.fontStrikeOut();
        run.vertical = format.verticalAlignment() == QTextCharFormat::AlignSuperScript ? 1
            : format.verticalAlignment() == QTextCharFormat::AlignSubScript ? 2 : 0;
        run.capitals = format.fontCapitalization() == QFont::AllUppercase ? 1
            : format.fontCapitalization() == QFont::SmallCaps ? 2 : 0;
        if (format.hasProperty(QTextFormat::ForegroundBrush))
            run.foreground = colorIndex(format.foreground());
        if (format.hasProperty(QTextFormat::BackgroundBrush))
            run.background = colorIndex(format.background());
        return run;
    }

    void word(const char *name, int value)
    {
        m_body.append('\\').append(name).append(QByteArray::number(value));
        m_pendingDelimiter = true;
    }

    void word(const char *name)
    {
        m_body.append('\\').append(name);
        m_pendingDelimiter = true;
    }

    void toggle(const char *name, bool from, bool to)
    {
        if (from != to)
            to ? word(name) : word(name, 0);
    }

    void writeRun(const QTextCharFormat &format, const QString &text)
    {
        const RunFormat run = runFormat(format);
        const QString href = format.isAnchor() ? format.anchorHref() : QString();
        if (href != m_link) {
            closeLink();
            if (!href.isEmpty())
                openLink(href);
        }
        const RunFormat &from = m_current;
        if (run.font != from.font || m_firstRun)
            word("f", run.font);
        if (run.halfPoints != from.halfPoints || m_firstRun)
            word("fs", run.halfPoints);
        toggle("b", from.bold, run.bold);
        toggle("i", from.italic, run.italic);
        if (from.underline != run.underline)
            word(run.underline ? "ul" : "ulnone");
        toggle("strike", from.strike, run.strike);
        if (run.vertical != from.vertical)
            word(run.vertical == 1 ? "super" : run.vertical == 2 ? "sub" : "nosupersub");
        toggle("caps", from.capitals == 1, run.capitals == 1);
        toggle("scaps", from.capitals == 2, run.capitals == 2);
        if (run.foreground != from.foreground)
            word("cf", run.foreground);
        if (run.background != from.background)
            word("highlight", run.background);
        m_current = run;
        m_firstRun = false;
        if (text.isEmpty())
            return;
        if (m_pendingDelimiter) {
            m_body.append(' ');
            m_pendingDelimiter = false;
        }
        m_encoder.write(text);
    }

    // A hyperlink is a field whose result group holds the linked runs; the
    // group restores the formatting around it, so the writer's idea of the
    // current format is restored too.
    void openLink(const QString &href)
    {
        m_body.append("{\\field{\\*\\fldinst{HYPERLINK \"");
        TextEncoder encoder(&m_body);
        encoder.write(QString(href).replace(u'"', QLatin1StringView("%22")));
        m_body.append("\"}}{\\fldrslt{");
        m_pendingDelimiter = false;
        m_link = href;
        m_formatOutsideLink = m_current;
    }

    void closeLink()
    {
        if (m_link.isEmpty())
            return;
        m_body.append("}}}");
        m_pendingDelimiter = false;
        m_link.clear();
        m_current = m_formatOutsideLink;
    }

    void writeParagraphFormat(const QTextBlockFormat &format, bool first)
    {
        QByteArray words;
        auto length = [&](const char *name, double pixels) {
            const int twips = pixelsToTwips(pixels);
            if (twips != 0)
                words.append('\\').append(name).append(QByteArray::number(twips));
        };
        length("li", format.leftMargin());
        length("ri", format.rightMargin());
        length("fi", format.textIndent());
        length("sb", format.topMargin());
        length("sa", format.bottomMargin());
        switch (format.lineHeightType()) {
        case QTextBlockFormat::ProportionalHeight:
            words.append("\\sl").append(QByteArray::number(std::lround(format.lineHeight() * 240 / 100))).append("\\slmult1");
            break;
        case QTextBlockFormat::FixedHeight:
            words.append("\\sl-").append(QByteArray::number(pixelsToTwips(format.lineHeight()))).append("\\slmult0");
            break;
        case QTextBlockFormat::MinimumHeight:
            words.append("\\sl").append(QByteArray::number(pixelsToTwips(format.lineHeight()))).append("\\slmult0");
            break;
        default:
            break;
        }
        const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
        if (align & Qt::AlignHCenter)
            words.append("\\qc");
        else if (align & Qt::AlignJustify)
            words.append("\\qj");
        else if ((align & Qt::AlignRight) || ((align & Qt::AlignTrailing) && !(align & Qt::AlignAbsolute)))
            words.append("\\qr");
        if (format.layoutDirection() == Qt::RightToLeft)
            words.append("\\rtlpar");
        for (const QTextOption::Tab &tab : format.tabPositions()) {
            if (tab.type == QTextOption::RightTab)
                words.append("\\tqr");
            else if (tab.type == QTextOption::CenterTab)
                words.append("\\tqc");
            else if (tab.type == QTextOption::DelimiterTab)
                words.append("\\tqdec");
            words.append("\\tx").append(QByteArray::number(pixelsToTwips(tab.position)));
        }
        if (!first && words == m_paragraphWords)
            return;
        m_body.append("\\pard").append(words);
        m_pendingDelimiter = true;
        m_paragraphWords = words;
    }

    QByteArray header() const
    {
        QByteArray out("{\\rtf1\\ansi\\ansicpg1251\\deff0\\nouicompat\\deflang1049{\\fonttbl");
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            out.append("{\\f").append(QByteArray::number(i)).append("\\fnil\\fcharset")
                .append(QByteArray::number(kCyrillicCharset)).append(' ');
            TextEncoder encoder(&out);
            encoder.write(QString(m_fonts[i]).remove(u';'));
            out.append(";}");
        }
        out.append("}\r\n");
        if (m_colors.size() > 1) {
            out.append("{\\colortbl ;");
            for (qsizetype i = 1; i < m_colors.size(); ++i) {
                out.append("\\red").append(QByteArray::number(m_colors[i].red()))
                    .append("\\green").append(QByteArray::number(m_colors[i].green()))
                    .append("\\blue").append(QByteArray::number(m_colors[i].blue())).append(';');
            }
            out.append("}\r\n");
        }
        out.append("{\\*\\generator LumoLex;}\\viewkind4\\uc1 \r\n");
        return out;
    }

    const QTextDocument &m_document;
    QByteArray m_body;
    TextEncoder m_encoder;
    QString m_defaultFamily;
    double m_defaultPointSize = 12;
    QStringList m_fonts;
    QList<QColor> m_colors;
    RunFormat m_current;
    RunFormat m_formatOutsideLink;
    bool m_firstRun = true;
    bool m_pendingDelimiter = false;
    QByteArray m_paragraphWords;
    QString m_link;
};

} // namespace

QByteArray writeDocument(const QTextDocument &doc)
{
    return RtfDocumentWriter(doc).write();
}

} // namespace lumolex::rtf
