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
    // Forms of headwords no article holds named in the warning, at most.
    static constexpr int kOrphansNamed = 3;

    // Returns false when any source line is bad; every problem is reported.
    bool build(const BuildInput &input, BuiltData *data, ProblemList *problems);

    // Notes that do not stop the build (broken cross-references, forms of
    // headwords no article holds).
    const QStringList &warnings() const { return m_warnings; }
    const FormCounts &formCounts() const { return m_formCounts; }

private:
    void buildArticles(const BuildInput &input, BuiltData *data, ProblemList *problems);
    void buildExamples(const BuildInput &input, BuiltData *data, ProblemList *problems);
    void buildForms(const BuildInput &input, BuiltData *data, ProblemList *problems);
    void buildCredits(const BuildInput &input, BuiltData *data, ProblemList *problems);
    void checkCrossReferences(const BuiltData &data);

    QStringList m_warnings;
    FormCounts m_formCounts;
};

} // namespace lumolex::mkdata
