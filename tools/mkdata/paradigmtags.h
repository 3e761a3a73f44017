#pragma once

// The grammatical tags of the generated Kildin Saami paradigms
// ("N+Sg+Gen", "V+Ind+Prs+Sg1", "Pron+Pers+Pl1+Pl+Nom") and their Russian
// labels. One table in paradigmtags.cpp gives every tag part its label and
// its kind; a tag is labelled when every part of it is in the table.

#include <QString>
#include <QStringList>
#include <QVector>

#include <initializer_list>

namespace lumolex::mkdata {

enum class TagKind {
    PartOfSpeech,   // N, V, Adj...: the first part of a tag
    Subtype,        // Prop, Pers, Dem, Card...: completes the part of speech
    Case,
    Number,         // Sg, Pl, Du
    PersonNumber,   // Sg1...Pl3
    Mood,
    Tense,
    Form,           // non-finite forms and other form names (Inf, Ger, ConNeg, Attr...)
};

struct TagPart {
    TagKind kind;
    int order = 0;      // the part's place in the table: orders rows and columns
    QString name;       // as the table spells it (a variant spelling maps to its usual name)
    QString label;      // Russian
};

struct AnalysedTag {
    QString tag;                // as the source spells it
    QVector<TagPart> parts;     // known parts in tag order, repeats removed
    QStringList unknownParts;   // parts the table does not know

    bool isLabelled() const { return unknownParts.isEmpty(); }
    bool has(TagKind kind) const { return find(kind) != nullptr; }
    const TagPart *find(TagKind kind) const;
    // The labels of the parts of these kinds joined by blanks, in the
    // table's order ("Prop+N": "сущ. собств.") or in the tag's ("Ptcp+Prs": "прич. наст.").
    enum class Order { Table, Tag };
    QString labelOf(std::initializer_list<TagKind> kinds, Order order = Order::Table) const;
};

AnalysedTag analyseTag(const QString &tag);

} // namespace lumolex::mkdata
