#include "rtf/codepage.h"

#include <unicode/ucnv.h>

#include <array>
#include <unordered_map>
#include <vector>

namespace lumolex::rtf {

int codePageForCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;   // ANSI
    case 2: return CodePage::Symbol;
    case 77: return 10000; // Mac Roman
    case 78: return 10001; // Mac Japanese
    case 79: return 10003; // Mac Korean
    case 80: return 10008; // Mac Simplified Chinese
    case 81: return 10002; // Mac Traditional Chinese
    case 83: return 10005; // Mac Hebrew
    case 84: return 10004; // Mac Arabic
    case 85: return 10006; // Mac Greek
    case 86: return 10081; // Mac Turkish
    case 87: return 10021; // Mac Thai
    case 88: return 10029; // Mac Central European
    case 89: return 10007; // Mac Cyrillic
    case 128: return 932;  // Shift-JIS
    case 129: return 949;  // Hangul
    case 130: return 1361; // Johab
    case 134: return 936;  // GB2312 / GBK
    case 136: return 950;  // Big5
    case 161: return 1253; // Greek
    case 162: return 1254; // Turkish
    case 163: return 1258; // Vietnamese
    case 177: return 1255; // Hebrew
    case 178: return 1256; // Arabic
    case 186: return 1257; // Baltic
    case 204: return 1251; // Cyrillic
    case 222: return 874;  // Thai
    case 238: return 1250; // Central European
    case 254: return 437;  // PC 437
    case 255: return 850;  // OEM
    default: return 0;     // 1 = default character set, or unknown
    }
}

int charsetForCodePage(int codePage)
{
    switch (codePage) {
    case 1252: return 0;
    case 1251: return 204;
    case 1250: return 238;
    case 1253: return 161;
    case 1254: return 162;
    case 1255: return 177;
    case 1256: return 178;
    case 1257: return 186;
    case 1258: return 163;
    case 874: return 222;
    case 932: return 128;
    case 936: return 134;
    case 949: return 129;
    case 950: return 136;
    default: return 0;
    }
}

struct CodePageCodec::Converter
{
    UConverter *handle = nullptr;
    ~Converter() { if (handle) ucnv_close(handle); }
};

struct CodePageCodec::Reverse
{
    std::unordered_map<char16_t, unsigned char> bytes;
};

namespace {

// The upper half of Windows-1251, the code page of the dictionary's Cyrillic
// bodies, as ICU's converter reads it (the RTF tests compare the two): a
// body is decoded without opening the converter, whose data costs a
// one-shot look-up more than the body itself. 0xC0-0xFF are А-я.
constexpr std::array<char16_t, 64> kWindows1251From80 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457
};

char16_t windows1251(int byte)
{
    if (byte < 0x80)
        return char16_t(byte);
    if (byte >= 0xC0)
        return char16_t(0x0410 + (byte - 0xC0));
    return kWindows1251From80[size_t(byte - 0x80)];
}

UConverter *openConverter(int codePage)
{
    if (codePage <= 0)
        return nullptr;
    std::vector<std::string> names;
    if (codePage == CodePage::Utf8) {
        names = {"UTF-8"};
    } else {
        const std::string number = std::to_string(codePage);
        names = {"windows-" + number, "ibm-" + number, "cp" + number};
    }
    for (const std::string &name : names) {
        UErrorCode error = U_ZERO_ERROR;
        UConverter *converter = ucnv_open(name.c_str(), &error);
        if (U_SUCCESS(error) && converter)
            return converter;
        if (converter)
            ucnv_close(converter);
    }
    return nullptr;
}

} // namespace

