#pragma once

// Builds the content of the data files from the source lists: assigns IDs
// in source order, computes every transcription key, converts and
// compresses the bodies, and fills the word-form index.

#include "builtdata.h"
#include "sourcefile.h"

#include <QStringList>

namespace lumolex::mkdata {

struct BuildInput {
    QStringList articleFiles;
    QStringList exampleFiles;
    QStringList formFiles;
    QStringList creditFiles;
};

// How the inflected forms found their headwords.
struct FormCounts {
    int exact = 0;   // attached to the headword spelt exactly like their lemma
    int folded = 0;  // no headword spelt so: attached through the lemma's key
    int orphans = 0; // no article holds the lemma: left out
};

class DataBuilder
{
public:
    // Returns false when any source line is bad; every problem is reported.
    bool build(const BuildInput &input, BuiltData *data, ProblemList *problems);

    // Notes that do not stop the build (broken cross-references).
    const QStringList &warnings() const { return m_warnings; }
    const FormCounts &formCounts() const { return m_formCounts; }

    // Forms whose headword no article holds, left out of the index. A form
    // list made from a morphology knows more words than any one dictionary,
    // so these are expected: they are counted, not warned about. The first
    // one is named for whoever looks for a misspelt headword.
    int formsLeftOut() const { return m_formsLeftOut; }
    const QString &firstFormLeftOut() const { return m_firstFormLeftOut; }

private:
    void buildArticles(const BuildInput &input, BuiltData *data, ProblemList *problems);
    void buildExamples(const BuildInput &input, BuiltData *data, ProblemList *problems);
    void buildForms(const BuildInput &input, BuiltData *data, ProblemList *problems);
    void buildCredits(const BuildInput &input, BuiltData *data, ProblemList *problems);
    void checkCrossReferences(const BuiltData &data);

    QStringList m_warnings;
    int m_formsLeftOut = 0;
    QString m_firstFormLeftOut;
    FormCounts m_formCounts;
};

} // namespace lumolex::mkdata
