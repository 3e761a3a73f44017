#include "paradigmtags.h"

#include <algorithm>
#include <iterator>

namespace lumolex::mkdata {

namespace {

struct TagEntry {
    const char *name;
    TagKind kind;
    const char *label;
    const char *usualName = nullptr;   // set for a variant spelling of another entry
};

// Every tag part of the generated paradigms with its Russian label, in the
// order a grammar book gives them: this order sorts the rows (cases, moods
// and tenses, forms) and the columns (numbers, persons) of a forms table.
// Variant spellings of the generator ("SG", "INF", "Conneg") share the label
// of the usual spelling.
const TagEntry kTagTable[] = {
    {"N", TagKind::PartOfSpeech, "сущ."},
    {"V", TagKind::PartOfSpeech, "глаг."},
    {"Adj", TagKind::PartOfSpeech, "прил."},
    {"Num", TagKind::PartOfSpeech, "числ."},
    {"Pron", TagKind::PartOfSpeech, "мест."},
    {"Adv", TagKind::PartOfSpeech, "нареч."},
    {"Po", TagKind::PartOfSpeech, "послелог"},
    {"Pr", TagKind::PartOfSpeech, "предлог"},
    {"CC", TagKind::PartOfSpeech, "союз сочин."},
    {"CS", TagKind::PartOfSpeech, "союз подчин."},
    {"Pcle", TagKind::PartOfSpeech, "частица"},
    {"Interj", TagKind::PartOfSpeech, "межд."},

    {"Prop", TagKind::Subtype, "собств."},
    {"Card", TagKind::Subtype, "колич."},
    {"Pers", TagKind::Subtype, "личн."},
    {"Refl", TagKind::Subtype, "возвр."},
    {"Dem", TagKind::Subtype, "указ."},
    {"Prox", TagKind::Subtype, "ближн."},
    {"Dist", TagKind::Subtype, "дальн."},
    {"Disc", TagKind::Subtype, "отдал."},
    {"Interr", TagKind::Subtype, "вопр."},
    {"Rel", TagKind::Subtype, "относ."},
    {"Indef", TagKind::Subtype, "неопр."},
    {"Det", TagKind::Subtype, "определ."},
    {"Neg", TagKind::Subtype, "отриц."},

    {"Nom", TagKind::Case, "им."},
    {"Gen", TagKind::Case, "род."},
    {"Acc", TagKind::Case, "вин."},
    {"Ill", TagKind::Case, "дат.-напр. (Ill)"},
    {"Loc", TagKind::Case, "мест. (Loc)"},
    {"Com", TagKind::Case, "совм. (Com)"},
    {"Abe", TagKind::Case, "лиш. (Abe)"},
    {"Ess", TagKind::Case, "эссив"},
    {"Par", TagKind::Case, "партитив"},
    {"Ela", TagKind::Case, "исх. (Ela)"},

    {"Sg", TagKind::Number, "ед. ч."},
    {"SG", TagKind::Number, "ед. ч.", "Sg"},
    {"Du", TagKind::Number, "дв. ч."},
    {"Pl", TagKind::Number, "мн. ч."},
    {"Sg1", TagKind::PersonNumber, "1 л. ед. ч."},
    {"Sg2", TagKind::PersonNumber, "2 л. ед. ч."},
    {"Sg3", TagKind::PersonNumber, "3 л. ед. ч."},
    {"Pl1", TagKind::PersonNumber, "1 л. мн. ч."},
    {"Pl2", TagKind::PersonNumber, "2 л. мн. ч."},
    {"Pl3", TagKind::PersonNumber, "3 л. мн. ч."},
    {"Long", TagKind::Form, "полн. форма"},

    {"Ind", TagKind::Mood, "изъяв."},
    {"Imprt", TagKind::Mood, "повел."},
    {"Cond", TagKind::Mood, "условн."},
    {"Pot", TagKind::Mood, "потенц."},
    {"Prs", TagKind::Tense, "наст."},
    {"Prt", TagKind::Tense, "прош."},

    {"Inf", TagKind::Form, "инф."},
    {"INF", TagKind::Form, "инф.", "Inf"},
    {"Ptcp", TagKind::Form, "прич."},
    {"PrfPrc", TagKind::Form, "прич. прош."},
    {"Act", TagKind::Form, "действ."},
    {"Prog", TagKind::Form, "длит."},
    {"Ger", TagKind::Form, "деепр."},
    {"VAbess", TagKind::Form, "деепр. лиш."},
    {"ConNeg", TagKind::Form, "отриц. форма"},
    {"Conneg", TagKind::Form, "отриц. форма", "ConNeg"},
    {"Impers", TagKind::Form, "безл."},
    {"Ips", TagKind::Form, "безл."},
    {"Attr", TagKind::Form, "атриб."},
    {"Pred", TagKind::Form, "предик."},
};

const TagEntry *findEntry(const QString &name)
{
    for (const TagEntry &entry : kTagTable) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

} // namespace

const TagPart *AnalysedTag::find(TagKind kind) const
{
    for (const TagPart &part : parts) {
        if (part.kind == kind)
            return &part;
    }
    return nullptr;
}

QString AnalysedTag::labelOf(std::initializer_list<TagKind> kinds, Order order) const
{
    QVector<TagPart> chosen;
    std::copy_if(parts.cbegin(), parts.cend(), std::back_inserter(chosen), [kinds](const TagPart &part) {
        return std::find(kinds.begin(), kinds.end(), part.kind) != kinds.end();
    });
    if (order == Order::Table)
        std::stable_sort(chosen.begin(), chosen.end(), [](const TagPart &a, const TagPart &b) { return a.order < b.order; });
    QStringList labels;
    for (const TagPart &part : chosen) {
        if (!labels.contains(part.label))
            labels.append(part.label);
    }
    return labels.join(u' ');
}

AnalysedTag analyseTag(const QString &tag)
{
    AnalysedTag analysed;
    analysed.tag = tag;
    for (const QString &name : tag.split(u'+', Qt::SkipEmptyParts)) {
        const TagEntry *entry = findEntry(name);
        if (!entry) {
            analysed.unknownParts.append(name);
            continue;
        }
        if (entry->usualName)
            entry = findEntry(QString::fromLatin1(entry->usualName));
        TagPart part{entry->kind, int(entry - kTagTable), QString::fromLatin1(entry->name), QString::fromUtf8(entry->label)};
        // The generator repeats a part now and then ("Cond+Cond"): it says nothing more.
        const bool repeated = std::any_of(analysed.parts.cbegin(), analysed.parts.cend(),
                                          [&part](const TagPart &known) { return known.name == part.name; });
        if (!repeated)
            analysed.parts.append(part);
    }
    return analysed;
}

} // namespace lumolex::mkdata
