#include "kildinsources.h"
#include "tooltext.h"

#include <QDir>

namespace lumolex::mkdata {

namespace {

// Reads a file whose first line must name exactly `header` and whose other
// lines have as many fields.
bool readTable(const QString &path, const QStringList &header, QVector<SourceLine> *rows, ProblemList *problems)
{
    QVector<SourceLine> lines;
    if (!readSourceLines(path, &lines, problems))
        return false;
    if (lines.isEmpty() || lines.first().fields != header) {
        problems->add(SourceLocation{path, lines.isEmpty() ? 1 : lines.first().where.line},
                      tools::toolText("lumolex-mkdata", "expected the header line \"%1\"").arg(header.join(QStringLiteral("<TAB>"))));
        return false;
    }
    bool ok = true;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        SourceLine line = lines.at(i);
        if (line.fields.size() != header.size()) {
            problems->add(line.where, tools::toolText("lumolex-mkdata", "expected %1 tab-separated fields, found %2")
                                          .arg(header.size())
                                          .arg(line.fields.size()));
            ok = false;
            continue;
        }
        for (QString &field : line.fields)
            field = cleanText(field);
        rows->append(line);
    }
    return ok;
}

bool readEntries(const QString &path, const QStringList &header, QVector<KildinEntry> *entries, ProblemList *problems)
{
    QVector<SourceLine> rows;
    const bool ok = readTable(path, header, &rows, problems);
    for (const SourceLine &row : rows) {
        if (row.fields.at(0).isEmpty()) {
            problems->add(row.where, tools::toolText("lumolex-mkdata", "the headword is empty"));
            continue;
        }
        entries->append(KildinEntry{row.where, row.fields.at(0), row.fields.at(1), row.fields.at(2), row.fields.at(3)});
    }
    return ok;
}

} // namespace

QString cleanText(const QString &text)
{
    return text.normalized(QString::NormalizationForm_C).simplified();
}

bool readKildinSources(const QString &folder, KildinSources *sources, ProblemList *problems)
{
    const QDir dir(folder);
    const QStringList dictionaryHeader{QStringLiteral("headword"), QStringLiteral("pos"), QStringLiteral("rus"),
                                       QStringLiteral("notes")};
    bool ok = readEntries(dir.filePath(QStringLiteral("sjd_rus.tsv")), dictionaryHeader, &sources->saamiRussian1985, problems);
    ok = readEntries(dir.filePath(QStringLiteral("sjd_rus_kert1986.tsv")), dictionaryHeader,
                     &sources->saamiRussian1986, problems) && ok;
    ok = readEntries(dir.filePath(QStringLiteral("rus_sjd.tsv")),
                     {QStringLiteral("rus_headword"), QStringLiteral("pos"), QStringLiteral("sjd"), QStringLiteral("notes")},
                     &sources->russianSaami1986, problems) && ok;

    QVector<SourceLine> rows;
    ok = readTable(dir.filePath(QStringLiteral("examples.tsv")),
                   {QStringLiteral("headword"), QStringLiteral("sjd_example"), QStringLiteral("rus_translation")}, &rows,
                   problems) && ok;
    for (const SourceLine &row : rows) {
        // A few examples have no translation; they are shown without one.
        if (row.fields.at(1).isEmpty()) {
            problems->add(row.where, tools::toolText("lumolex-mkdata", "the example is empty"));
            continue;
        }
        sources->examples.append(KildinExample{row.where, row.fields.at(0), row.fields.at(1), row.fields.at(2)});
    }

    rows.clear();
    ok = readTable(dir.filePath(QStringLiteral("forms.tsv")),
                   {QStringLiteral("headword"), QStringLiteral("form"), QStringLiteral("tags"), QStringLiteral("source")},
                   &rows, problems) && ok;
    for (const SourceLine &row : rows) {
        if (row.fields.at(0).isEmpty() || row.fields.at(1).isEmpty()) {
            problems->add(row.where, tools::toolText("lumolex-mkdata", "the headword or the form is empty"));
            continue;
        }
        sources->forms.append(KildinForm{row.where, row.fields.at(0), row.fields.at(1)});
    }

    rows.clear();
    ok = readTable(dir.filePath(QStringLiteral("paradigms.tsv")),
                   {QStringLiteral("headword"), QStringLiteral("tags"), QStringLiteral("form"), QStringLiteral("paradigm")},
                   &rows, problems) && ok;
    for (const SourceLine &row : rows) {
        const QString &paradigm = row.fields.at(3);
        if (row.fields.at(0).isEmpty() || row.fields.at(1).isEmpty() || row.fields.at(2).isEmpty()) {
            problems->add(row.where, tools::toolText("lumolex-mkdata", "the headword, the tags or the form is empty"));
            continue;
        }
        if (paradigm != QLatin1String("explicit") && paradigm != QLatin1String("default")) {
            problems->add(row.where, tools::toolText("lumolex-mkdata", "the paradigm is \"%1\", not \"explicit\" or \"default\"").arg(paradigm));
            continue;
        }
        sources->paradigms.append(KildinParadigmForm{row.where, row.fields.at(0), row.fields.at(1), row.fields.at(2),
                                                     paradigm == QLatin1String("default")});
    }
    return ok && problems->isEmpty();
}

} // namespace lumolex::mkdata
