#include "rtf/rtfkeywords.h"

#include <array>
#include <cstdint>

namespace lumolex::rtf {

namespace {

struct KeywordName
{
    std::string_view name;
    Keyword keyword;
};

// Destinations whose content never reaches the text: document properties,
// style and list definitions, pictures, headers and footers, notes and
// comments, bookmarks, index and drawing data.
constexpr std::string_view kSkippedDestinations[] = {
    "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atndate", "atnicn", "atnid", "atnparent",
    "atnref", "atntime", "atrfend", "atrfstart", "author", "bkmkend", "bkmkstart", "blipuid", "buptim",
    "category", "colorschememapping", "comment", "company", "creatim", "datafield", "datastore", "defchp",
    "defpap", "do", "doccomm", "docvar", "dptxbxtext", "falt", "fchars", "ffdeftext", "ffentrymcr",
    "ffexitmcr", "ffformat", "ffhelptext", "ffl", "ffname", "ffstattext", "filetbl", "fldtype", "fname",
    "footer", "footerf", "footerl", "footerr", "footnote", "formfield", "ftncn", "ftnsep", "ftnsepc",
    "generator", "header", "headerf", "headerl", "headerr", "hlinkbase", "info", "keywords", "latentstyles",
    "lchars", "levelnumbers", "lfolevel", "linkval", "listname",
    "listpicture", "liststylename", "manager", "mhtmltag",
    "mmathPr", "nextfile", "nonesttables", "nonshppict", "objalias", "objclass",
    "objdata", "object_data", "objname", "objsect", "objtime", "oldcprops", "oldpprops", "oldsprops",
    "oldtprops", "operator", "panose", "passwordhash", "pgdsctbl", "pict", "picprop", "pn", "pnseclvl",
    "pntxta", "pntxtb", "printim", "private", "propname", "protend", "protstart", "protusertbl",
    "pxe", "revtbl", "revtim", "rsidtbl", "rxe", "shpinst", "shppict", "shptxt", "sn", "sp", "staticval",
    "stylesheet", "subject", "sv", "tc", "template", "themedata", "title", "txe", "userprops",
    "wgrffmtfilter", "windowcaption", "writereservation", "writereservhash", "xe", "xform",
    "xmlattrname", "xmlattrvalue", "xmlclose", "xmlname", "xmlnstbl", "xmlopen",
};

constexpr KeywordName kKeywords[] = {
    {"rtf", Keyword::Rtf}, {"ansi", Keyword::Ansi}, {"mac", Keyword::Mac}, {"pc", Keyword::Pc},
    {"pca", Keyword::Pca}, {"ansicpg", Keyword::Ansicpg}, {"deff", Keyword::Deff}, {"uc", Keyword::Uc},
    {"u", Keyword::U}, {"upr", Keyword::Upr}, {"ud", Keyword::Ud}, {"bin", Keyword::Bin},
    {"fonttbl", Keyword::Fonttbl}, {"colortbl", Keyword::Colortbl}, {"f", Keyword::F},
    {"fcharset", Keyword::Fcharset}, {"cpg", Keyword::Cpg}, {"red", Keyword::Red},
    {"green", Keyword::Green}, {"blue", Keyword::Blue},
    {"field", Keyword::Field}, {"fldinst", Keyword::Fldinst}, {"fldrslt", Keyword::Fldrslt},
    {"chftn", Keyword::Chftn}, {"nesttableprops", Keyword::Nesttableprops}, {"listtext", Keyword::Listtext}, {"pntext", Keyword::Pntext},
    {"listtable", Keyword::Listtable}, {"list", Keyword::List}, {"listid", Keyword::Listid},
    {"listlevel", Keyword::Listlevel}, {"levelnfc", Keyword::Levelnfc}, {"levelnfcn", Keyword::Levelnfc},
    {"levelstartat", Keyword::Levelstartat}, {"levelfollow", Keyword::Levelfollow},
    {"leveltext", Keyword::Leveltext}, {"listoverridetable", Keyword::Listoverridetable},
    {"listoverride", Keyword::Listoverride}, {"ls", Keyword::Ls}, {"ilvl", Keyword::Ilvl},
    {"par", Keyword::Par}, {"line", Keyword::Line}, {"tab", Keyword::Tab}, {"cell", Keyword::Cell},
    {"nestcell", Keyword::NestCell}, {"row", Keyword::Row}, {"nestrow", Keyword::NestRow},
    {"sect", Keyword::Sect}, {"page", Keyword::Page}, {"column", Keyword::Column},
    {"emdash", Keyword::Emdash}, {"endash", Keyword::Endash}, {"emspace", Keyword::Emspace},
    {"enspace", Keyword::Enspace}, {"qmspace", Keyword::Qmspace}, {"bullet", Keyword::Bullet},
    {"lquote", Keyword::Lquote}, {"rquote", Keyword::Rquote}, {"ldblquote", Keyword::Ldblquote},
    {"rdblquote", Keyword::Rdblquote}, {"zwj", Keyword::Zwj}, {"zwnj", Keyword::Zwnj},
    {"ltrmark", Keyword::Ltrmark}, {"rtlmark", Keyword::Rtlmark}, {"zwbo", Keyword::Zwbo},
    {"plain", Keyword::Plain}, {"fs", Keyword::Fs}, {"b", Keyword::B}, {"i", Keyword::I},
    {"ul", Keyword::Ul}, {"ulnone", Keyword::Ulnone}, {"uld", Keyword::UlStyle}, {"uldb", Keyword::UlStyle},
    {"ulw", Keyword::UlStyle}, {"uldash", Keyword::UlStyle}, {"uldashd", Keyword::UlStyle},
    {"uldashdd", Keyword::UlStyle}, {"ulhwave", Keyword::UlStyle}, {"ulldash", Keyword::UlStyle},
    {"ulth", Keyword::UlStyle}, {"ulthd", Keyword::UlStyle}, {"ulthdash", Keyword::UlStyle},
    {"ulthdashd", Keyword::UlStyle}, {"ulthdashdd", Keyword::UlStyle}, {"ulthldash", Keyword::UlStyle},
    {"ululdbwave", Keyword::UlStyle}, {"ulwave", Keyword::UlStyle}, {"strike", Keyword::Strike},
    {"striked", Keyword::Striked}, {"v", Keyword::V}, {"caps", Keyword::Caps}, {"scaps", Keyword::Scaps},
    {"super", Keyword::Super}, {"sub", Keyword::Sub}, {"nosupersub", Keyword::Nosupersub},
    {"cf", Keyword::Cf}, {"cb", Keyword::Cb}, {"highlight", Keyword::Highlight},
    {"chcbpat", Keyword::Chcbpat},
    {"pard", Keyword::Pard}, {"li", Keyword::Li}, {"lin", Keyword::Li}, {"ri", Keyword::Ri},
    {"rin", Keyword::Ri}, {"fi", Keyword::Fi}, {"ql", Keyword::Ql}, {"qc", Keyword::Qc},
    {"qr", Keyword::Qr}, {"qj", Keyword::Qj}, {"qd", Keyword::Qj}, {"sb", Keyword::Sb}, {"sa", Keyword::Sa},
    {"sl", Keyword::Sl}, {"slmult", Keyword::Slmult}, {"tx", Keyword::Tx}, {"tqr", Keyword::Tqr},
    {"tqc", Keyword::Tqc}, {"tqdec", Keyword::Tqdec}, {"tb", Keyword::Tb}, {"intbl", Keyword::Intbl},
    {"rtlpar", Keyword::Rtlpar}, {"ltrpar", Keyword::Ltrpar},
};

constexpr std::uint32_t hashName(std::string_view name)
{
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

// Open-addressing table built once: one hash and usually one comparison per
// control word, which matters because control words dominate RTF input.
class KeywordTable
{
public:
    KeywordTable()
    {
        for (std::string_view name : kSkippedDestinations)
            insert(name, Keyword::SkipDestination);
        for (const KeywordName &entry : kKeywords)
            insert(entry.name, entry.keyword);
    }

    Keyword find(std::string_view name) const
    {
        const std::size_t length = name.size();
        for (std::uint32_t slot = hashName(name) & kMask;; slot = (slot + 1) & kMask) {
            const Slot &s = m_slots[slot];
            if (!s.name)
                return Keyword::Unknown;
            if (s.length == length && equalNames(s.name, name.data(), length))
                return s.keyword;
        }
    }

private:
    static constexpr std::uint32_t kSize = 1024;
    static constexpr std::uint32_t kMask = kSize - 1;
    struct Slot
    {
        const char *name = nullptr;
        std::size_t length = 0;
        Keyword keyword = Keyword::Unknown;
    };

    static bool equalNames(const char *a, const char *b, std::size_t length)
    {
        for (std::size_t i = 0; i < length; ++i) {
            if (a[i] != b[i])
                return false;
        }
        return true;
    }

    void insert(std::string_view name, Keyword keyword)
    {
        std::uint32_t slot = hashName(name) & kMask;
        while (m_slots[slot].name && std::string_view(m_slots[slot].name, m_slots[slot].length) != name)
            slot = (slot + 1) & kMask;
        m_slots[slot] = {name.data(), name.size(), keyword};
    }

    std::array<Slot, kSize> m_slots {};
};

} // namespace

Keyword lookupKeyword(std::string_view name)
{
    static const KeywordTable table;
    return table.find(name);
}

} // namespace lumolex::rtf
