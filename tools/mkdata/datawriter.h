#pragma once

// Writes the three data files. Each file is written in full under a
// temporary name beside its final place; only when all three are complete
// do they replace the old files, so a failed build leaves no half file.

#include "builtdata.h"

#include <QString>

namespace lumolex::mkdata {

class DataWriter
{
public:
    // Returns an empty text on success, else what went wrong.
    QString write(const BuiltData &data, const QString &outputFolder);

private:
    static QString writeArticles(const BuiltData &data, const QString &path);
    static QString writeWordForms(const BuiltData &data, const QString &path);
    static QString writeExamples(const BuiltData &data, const QString &path);
};

} // namespace lumolex::mkdata
