#pragma once

#include <string_view>

namespace lumolex::rtf {

// The control words the reader acts on. Every destination whose whole group
// is skipped maps to SkipDestination; words not listed are Unknown.
enum class Keyword : unsigned char {
    Unknown,
    SkipDestination,
    // header and encodings
    Rtf, Ansi, Mac, Pc, Pca, Ansicpg, Deff, Uc, U, Upr, Ud, Bin,
    // tables
    Fonttbl, Colortbl, F, Fcharset, Cpg, Red, Green, Blue,
    // fields, footnote marks and text-bearing destinations
    Field, Fldinst, Fldrslt, Chftn, Listtext, Pntext, Nesttableprops,
    // list definitions
    Listtable, List, Listid, Listlevel, Levelnfc, Levelstartat, Levelfollow, Leveltext,
    Listoverridetable, Listoverride, Ls, Ilvl,
    // characters and breaks
    Par, Line, Tab, Cell, NestCell, Row, NestRow, Sect, Page, Column,
    Emdash, Endash, Emspace, Enspace, Qmspace, Bullet, Lquote, Rquote, Ldblquote, Rdblquote,
    Zwj, Zwnj, Ltrmark, Rtlmark, Zwbo,
    // character formatting
    Plain, Fs, B, I, Ul, Ulnone, UlStyle, Strike, Striked, V, Caps, Scaps, Super, Sub, Nosupersub,
    Cf, Cb, Highlight, Chcbpat,
    // paragraph formatting
    Pard, Li, Ri, Fi, Ql, Qc, Qr, Qj, Sb, Sa, Sl, Slmult, Tx, Tqr, Tqc, Tqdec, Tb, Intbl, Rtlpar, Ltrpar,
};

// The keyword for a control word name (letters only, at most 32).
Keyword lookupKeyword(std::string_view name);

} // namespace lumolex::rtf
