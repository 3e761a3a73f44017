#include "kildinconverter.h"
#include "tooltext.h"

#include "articlelayout.h"
#include "examplesplitter.h"
#include "paradigmdictionary.h"
#include "phrasebook.h"

#include "article/transcription.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <QRegularExpression>
#include <QSaveFile>

namespace lumolex::mkdata {

namespace {

constexpr int kSaamiRussian1985 = 1;
constexpr int kSaamiRussian1986 = 2;
constexpr int kRussianSaami1986 = 3;
constexpr int kFormsDictionary = 4;
constexpr int kPhrasebook = 9;

const QString kExamplesLabel = QStringLiteral("примеры:");

// Labels that start a new item of a 1985 note; any other text continues the
// item before it (explanations may hold semicolons of their own).
bool startsNoteItem(const QString &segment)
{
    static const QStringList labels = {
        QStringLiteral("кл."), QStringLiteral("осн."), QStringLiteral("pos:"), QStringLiteral("омоним"),
        QStringLiteral("пояснение:"), QStringLiteral("буква"), QStringLiteral("ср."), QStringLiteral("см."),
        QStringLiteral("вар."), QStringLiteral("вар.:"), QStringLiteral("страд."), QStringLiteral("понуд."), QStringLiteral("мн."),
        QStringLiteral("субстантив."),
    };
    for (const QString &label : labels) {
        if (segment == label || segment.startsWith(label + u' ') || (label.endsWith(u':') && segment.startsWith(label)))
            return true;
    }
    return false;
}

QStringList noteItems(const QString &notes)
{
    QStringList items;
    for (const QString &segment : notes.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QString item = segment.trimmed();
        if (items.isEmpty() || startsNoteItem(item))
            items.append(item);
        else
            items.last() += QStringLiteral("; ") + item;
    }
    return items;
}

QString afterLabel(const QString &item, const QString &label)
{
    return item.mid(label.size()).trimmed();
}

// "ке̄ссе-1" names homonym 1 of ке̄ссе; the link goes to the headword.
QString referenceTarget(const QString &text)
{
    static const QRegularExpression homonymNumber(QStringLiteral("-\\d+$"));
    QString target = text;
    target.remove(homonymNumber);
    return target.trimmed();
}

// Removes parenthesised remarks ("(бойкий) сӯрвэсь" -> "сӯрвэсь").
QString withoutRemarks(const QString &text)
{
    static const QRegularExpression remark(QStringLiteral("\\([^()]*\\)"));
    QString plain = text;
    plain.remove(remark);
    return plain;
}

// Splits "... примеры: a | b" into the part before and the examples.
QStringList takeExamples(QString *notes)
{
    const qsizetype at = notes->indexOf(kExamplesLabel);
    if (at < 0)
        return {};
    const QString examples = notes->mid(at + kExamplesLabel.size());
    *notes = notes->left(at).trimmed();
    if (notes->endsWith(u';'))
        notes->chop(1);
    QStringList list;
    for (const QString &example : examples.split(u'|', Qt::SkipEmptyParts)) {
        if (!example.trimmed().isEmpty())
            list.append(example.trimmed());
    }
    return list;
}

class Converter
{
public:
    explicit Converter(const KildinSources &sources)
        : m_sources(sources)
    {
        learnVocabularies();
    }

