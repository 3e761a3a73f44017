#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

namespace lumolex::rtf {

// Character formatting as RTF describes it: indices into the document's
// tables, not resolved fonts. Compared as a whole to find format runs.
struct CharState
{
    enum Flag : std::uint16_t {
        Bold = 1 << 0,
        Italic = 1 << 1,
        Underline = 1 << 2,
        Strike = 1 << 3,
        Hidden = 1 << 4,
        AllCaps = 1 << 5,
        SmallCaps = 1 << 6,
    };
    enum Vertical : std::uint8_t { Baseline, Superscript, Subscript };

    std::int32_t font = -1;        // RTF font number (\fN), -1 = none
    std::int32_t foreground = 0;   // colour table index, 0 = automatic
    std::int32_t background = 0;   // colour table index, 0 = none
    std::int32_t link = -1;        // index of the hyperlink target, -1 = none
    std::uint16_t sizeHalfPoints = 24;
    std::uint16_t flags = 0;
    Vertical vertical = Baseline;

    bool has(Flag flag) const { return flags & flag; }
    void set(Flag flag, bool on) { flags = on ? (flags | flag) : (flags & ~flag); }
    bool operator==(const CharState &) const = default;
};

struct TabStop
{
    enum Kind : std::uint8_t { Left, Right, Center, Decimal };
    std::int32_t positionTwips = 0;
    Kind kind = Left;
    bool operator==(const TabStop &) const = default;
};

// Paragraph formatting; lengths in twips as in the RTF source.
struct ParaState
{
    static constexpr int kMaxTabs = 24;
    enum Align : std::uint8_t { Left, Center, Right, Justify };

    std::int32_t leftTwips = 0;
    std::int32_t rightTwips = 0;
    std::int32_t firstLineTwips = 0;
    std::int32_t spaceBeforeTwips = 0;
    std::int32_t spaceAfterTwips = 0;
    std::int32_t lineSpacing = 0; // \sl: 0 = single
    bool lineMultiple = false;    // \slmult1
    bool rightToLeft = false;
    bool inTable = false;
    Align align = Left;
    TabStop::Kind pendingTabKind = TabStop::Left;
    std::int32_t listOverride = -1; // \lsN: the list the paragraph belongs to
    std::uint8_t listLevel = 0;     // \ilvlN
    std::uint8_t tabCount = 0;
    // Tab stops packed as position | kind << 24, to keep the state small:
    // it is copied on every group and every paragraph.
    std::array<std::uint32_t, kMaxTabs> packedTabs {};

    TabStop tab(int index) const
    {
        return TabStop{std::int32_t(packedTabs[index] & 0xFFFFFF), TabStop::Kind(packedTabs[index] >> 24)};
    }
    void addTab(std::int32_t positionTwips, TabStop::Kind kind)
    {
        if (tabCount < kMaxTabs)
            packedTabs[tabCount++] = std::uint32_t(positionTwips & 0xFFFFFF) | (std::uint32_t(kind) << 24);
    }

    // Compares what the paragraph looks like (its list membership only adds
    // a label to its text).
    bool operator==(const ParaState &other) const
    {
        return leftTwips == other.leftTwips && rightTwips == other.rightTwips
            && firstLineTwips == other.firstLineTwips && spaceBeforeTwips == other.spaceBeforeTwips
            && spaceAfterTwips == other.spaceAfterTwips && lineSpacing == other.lineSpacing
            && lineMultiple == other.lineMultiple && rightToLeft == other.rightToLeft
            && align == other.align && tabCount == other.tabCount
            && std::equal(packedTabs.begin(), packedTabs.begin() + tabCount, other.packedTabs.begin());
    }
};

struct FontEntry
{
    QString name;
    int charset = -1;  // \fcharset, -1 = not given
    int codePage = 0;  // \cpg, 0 = not given
};

// The font, colour and link tables a document declares, as sinks need them
// to turn a CharState into real formatting.
struct DocumentTables
{
    QHash<int, FontEntry> fonts;
    QList<QColor> colors;      // index 0 may be invalid (= automatic)
    QStringList links;         // hyperlink targets referenced by CharState::link
    int defaultFont = -1;      // \deffN
};

} // namespace lumolex::rtf
