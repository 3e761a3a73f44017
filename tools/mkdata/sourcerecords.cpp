#include "sourcerecords.h"
#include "tooltext.h"

#include "data/files/datafileschema.h"

namespace lumolex::mkdata {

namespace {

// `message` names the field, its value %1 and the limit %2.
bool checkLength(const SourceLine &line, const char *message, const QString &value, ProblemList *problems)
{
    if (value.size() <= kMaxWordLength)
        return true;
    problems->add(line.where, tools::toolText("lumolex-mkdata", message).arg(value, QString::number(kMaxWordLength)));
    return false;
}

// The dictionary code in the line's first field; a bad one is reported.
bool readDictCode(const SourceLine &line, int *code, ProblemList *problems)
{
    if (parseDictCode(line.fields.at(0), code))
        return true;
    problems->add(line.where, tools::toolText("lumolex-mkdata", "the dictionary code \"%1\" is not a number from 0 to 2147483647")
                                  .arg(line.fields.at(0)));
    return false;
}

} // namespace

bool parseDictCode(const QString &text, int *code)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 0 || value > 2147483647)
        return false;
    *code = int(value);
    return true;
}

void parseArticles(const QVector<SourceLine> &lines, QVector<ArticleSource> *out, ProblemList *problems)
{
    for (const SourceLine &line : lines) {
        const qsizetype count = line.fields.size();
        if (count < 3 || count > 4) {
            problems->add(line.where,
                          tools::toolText("lumolex-mkdata", "expected 4 tab-separated fields (dictionary code, headword, "
                                                                   "cross-reference, body), found %1").arg(count));
            continue;
        }
        ArticleSource article;
        article.where = line.where;
        if (!readDictCode(line, &article.dict, problems))
            continue;
        // The headword is checked against the article invariant by the builder.
        article.word = line.fields.at(1).trimmed();
        article.gotoWord = line.fields.at(2).trimmed();
        article.body = count == 4 ? line.fields.at(3).trimmed() : QString();
        if (!checkLength(line, TOOL_TEXT_NOOP("lumolex-mkdata", "the headword \"%1\" is longer than %2 characters"), article.word, problems)
            || !checkLength(line, TOOL_TEXT_NOOP("lumolex-mkdata", "the cross-reference \"%1\" is longer than %2 characters"),
                            article.gotoWord, problems)) {
            continue;
        }
        out->append(article);
    }
}

void parseExamples(const QVector<SourceLine> &lines, QVector<ExampleSource> *out, ProblemList *problems)
{
    for (const SourceLine &line : lines) {
        if (line.fields.size() != 1) {
            problems->add(line.where, tools::toolText("lumolex-mkdata", "expected one field (the example's body), found %1")
                                          .arg(line.fields.size()));
            continue;
        }
        out->append(ExampleSource{line.where, line.fields.at(0).trimmed()});
    }
}

void parseForms(const QVector<SourceLine> &lines, QVector<FormSource> *out, ProblemList *problems)
{
    for (const SourceLine &line : lines) {
        if (line.fields.size() < 2) {
            problems->add(line.where, tools::toolText("lumolex-mkdata", "expected at least 2 tab-separated fields (headword, form), found %1")
                                          .arg(line.fields.size()));
            continue;
        }
        FormSource form{line.where, line.fields.at(0).trimmed(), line.fields.at(1).trimmed()};
        if (form.lemma.isEmpty() || form.form.isEmpty()) {
            problems->add(line.where, tools::toolText("lumolex-mkdata", "the headword and the form must not be empty"));
            continue;
        }
        out->append(form);
    }
}

void parseCredits(const QVector<SourceLine> &lines, QVector<CreditSource> *out, ProblemList *problems)
{
    for (const SourceLine &line : lines) {
        if (line.fields.size() < 2 || line.fields.size() > 3) {
            problems->add(line.where, tools::toolText("lumolex-mkdata", "expected 2 or 3 tab-separated fields (dictionary code, person, "
                                                                               "source), found %1").arg(line.fields.size()));
            continue;
        }
        CreditSource credit;
        credit.where = line.where;
        if (!readDictCode(line, &credit.dict, problems))
            continue;
        credit.person = line.fields.at(1).trimmed();
        credit.source = line.fields.size() == 3 ? line.fields.at(2).trimmed() : QString();
        if (credit.person.isEmpty()) {
            problems->add(line.where, tools::toolText("lumolex-mkdata", "the credited person is empty"));
            continue;
        }
        out->append(credit);
    }
}

} // namespace lumolex::mkdata
