#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>

namespace lumolex::rtf {

// Windows code page numbers used by RTF (\ansicpg, \cpg) and the code page
// implied by a font character set (\fcharset). All conversions go through
// ICU converters; single-byte code pages are turned into 256-entry tables
// once, so that the reader decodes them with one lookup per byte.
namespace CodePage {
inline constexpr int Utf8 = 65001;
inline constexpr int Windows1251 = 1251;
inline constexpr int Windows1252 = 1252;
inline constexpr int Symbol = -2; // \fcharset2: the symbol fonts' own encoding
}

// Code page for an RTF \fcharset value; 0 when the character set does not
// name one (1 = "default", unknown values), so the caller falls back.
int codePageForCharset(int charset);

// The \fcharset value a writer gives a font whose text uses codePage (0 when
// there is none).
int charsetForCodePage(int codePage);

// One code page, opened through ICU. Instances are shared and immutable;
// get them from CodePageCache.
class CodePageCodec
{
public:
    // Marker in the byte table for bytes that produce no character.
    static constexpr char16_t kDropped = 0xFFFF;

    ~CodePageCodec();
    CodePageCodec(const CodePageCodec &) = delete;
    CodePageCodec &operator=(const CodePageCodec &) = delete;

    int codePage() const { return m_codePage; }
    bool isValid() const { return m_valid; }
    bool isSingleByte() const { return m_singleByte; }

    // Single-byte code pages: the character of each byte. Control bytes
    // below 0x20 other than TAB map to kDropped, unassigned bytes to U+FFFD.
    const std::array<char16_t, 256> &byteTable() const { return m_table; }

    // Decodes a whole byte string (lead/trail pairs of multi-byte code pages
    // included); malformed sequences give U+FFFD.
    QString decode(QByteArrayView bytes) const;

    // The byte this code page uses for ch, or -1 (single-byte code pages only).
    int encodeByte(char16_t ch) const;

private:
    friend class CodePageCache;
    explicit CodePageCodec(int codePage);
    // Stores the character of a single-byte code page's byte (as
    // byteTable() tells) and its way back.
    void setByte(int byte, char16_t ch, bool symbol);

    int m_codePage = 0;
    bool m_valid = false;
    bool m_singleByte = false;
    std::array<char16_t, 256> m_table {};
    struct Reverse;
    std::unique_ptr<Reverse> m_reverse;
    struct Converter;
    std::unique_ptr<Converter> m_converter;
};

// Cache of opened code pages, one for each thread: the fragment search
// reads article bodies on several threads at once.
class CodePageCache
{
public:
    // The codec for codePage, or nullptr when ICU has no converter for it.
    static const CodePageCodec *codec(int codePage);
};

// Convenience: decodes bytes in the given code page, Windows-1252 when the
// code page is unknown.
QString decodeCodePage(QByteArrayView bytes, int codePage);

} // namespace lumolex::rtf
