#pragma once

#include "rtf/rtfkeywords.h"

#include <QByteArrayView>
#include <QString>

#include <array>

#include <cstdint>

namespace lumolex::rtf {

enum class TokenType : unsigned char {
    End,          // no more input
    GroupOpen,    // {
    GroupClose,   // }
    Text,         // a run of literal bytes (no CR/LF, no braces, no backslash)
    HexByte,      // \'hh
    ControlWord,  // \name or \name-123
    ControlSymbol,// \ followed by one non-letter (\~ \- \_ \* \{ \} \\ \| \:)
    Binary,       // the payload of \binN
};

struct Token
{
    TokenType type = TokenType::End;
    Keyword keyword = Keyword::Unknown; // ControlWord
    bool hasParam = false;              // ControlWord
    char symbol = 0;                    // ControlSymbol
    unsigned char byte = 0;             // HexByte
    std::int32_t param = 0;             // ControlWord (saturated to int32)
    const char *data = nullptr;         // Text, Binary
    qsizetype size = 0;                 // Text, Binary
};

// Splits RTF bytes into tokens without copying them. Works in one pass with
// constant memory: control word names of any length are consumed but only
// the first 32 letters are looked up, numeric parameters saturate, and a
// \bin payload is a view into the input, clipped at its end.
class RtfTokenizer
{
public:
    explicit RtfTokenizer(QByteArrayView input) : m_pos(input.data()), m_end(input.data() + input.size()) {}

    Token next();

    // Consumes everything up to and including the '}' that closes the group
    // the reader is in (braces nested inside it included, \bin payloads
    // and escaped braces respected). Returns false when the input ends first.
    bool skipGroup();

    // Fast path for body text in a single-byte code page: decodes `first`
    // and then the text that follows (literal bytes, \'hh escapes, and \uN
    // escapes of ordinary characters whose unicodeSkip fallback units are
    // plain bytes or \'hh; raw CR/LF are skipped) through table, appends it
    // to out, and stops before anything else. Table entries equal to
    // `dropped` produce nothing.
    void decodeTextRun(QByteArrayView first, const std::array<char16_t, 256> &table, char16_t dropped,
                       int unicodeSkip, QString &out);

    // Moves to the first '{' of the input; false when there is none.
    bool seekGroupStart();

    bool atEnd() const { return m_pos >= m_end; }
    // True when the input ended inside a token (\', a \bin payload...).
    bool truncated() const { return m_truncated; }

private:
    Token readControl();
    void skipControlWordAndPayload();

    const char *m_pos;
    const char *m_end;
    bool m_truncated = false;
};

} // namespace lumolex::rtf
