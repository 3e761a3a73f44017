#include "rtftesthelpers.h"

#include <QFile>
#include <QTextFragment>

#include <gtest/gtest.h>

namespace lumolex::rtf::test {

std::unique_ptr<QTextDocument> readRtf(QByteArrayView rtf, ReadResult *result)
{
    auto doc = std::make_unique<QTextDocument>();
    const ReadResult read = readDocument(rtf, doc.get());
    if (result)
        *result = read;
    return doc;
}

QString textOf(QByteArrayView rtf)
{
    const QString plain = plainText(rtf);
    const auto doc = readRtf(rtf);
    EXPECT_EQ(plain, doc->toPlainText()) << "the plain-text sink and the document disagree";
    return plain;
}

QString describeChar(const QTextCharFormat &format, const QString &defaultFamily)
{
    QStringList parts;
    if (format.fontWeight() >= QFont::DemiBold)
        parts << QStringLiteral("bold");
    if (format.fontItalic())
        parts << QStringLiteral("italic");
    if (format.fontUnderline())
        parts << QStringLiteral("underline");
    if (format.fontStrikeOut())
        parts << QStringLiteral("strike");
    if (format.fontCapitalization() == QFont::AllUppercase)
        parts << QStringLiteral("caps");
    if (format.fontCapitalization() == QFont::SmallCaps)
        parts << QStringLiteral("smallcaps");
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        parts << QStringLiteral("super");
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        parts << QStringLiteral("sub");
    if (format.hasProperty(QTextFormat::FontPointSize))
        parts << QStringLiteral("size=%1").arg(format.fontPointSize());
    const QStringList families = format.fontFamilies().toStringList();
    const QString family = families.isEmpty() ? defaultFamily : families.first();
    if (!family.isEmpty())
        parts << QStringLiteral("family=") + family;
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        parts << QStringLiteral("color=") + format.foreground().color().name();
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        parts << QStringLiteral("bg=") + format.background().color().name();
    if (format.isAnchor())
        parts << QStringLiteral("link=") + format.anchorHref();
    return parts.join(u' ');
}

QString describeBlock(const QTextBlockFormat &format)
{
    QStringList parts;
    auto length = [&](const char *name, qreal value) {
        if (value != 0)
            parts << QStringLiteral("%1=%2").arg(QLatin1StringView(name)).arg(value);
    };
    length("left", format.leftMargin());
    length("right", format.rightMargin());
    length("indent", format.textIndent());
    length("top", format.topMargin());
    length("bottom", format.bottomMargin());
    const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignHCenter)
        parts << QStringLiteral("center");
    else if (align & Qt::AlignJustify)
        parts << QStringLiteral("justify");
    else if (align & Qt::AlignRight)
        parts << QStringLiteral("right");
    if (format.layoutDirection() == Qt::RightToLeft)
        parts << QStringLiteral("rtl");
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        parts << QStringLiteral("line=%1%").arg(format.lineHeight());
        break;
    case QTextBlockFormat::FixedHeight:
        parts << QStringLiteral("line=exactly %1").arg(format.lineHeight());
        break;
    case QTextBlockFormat::MinimumHeight:
        parts << QStringLiteral("line=at least %1").arg(format.lineHeight());
        break;
    default:
        break;
    }
    for (const QTextOption::Tab &tab : format.tabPositions()) {
        static const char *const kinds[] = {"left", "right", "center", "decimal"};
        parts << QStringLiteral("tab=%1@%2").arg(QLatin1StringView(kinds[tab.type])).arg(tab.position);
    }
    return parts.join(u' ');
}

QTextCharFormat charFormatOf(const QTextDocument &doc, const QString &text)
{
    const QTextBlock block = blockOf(doc, text);
    if (!block.isValid())
        return {};
    const int position = block.position() + int(block.text().indexOf(text));
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.position() <= position && position < fragment.position() + fragment.length())
            return fragment.charFormat();
    }
    return {};
}

QTextBlock blockOf(const QTextDocument &doc, const QString &text)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.text().contains(text))
            return block;
    }
    return {};
}

QString signature(const QTextDocument &doc)
{
    const QString defaultFamily = doc.defaultFont().family();
    QString result;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        result += QStringLiteral("¶[%1]").arg(describeBlock(block.blockFormat()));
        if (block.length() == 1)
            result += QStringLiteral("(mark %1)").arg(describeChar(block.charFormat(), defaultFamily));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            result += QStringLiteral("«%1»{%2}").arg(fragment.text(), describeChar(fragment.charFormat(), defaultFamily));
        }
        result += u'\n';
    }
    return result;
}

QString testDataDir()
{
    return QStringLiteral(LUMOLEX_TEST_DATA_DIR);
}

QByteArray readTestFile(const QString &relativePath)
{
    QFile file(testDataDir() + u'/' + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace lumolex::rtf::test