    KildinOutput run()
    {
        convert1985();
        convert1986SaamiRussian();
        convert1986RussianSaami();
        convertParadigms();
        convertPhrasebook();
        for (const KildinExample &example : m_sources.examples)
            m_output.examples.append(QStringLiteral("<div>%1</div>").arg(renderExample({example.saami, example.russian})));
        for (const KildinForm &form : m_sources.forms)
            m_output.forms.append({form.headword, form.form});
        return m_output;
    }

private:
    void learnVocabularies()
    {
        for (const KildinEntry &entry : m_sources.saamiRussian1985) {
            m_splitter.addSaamiText(entry.headword);
            m_splitter.addRussianText(entry.translation);
        }
        for (const KildinEntry &entry : m_sources.saamiRussian1986) {
            m_splitter.addSaamiText(entry.headword);
            m_splitter.addRussianText(withoutRemarks(entry.translation));
        }
        for (const KildinEntry &entry : m_sources.russianSaami1986) {
            m_splitter.addRussianText(entry.headword);
            m_splitter.addSaamiText(withoutRemarks(entry.translation));
        }
        for (const KildinExample &example : m_sources.examples) {
            m_splitter.addSaamiText(example.saami);
            m_splitter.addRussianText(example.russian);
        }
        for (const KildinForm &form : m_sources.forms) {
            m_splitter.addSaamiText(form.headword);
            m_splitter.addSaamiText(form.form);
        }
    }

    void convert1985()
    {
        // Example sentences belong to the first article of their headword.
        QHash<QString, QVector<ExamplePair>> examples;
        for (const KildinExample &example : m_sources.examples)
            examples[RetTransc(example.headword)].append(ExamplePair{example.saami, example.russian});

        QHash<QString, QString> headwords;   // key -> headword as written
        for (const KildinEntry &entry : m_sources.saamiRussian1985)
            headwords.insert(RetTransc(entry.headword), entry.headword);

        for (const KildinEntry &entry : m_sources.saamiRussian1985) {
            ArticleLayout layout = saamiRussianLayout(entry);
            QStringList seeTargets;
            QStringList compareTargets;
            for (const QString &item : noteItems(entry.notes)) {
                if (item.startsWith(QLatin1String("pos:")) || item.startsWith(QStringView(u"буква")))
                    continue;   // notes on the digitisation, not on the word
                if (item.startsWith(QStringView(u"омоним "))) {
                    layout.homonym = afterLabel(item, QStringLiteral("омоним")).toInt();
                } else if (item.startsWith(QStringView(u"пояснение:"))) {
                    layout.explanation = afterLabel(item, QStringLiteral("пояснение:"));
                } else if (item.startsWith(QStringView(u"вар."))) {
                    QString variants = afterLabel(item, QStringLiteral("вар."));
                    if (variants.startsWith(u':'))
                        variants = variants.mid(1).trimmed();
                    layout.variants += variants.split(QStringLiteral(", "), Qt::SkipEmptyParts);
                } else if (item.startsWith(QStringView(u"см. "))) {
                    layout.references.append(item);
                    seeTargets.append(referenceTarget(afterLabel(item, QStringLiteral("см."))));
                } else if (item.startsWith(QStringView(u"ср. "))) {
                    layout.references.append(item);
                    compareTargets.append(referenceTarget(afterLabel(item, QStringLiteral("ср."))));
                } else {
                    layout.grammar.append(item);
                }
            }
            const QString key = RetTransc(entry.headword);
            if (!m_examplesTaken.contains(key)) {
                layout.examples = examples.value(key);
                m_examplesTaken.insert(key);
            }
            // A "см." reference is the cross-reference; failing that a "ср." one.
            QString gotoWord;
            for (const QString &target : seeTargets + compareTargets) {
                const QString found = headwords.value(RetTransc(target));
                if (!found.isEmpty() && RetTransc(found) != key) {
                    gotoWord = found;
                    break;
                }
            }
            add(kSaamiRussian1985, entry.headword, gotoWord, renderArticle(layout));
        }
    }

    // The headword, the translation and the part of speech first among the
    // grammar notes: what both Saami-Russian dictionaries give alike.
    static ArticleLayout saamiRussianLayout(const KildinEntry &entry)
    {
        ArticleLayout layout;
        layout.headword = entry.headword;
        layout.translation = entry.translation;
        if (!entry.pos.isEmpty())
            layout.grammar.append(entry.pos);
        return layout;
    }

