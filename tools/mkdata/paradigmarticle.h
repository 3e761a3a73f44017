#pragma once

// The article of a lemma of the forms dictionary, as RTF: the headword in
// bold, the part of speech in grey italics, the Russian translation (from
// the 1985 dictionary where it has the headword), the grey note on forms
// made by a default model, then the forms tables. A table is written as RTF
// table rows whose paragraphs also carry tab stops at the cell borders:
// the program's reader shows a cell as the text after a tab, so the columns
// line up, and any other reader sees a true table. Every label is grey
// italic, as the grammar notes of the other dictionaries are, so that the
// word-form index leaves them out.

#include "paradigmtable.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace lumolex::mkdata {

inline constexpr char kDefaultParadigmNote[] = "формы по типовой модели, могут быть неточны";

struct ParadigmLemma {
    QString headword;
    bool isDefault = false;         // only a default inflection model made the forms
    QStringList translations;       // one per article of the 1985 dictionary with the headword
    QVector<ParadigmForm> forms;    // in source order
};

// A complete RTF document in 7-bit text (other characters as \uN).
QString renderParadigmArticle(const ParadigmLemma &lemma);

} // namespace lumolex::mkdata
