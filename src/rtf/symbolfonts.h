#pragma once

#include <QString>

namespace lumolex::rtf {

// What a character code of a SYMBOL field means as Unicode.
//
// A SYMBOL field names a character by its code in a font. Symbol fonts
// (Symbol, Wingdings) are not encoded in Unicode; their codes are mapped as
// follows:
//  - a code with a known Unicode equivalent (the Greek letters and
//    mathematical signs of Symbol, the faces, shapes and boxes of Wingdings)
//    becomes that character, shown in the surrounding text's font;
//  - any other code of a symbol font becomes the private-use character
//    U+F000 + code, which is how symbol fonts map their glyphs on Windows, to
//    be shown in the named font;
//  - a code in any other font is a character of that font's text (unicode
//    is then the caller's job: see SymbolCharacter::inNamedFont).
struct SymbolCharacter
{
    char32_t codePoint = 0;    // 0: not a symbol font, decode the code as text
    bool inNamedFont = false;  // true: shown in the named font (private use)
};

bool isSymbolFont(QStringView fontName);
SymbolCharacter symbolFontCharacter(QStringView fontName, int code);

// A parsed SYMBOL field instruction: SYMBOL code [\f "font"] [\u] [\a] [\s n]...
struct SymbolInstruction
{
    bool valid = false;
    int code = 0;
    QString font;              // empty: the font of the field
    bool unicode = false;      // \u: the code is a Unicode code point
};

SymbolInstruction parseSymbolInstruction(QStringView instruction);

} // namespace lumolex::rtf