CodePageCodec::CodePageCodec(int codePage)
    : m_codePage(codePage), m_reverse(std::make_unique<Reverse>()), m_converter(std::make_unique<Converter>())
{
    if (codePage == CodePage::Windows1251) {
        m_valid = true;
        m_singleByte = true;
        for (int byte = 0; byte < 256; ++byte)
            setByte(byte, windows1251(byte), false);
        return;
    }
    // Symbol fonts have no code page of their own: their letters are read as
    // Windows-1252, except the bullet every list fallback text uses.
    const bool symbol = codePage == CodePage::Symbol;
    m_converter->handle = openConverter(symbol ? CodePage::Windows1252 : codePage);
    if (!m_converter->handle)
        return;
    m_valid = true;
    UErrorCode error = U_ZERO_ERROR;
    m_singleByte = ucnv_getType(m_converter->handle) == UCNV_SBCS && ucnv_getMaxCharSize(m_converter->handle) == 1;
    if (!m_singleByte)
        return;
    for (int byte = 0; byte < 256; ++byte) {
        const char in = char(byte);
        UChar out[4] = {};
        error = U_ZERO_ERROR;
        ucnv_reset(m_converter->handle);
        const int32_t length = ucnv_toUChars(m_converter->handle, out, 4, &in, 1, &error);
        char16_t ch = (U_SUCCESS(error) && length == 1) ? char16_t(out[0]) : char16_t(0xFFFD);
        if (ch == 0x1A && byte != 0x1A)
            ch = 0xFFFD; // ICU's substitution character for unassigned bytes
        setByte(byte, ch, symbol);
    }
}

void CodePageCodec::setByte(int byte, char16_t ch, bool symbol)
{
    if (ch < 0x20 && ch != u'\t')
        ch = kDropped;
    if (symbol && byte == 0xB7)
        ch = 0x2022;
    m_table[size_t(byte)] = ch;
    if (byte >= 0x80 && ch != 0xFFFD && ch != kDropped)
        m_reverse->bytes.emplace(ch, static_cast<unsigned char>(byte));
}

CodePageCodec::~CodePageCodec() = default;

QString CodePageCodec::decode(QByteArrayView bytes) const
{
    if (bytes.isEmpty())
        return {};
    if (m_singleByte) {
        QString result;
        result.reserve(bytes.size());
        for (char byte : bytes) {
            const char16_t ch = m_table[static_cast<unsigned char>(byte)];
            if (ch != kDropped)
                result.append(QChar(ch));
        }
        return result;
    }
    if (!m_valid)
        return {};
    // Multi-byte: one ICU call over the whole string; the output never has
    // more UTF-16 units than the input has bytes (plus a substitution each).
    QString result(bytes.size() * 2 + 2, Qt::Uninitialized);
    UErrorCode error = U_ZERO_ERROR;
    ucnv_reset(m_converter->handle);
    const int32_t length = ucnv_toUChars(m_converter->handle, reinterpret_cast<UChar *>(result.data()),
                                         int32_t(result.size()), bytes.data(), int32_t(bytes.size()), &error);
    if (U_FAILURE(error))
        return QString(QChar(0xFFFD));
    result.truncate(length);
    return result;
}

int CodePageCodec::encodeByte(char16_t ch) const
{
    if (ch < 0x80)
        return ch;
    const auto it = m_reverse->bytes.find(ch);
    return it == m_reverse->bytes.end() ? -1 : it->second;
}

const CodePageCodec *CodePageCache::codec(int codePage)
{
    // Windows code page numbers stay below 65536. Documents can name any
    // number, so unknown ones are remembered only up to a limit: the cache
    // cannot grow without bound, and ICU holds a few hundred code pages.
    constexpr std::size_t kMaxUnknown = 1024;
    // One cache a thread: a converter keeps state while it decodes, so
    // threads reading bodies side by side must not share one.
    static thread_local std::unordered_map<int, std::unique_ptr<CodePageCodec>> cache;
    static thread_local std::size_t unknown = 0;
    if (codePage == 0 || codePage < CodePage::Symbol || codePage > 65535)
        return nullptr;
    auto it = cache.find(codePage);
    if (it != cache.end())
        return it->second.get();
    std::unique_ptr<CodePageCodec> codec(new CodePageCodec(codePage));
    if (!codec->isValid()) {
        if (unknown >= kMaxUnknown)
            return nullptr;
        ++unknown;
        codec.reset();
    }
    return cache.emplace(codePage, std::move(codec)).first->second.get();
}

QString decodeCodePage(QByteArrayView bytes, int codePage)
{
    const CodePageCodec *codec = CodePageCache::codec(codePage);
    if (!codec)
        codec = CodePageCache::codec(CodePage::Windows1252);
    return codec ? codec->decode(bytes) : QString::fromLatin1(bytes.data(), bytes.size());
}

} // namespace lumolex::rtf
