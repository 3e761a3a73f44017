#include "paradigmdictionary.h"
#include "tooltext.h"

#include "paradigmarticle.h"
#include "paradigmtags.h"

#include <QHash>
#include <QMap>
#include <QSet>

namespace lumolex::mkdata {

namespace {

constexpr int kListedExamples = 5;

QString describe(const KildinParadigmForm &row)
{
    return QStringLiteral("%1 (%2 %3 %4)").arg(row.where.toString(), row.headword, row.tags, row.form);
}

} // namespace

bool isWordForm(const QString &form)
{
    if (form.isEmpty())
        return false;
    for (const QChar c : form) {
        const bool joiner = c == u'-' || c == u'\'' || c == u'\u2019' || c == u' ';
        if (!c.isLetter() && !c.isMark() && !joiner)
            return false;
    }
    return form.front().isLetter();
}

ParadigmDictionary convertParadigms(const QVector<KildinParadigmForm> &rows,
                                    const QVector<KildinEntry> &saamiRussian1985)
{
    QHash<QString, QStringList> translations;   // by headword exactly as written
    for (const KildinEntry &entry : saamiRussian1985) {
        if (!entry.translation.isEmpty())
            translations[entry.headword].append(entry.translation);
    }

    QVector<ParadigmLemma> lemmas;
    QHash<QString, qsizetype> lemmaAt;
    QMap<QString, int> unlabelled;              // tag -> rows
    QSet<QString> tags;
    QStringList leftOut;
    int leftOutCount = 0;
    ParadigmDictionary dictionary;
    QSet<std::pair<QString, QString>> pairs;
    for (const KildinParadigmForm &row : rows) {
        tags.insert(row.tags);
        if (!analyseTag(row.tags).isLabelled())
            ++unlabelled[row.tags];
        auto at = lemmaAt.constFind(row.headword);
        if (at == lemmaAt.constEnd()) {
            at = lemmaAt.insert(row.headword, lemmas.size());
            lemmas.append(ParadigmLemma{row.headword, row.isDefault, translations.value(row.headword), {}});
        }
        ParadigmLemma &lemma = lemmas[*at];
        lemma.isDefault = lemma.isDefault || row.isDefault;
        if (!isWordForm(row.form)) {
            if (leftOutCount++ < kListedExamples)
                leftOut.append(describe(row));
            continue;
        }
        lemma.forms.append(ParadigmForm{row.tags, row.form});
        if (!pairs.contains({row.headword, row.form})) {
            pairs.insert({row.headword, row.form});
            dictionary.forms.append({row.headword, row.form});
        }
    }

    int translated = 0;
    int byDefault = 0;
    for (const ParadigmLemma &lemma : lemmas) {
        dictionary.articles.append(ParadigmArticle{lemma.headword, renderParadigmArticle(lemma)});
        translated += !lemma.translations.isEmpty();
        byDefault += lemma.isDefault;
    }

    dictionary.summary.append(tools::toolText("lumolex-mkdata", "forms dictionary: %1 articles (%2 with the translation of the 1985 "
                                                             "dictionary, %3 by a default model), %4 forms")
                                  .arg(lemmas.size()).arg(translated).arg(byDefault).arg(dictionary.forms.size()));
    if (unlabelled.isEmpty()) {
        dictionary.summary.append(tools::toolText("lumolex-mkdata", "forms dictionary: all %1 tags labelled").arg(tags.size()));
    } else {
        QStringList listed;
        for (auto it = unlabelled.cbegin(); it != unlabelled.cend(); ++it)
            listed.append(tools::toolText("lumolex-mkdata", "%1 (%2 forms)").arg(it.key()).arg(it.value()));
        dictionary.summary.append(tools::toolText("lumolex-mkdata", "forms dictionary: %1 of %2 tags have no label and are shown as "
                                                                 "spelt: %3").arg(unlabelled.size()).arg(tags.size()).arg(listed.join(QStringLiteral(", "))));
    }
    if (leftOutCount > 0)
        dictionary.summary.append(tools::toolText("lumolex-mkdata", "forms dictionary: %1 forms are no words and are left out: %2")
                                      .arg(leftOutCount).arg(leftOut.join(QStringLiteral("; "))
                                                             + (leftOutCount > kListedExamples ? QStringLiteral("; ...") : QString())));
    return dictionary;
}

} // namespace lumolex::mkdata
