#include "databuilder.h"
#include "tooltext.h"

#include "articlelayout.h"
#include "bodyconverter.h"
#include "sourcerecords.h"

#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "data/table/writeguard.h"

#include <QSet>

#include <optional>

namespace lumolex::mkdata {

namespace {

template<typename Record, typename Parse>
QVector<Record> readRecords(const QStringList &files, Parse parse, ProblemList *problems)
{
    QVector<Record> records;
    for (const QString &file : files) {
        QVector<SourceLine> lines;
        readSourceLines(file, &lines, problems);
        parse(lines, &records, problems);
    }
    return records;
}

// The stored body of a source record; nullopt when it cannot be converted,
// the problem reported at the record's line.
std::optional<ConvertedBody> convertBody(BodyConverter &converter, const QString &source, const SourceLocation &where,
                                         ProblemList *problems)
{
    ConvertedBody body;
    const QString problem = converter.convert(source, &body);
    if (problem.isEmpty())
        return body;
    problems->add(where, problem);
    return std::nullopt;
}

} // namespace

bool DataBuilder::build(const BuildInput &input, BuiltData *data, ProblemList *problems)
{
    m_warnings.clear();
    m_formsLeftOut = 0;
    m_firstFormLeftOut.clear();
    m_formCounts = {};
    *data = BuiltData();
    const int before = problems->size();
    buildArticles(input, data, problems);
    buildExamples(input, data, problems);
    buildForms(input, data, problems);
    buildCredits(input, data, problems);
    data->wordForms.normalise();
    checkCrossReferences(*data);
    return problems->size() == before;
}

void DataBuilder::buildArticles(const BuildInput &input, BuiltData *data, ProblemList *problems)
{
    const QVector<ArticleSource> sources = readRecords<ArticleSource>(input.articleFiles, parseArticles, problems);
    // The grammar labels are the abbreviations of the grammar notes.
    QSet<QString> labelKeys;
    for (const ArticleSource &source : sources)
        for (const QString &note : grammarNoteTexts(source.body))
            for (const QString &label : abbreviationsIn(note))
                labelKeys.insert(RetTransc(label));
    data->wordForms.setLabelKeys(labelKeys);
    BodyConverter converter;
    data->articles.reserve(sources.size());
    for (const ArticleSource &source : sources) {
        ArticleRow row;
        row.id = int(data->articles.size()) + 1;
        row.dict = source.dict;
        row.word = source.word;
        row.key = RetTransc(source.word);
        row.gotoWord = source.gotoWord;
        if (const auto refusal = articleStoreRefusal(QVariant(row.word), QVariant(row.key))) {
            problems->add(source.where, *refusal);
            continue;
        }
        const std::optional<ConvertedBody> body = convertBody(converter, source.body, source.where, problems);
        if (!body)
            continue;
        row.bodyNull = body->isNull;
        row.body = body->stored;
        data->wordForms.addArticle(row.id, row.word, body->plainText, grammarNoteTexts(source.body));
        // The search checks precise letters in the text it reads from the
        // stored body, which an HTML source's own plain text may not match
        // character for character.
        data->wordForms.addTextWords(row.id, row.word, bodyPlainText(row.body, row.bodyNull));
        data->articles.append(row);
    }
}

void DataBuilder::buildExamples(const BuildInput &input, BuiltData *data, ProblemList *problems)
{
    const QVector<ExampleSource> sources = readRecords<ExampleSource>(input.exampleFiles, parseExamples, problems);
    BodyConverter converter;
    data->examples.reserve(sources.size());
    for (const ExampleSource &source : sources) {
        if (const std::optional<ConvertedBody> body = convertBody(converter, source.body, source.where, problems))
            data->examples.append(ExampleRow{int(data->examples.size()) + 1, body->isNull, body->stored});
    }
}

void DataBuilder::buildForms(const BuildInput &input, BuiltData *data, ProblemList *problems)
{
    const QVector<FormSource> forms = readRecords<FormSource>(input.formFiles, parseForms, problems);
    for (const FormSource &form : forms) {
        switch (data->wordForms.addForm(form.lemma, form.form)) {
        case FormMatch::Exact:
            ++m_formCounts.exact;
            break;
        case FormMatch::Folded:
            ++m_formCounts.folded;
            break;
        case FormMatch::None:
            // Expected with lists made for a larger dictionary: counted in
            // the summary, not warned about.
            ++m_formCounts.orphans;
            if (m_formsLeftOut++ == 0)
                m_firstFormLeftOut = form.where.toString() + QStringLiteral(" (") + form.lemma + u')';
            break;
        }
    }
}

void DataBuilder::buildCredits(const BuildInput &input, BuiltData *data, ProblemList *problems)
{
    const QVector<CreditSource> credits = readRecords<CreditSource>(input.creditFiles, parseCredits, problems);
    QSet<int> seen;
    for (const CreditSource &credit : credits) {
        if (seen.contains(credit.dict)) {
            problems->add(credit.where, tools::toolText("lumolex-mkdata", "dictionary %1 is credited twice").arg(credit.dict));
            continue;
        }
        seen.insert(credit.dict);
        data->credits.append(DictionaryCredit{credit.dict, credit.person, credit.source});
    }
}

void DataBuilder::checkCrossReferences(const BuiltData &data)
{
    QSet<QString> targets;
    for (const ArticleRow &row : data.articles)
        targets.insert(QString::number(row.dict) + u'\t' + row.key);
    int broken = 0;
    for (const ArticleRow &row : data.articles) {
        if (row.gotoWord.isEmpty() || targets.contains(QString::number(row.dict) + u'\t' + RetTransc(row.gotoWord)))
            continue;
        if (++broken <= 10)
            m_warnings.append(tools::toolText("lumolex-mkdata", "article %1 \"%2\": the cross-reference \"%3\" names no headword of dictionary %4")
                                  .arg(QString::number(row.id), row.word, row.gotoWord, QString::number(row.dict)));
    }
    if (broken > 10)
        m_warnings.append(tools::toolText("lumolex-mkdata", "%1 broken cross-references in all").arg(broken));
}

} // namespace lumolex::mkdata