    void convert1986SaamiRussian()
    {
        for (const KildinEntry &entry : m_sources.saamiRussian1986) {
            ArticleLayout layout = saamiRussianLayout(entry);
            QString notes = entry.notes;
            for (const QString &example : takeExamples(&notes))
                layout.examples.append(m_splitter.split(example, true));
            for (const QString &item : notes.split(QStringLiteral("; "), Qt::SkipEmptyParts))
                layout.grammar.append(item.trimmed());
            add(kSaamiRussian1986, entry.headword, QString(), renderArticle(layout));
        }
    }

    void convert1986RussianSaami()
    {
        for (const KildinEntry &entry : m_sources.russianSaami1986) {
            ArticleLayout layout;
            layout.headword = entry.headword;
            layout.translation = entry.translation;
            QString notes = entry.notes;
            const QStringList examples = takeExamples(&notes);
            const QString grammar = QStringList{entry.pos, notes}.join(u' ').trimmed();
            if (!grammar.isEmpty())
                layout.grammar.append(grammar);
            for (const QString &example : examples)
                layout.examples.append(m_splitter.split(example, false));
            add(kRussianSaami1986, entry.headword, QString(), renderArticle(layout));
        }
    }

    void convertParadigms()
    {
        const ParadigmDictionary dictionary = mkdata::convertParadigms(m_sources.paradigms, m_sources.saamiRussian1985);
        for (const ParadigmArticle &article : dictionary.articles)
            add(kFormsDictionary, article.headword, QString(), article.rtf);
        m_output.forms += dictionary.forms;
        m_output.summary += dictionary.summary;
    }

    void convertPhrasebook()
    {
        for (const PhrasebookArticle &article : buildPhrasebook(m_sources.examples))
            add(kPhrasebook, article.title, QString(), renderPhrasebookArticle(article));
    }

    void add(int dict, const QString &word, const QString &gotoWord, const QString &html)
    {
        m_output.articles.append(ConvertedArticle{dict, word, gotoWord, html});
    }

    const KildinSources &m_sources;
    ExampleSplitter m_splitter;
    QSet<QString> m_examplesTaken;
    KildinOutput m_output;
};

QString writeLines(const QString &path, const QString &header, const QStringList &lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    QByteArray bytes = header.toUtf8();
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += '\n';
    }
    file.write(bytes);
    if (!file.commit())
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    return {};
}

// Tabs and line breaks would end the field or the record.
QString field(const QString &text)
{
    QString clean = text;
    clean.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
    return clean;
}

} // namespace

KildinOutput convertKildin(const KildinSources &sources)
{
    return Converter(sources).run();
}

QString writeKildinOutput(const KildinOutput &output, const QString &folder)
{
    if (!QDir().mkpath(folder))
        return tools::toolText("lumolex-mkdata", "cannot create the folder %1").arg(folder);
    const QDir dir(folder);
    const QString generated = QStringLiteral("# Made by lumolex-mkdata kildin from data/kildin; edit the sources there.\n");

    QStringList lines;
    for (const ConvertedArticle &article : output.articles)
        lines.append(QString::number(article.dict) + u'\t' + field(article.word) + u'\t' + field(article.gotoWord) + u'\t'
                     + field(article.html));
    QString error = writeLines(dir.filePath(QStringLiteral("articles.tsv")),
                               generated + QStringLiteral("# code\theadword\tcross-reference\tbody\n"), lines);
    if (!error.isEmpty())
        return error;

    lines.clear();
    for (const QString &example : output.examples)
        lines.append(field(example));
    error = writeLines(dir.filePath(QStringLiteral("examples.tsv")), generated + QStringLiteral("# body\n"), lines);
    if (!error.isEmpty())
        return error;

    lines.clear();
    for (const auto &[headword, form] : output.forms)
        lines.append(field(headword) + u'\t' + field(form));
    return writeLines(dir.filePath(QStringLiteral("forms.tsv")), generated + QStringLiteral("# headword\tform\n"), lines);
}

} // namespace lumolex::mkdata
