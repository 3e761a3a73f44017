#pragma once

// Lays out the forms of one lemma as a grammar book does: a noun (and
// every word with cases) by case down and number across; a verb by mood
// and tense and number down, person across; every other form (non-finite
// forms of verbs, the forms of adjectives...) as a list of labelled forms.

#include "paradigmtags.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace lumolex::mkdata {

struct ParadigmForm {
    QString tags;
    QString form;
};

struct FormsTable {
    int labelColumns = 1;       // the first cells of a row are labels
    QStringList header;         // one per column, labels included; empty: no header row
    QVector<QStringList> rows;  // cells; a cell with two spellings holds both, "a, b"

    bool isEmpty() const { return rows.isEmpty(); }
    int columnCount() const;
};

struct PartOfSpeechForms {
    QString label;              // "сущ.", "мест. личн."
    QVector<FormsTable> tables; // the case or person table first, then the list
};

// The forms grouped by part of speech in the order the parts first appear.
// Forms that only repeat the headword without a grammatical label (an
// adverb's one form) are left out; a group may so end with no table.
QVector<PartOfSpeechForms> layOutParadigm(const QString &headword, const QVector<ParadigmForm> &forms);

} // namespace lumolex::mkdata
