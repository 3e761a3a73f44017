#include "clicommands.h"

#include "app/store/historycodec.h"
#include "app/store/historyfile.h"
#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "data/files/credits.h"
#include "data/files/datafiles.h"
#include "data/files/dataloader.h"
#include "data/table/table.h"
#include "data/wordlist/wordlistwalk.h"
#include "rtf/rtfreader.h"
#include "platform/safefile.h"
#include "search/carddeck.h"
#include "search/fastwordsearch.h"
#include "search/wordspellings.h"
#include "search/fragmentsearch.h"
#include "search/indexedlookup.h"
#include "search/querytext.h"
#include "tooltext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTextStream>

#include <charconv>
#include <memory>

namespace lumolex::cli {

struct Commands::Tables {
    Table articles{QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles)};
    Table wordForms{QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms)};
    Table examples{QStringLiteral("ClientDataSet3"), fieldDefs(DataFile::Examples)};
    DictionaryCredits credits;
};

Commands::Commands(QTextStream &out, QTextStream &err, const QString &dataFolder)
    : m_out(out)
    , m_err(err)
    , m_dataFolder(dataFolder)
{
}

namespace {

// A data file's message for the command line: the file's path first, then
// the program's own text without the path line the window adds to it.
QString fileMessage(const QString &path, const QString &message)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + message.section(u'\n', 0, 0);
}

} // namespace

bool Commands::loadTables(Tables *tables, const QList<DataFile> &files)
{
    bool ok = true;
    for (const DataFile file : files) {
        for (const QString &problem : checkDataFiles(m_dataFolder, {file})) {
            m_err << "lumolex-cli: " << fileMessage(dataFilePath(m_dataFolder, file), problem) << Qt::endl;
            ok = false;
        }
    }
    if (!ok)
        return false;
    DataFileLoader loader(m_dataFolder);
    for (const DataFile file : files) {
        Table &table = file == DataFile::Articles ? tables->articles
                       : file == DataFile::WordForms ? tables->wordForms
                                                     : tables->examples;
        if (!loader.readIndexed(file, table)) {
            m_err << "lumolex-cli: " << fileMessage(dataFilePath(m_dataFolder, file), loader.errorString()) << Qt::endl;
            return false;
        }
    }
    tables->credits = loader.credits();
    return true;
}

bool Commands::looksUp(IndexedLookup &lookup, const QList<DataFile> &files) const
{
    return !m_loadAll && lookup.available(files);
}

int Commands::key(const QString &text)
{
    m_out << RetTransc(text) << Qt::endl;
    return Success;
}

int Commands::list(const ListOptions &options)
{
    Tables tables;
    IndexedLookup lookup(m_dataFolder);
    if (looksUp(lookup, {DataFile::Articles})) {
        if (!lookup.readListArticles(options.from, options.dicts, options.count, tables.articles)) {
            m_err << "lumolex-cli: " << lookup.errorString() << Qt::endl;
            return Failure;
        }
    } else if (!loadTables(&tables, {DataFile::Articles})) {
        return Failure;
    }
    const QString nearest = options.from.isEmpty() ? QString() : RetTransc(options.from);
    const QVector<ListedRecord> records =
        wordListRecords(tables.articles, nearest, options.dicts, options.count, options.from);
    // An empty view is "not found"; a count of 0 on a view that has records is not.
    if (records.isEmpty() && (options.count != 0 || tables.articles.isEmpty()))
        return NotFound;
    for (const ListedRecord &record : records)
        m_out << record.id << '\t' << record.dict << '\t' << record.word << '\n';
    m_out.flush();
    return Success;
}

int Commands::show(int id)
{
    Tables tables;
    IndexedLookup lookup(m_dataFolder);
    if (looksUp(lookup, {DataFile::Articles})) {
        if (!lookup.readArticle(id, tables.articles)) {
            m_err << "lumolex-cli: " << lookup.errorString() << Qt::endl;
            return Failure;
        }
    } else if (!loadTables(&tables, {DataFile::Articles})) {
        return Failure;
    }
    Table &articles = tables.articles;
    articles.setActiveIndex(QString::fromLatin1(kIndexArticleId));
    if (!articles.findKey({id})) {
        m_err << "lumolex-cli: " << tools::toolText("lumolex-cli", "no article has the ID %1").arg(id) << Qt::endl;
        return NotFound;
    }
    const int body = articles.fieldIndex(u"TRANSL");
    BodyKind kind = BodyKind::Null;
    const QString text = bodyPlainText(articles.blob(body), articles.isNull(body), &kind);
    if (kind == BodyKind::Damaged) {
        m_err << "lumolex-cli: " << tools::toolText("lumolex-cli", "the body of article %1 is damaged").arg(id) << Qt::endl;
        return Failure;
    }
    m_out << text;
    if (!text.isEmpty() && !text.endsWith(u'\n'))
        m_out << '\n';
    m_out.flush();
    return Success;
}

bool Commands::acceptQuery(const QString &query, QString *text)
{
    // The same rule as the search panel's buttons.
    *text = trimQuery(query);
    switch (checkQuery(*text)) {
    case QueryCheck::Empty:
        m_err << "lumolex-cli: " << tools::toolText("lumolex-cli", "the query is empty") << Qt::endl;
        return false;
    case QueryCheck::TooShort:
        m_err << "lumolex-cli: " << QCoreApplication::translate("CliCommands", "Поиск не меньше 2-х символов!")
              << Qt::endl;
        return false;
    case QueryCheck::Ok:
        break;
    }
    return true;
}

int Commands::printFound(const QVector<FoundArticle> &found)
{
    // The lines are put together first and streamed at once: the stream's
    // own formatting of each number costs more than a short query's search.
    QString lines;
    lines.reserve(found.size() * 32);
    const auto appendNumber = [&lines](int number) {
        char digits[16];
        const char *end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        lines += QLatin1StringView(digits, end - digits);
    };
    for (const FoundArticle &article : found) {
        appendNumber(article.id);
        lines += u'\t';
        appendNumber(article.dict);
        lines += u'\t';
        lines += article.word;
        lines += u'\n';
    }
    m_out << lines;
    m_out.flush();
    return found.isEmpty() ? NotFound : Success;
}

int Commands::search(const QString &query, const FindOptions &options, SearchKind kind)
{
    QString text;
    if (!acceptQuery(query, &text))
        return Failure;
    Tables tables;
    const QList<DataFile> files = kind == SearchKind::Fragment ? QList<DataFile>{DataFile::Articles}
                                                               : QList<DataFile>{DataFile::Articles, DataFile::WordForms};
    IndexedLookup lookup(m_dataFolder);
    const bool lookingUp = kind == SearchKind::Words && looksUp(lookup, files);
    // The forms' exact spellings are read from the file by both readings, so
    // that they list the articles in one order; a look-up reads them through
    // the file it has open.
    const auto spellings = lookingUp ? std::make_unique<WordSpellingFile>(*lookup.database(DataFile::WordForms))
                                     : std::make_unique<WordSpellingFile>(m_dataFolder);
    // The fragment search reads every body whatever the files hold; the
    // word search only where the spelt words cannot check precise letters.
    if (lookingUp) {
        const auto bodies = FastWordSearch::readsArticleTexts(text, options.exactLetters, spellings.get())
            ? DataFileLoader::Bodies::Read
            : DataFileLoader::Bodies::Skip;
        if (!lookup.readSearchRows(text, tables.articles, tables.wordForms, bodies)) {
            m_err << "lumolex-cli: " << lookup.errorString() << Qt::endl;
            return Failure;
        }
    } else if (!loadTables(&tables, files)) {
        return Failure;
    }
    const DictionaryScope scope = options.all ? DictionaryScope::all() : DictionaryScope::ofCodes(options.dicts);
    if (kind == SearchKind::Fragment)
        return printFound(FragmentSearch::run(tables.articles, text, scope, nullptr, options.exactLetters));
    return printFound(FastWordSearch(tables.articles, tables.wordForms, spellings.get()).run(text, scope, options.exactLetters));
}

int Commands::stats()
{
    Tables tables;
    if (!loadTables(&tables, {DataFile::Articles, DataFile::WordForms, DataFile::Examples}))
        return Failure;
    QMap<qlonglong, int> perDict;
    const int dict = tables.articles.fieldIndex(u"DICT");
    for (int i = 0; i < tables.articles.recordCount(); ++i)
        ++perDict[tables.articles.valueAt(i, dict).toLongLong()];

    m_out << "articles\t" << tables.articles.recordCount() << '\n';
    m_out << "wordforms\t" << tables.wordForms.recordCount() << '\n';
    m_out << "examples\t" << tables.examples.recordCount() << '\n';
    for (auto it = perDict.cbegin(); it != perDict.cend(); ++it)
        m_out << "dict\t" << it.key() << '\t' << it.value() << '\t' << tables.credits.person(int(it.key())) << '\n';
    m_out.flush();
    return Success;
}

int Commands::rtfToText(const QString &path)
{
    // Only a regular file has a size known before reading: a device such as
    // /dev/zero never ends and a pipe may never deliver.
    const QFileInfo info(path);
    if (!info.exists()) {
        m_err << "lumolex-cli: " << tools::toolText("lumolex-cli", "cannot read %1: no such file").arg(path) << Qt::endl;
        return Failure;
    }
    if (!info.isFile()) {
        m_err << "lumolex-cli: " << tools::toolText("lumolex-cli", "cannot read %1: not a regular file").arg(path) << Qt::endl;
        return Failure;
    }
    if (info.size() > rtf::kMaxDocumentBytes) {
        m_err << "lumolex-cli: " << tools::toolText("lumolex-cli", "%1 is larger than %2 bytes").arg(path, QString::number(rtf::kMaxDocumentBytes))
              << Qt::endl;
        return Failure;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_err << "lumolex-cli: " << tools::toolText("lumolex-cli", "cannot read %1: %2").arg(path, file.errorString()) << Qt::endl;
        return Failure;
    }
    // The file may have grown since it was measured: one byte past the cap
    // is enough to tell.
    const QByteArray bytes = file.read(rtf::kMaxDocumentBytes + 1);
    if (bytes.size() > rtf::kMaxDocumentBytes) {
        m_err << "lumolex-cli: " << tools::toolText("lumolex-cli", "%1 is larger than %2 bytes").arg(path, QString::number(rtf::kMaxDocumentBytes))
              << Qt::endl;
        return Failure;
    }
    rtf::ReadResult result;
    const QString text = rtf::plainText(bytes, &result);
    if (!result.isRtf) {
        m_err << "lumolex-cli: " << tools::toolText("lumolex-cli", "%1 is not an RTF file").arg(path) << Qt::endl;
        return Failure;
    }
    if (result.damaged)
        m_err << "lumolex-cli: " << tools::toolText("lumolex-cli", "warning: %1: %2").arg(path, result.warning) << Qt::endl;
    m_out << text;
    if (!text.isEmpty() && !text.endsWith(u'\n'))
        m_out << '\n';
    m_out.flush();
    return Success;
}

int Commands::exportCards(const QString &historyPath, const ProgramFolder &programFolder)
{
    QStringList words;
    if (historyPath.isEmpty()) {
        // The file the window reads: an installed program's is the user's copy.
        HistoryFile history(programFolder.path, QStringLiteral("DATA/LumoCard.hst"), QString(),
                            programFolder.shared ? HistoryFile::ProgramFolderUse::ReadOnly
                                                 : HistoryFile::ProgramFolderUse::WriteWhileWritable);
        const QString notice = history.load(&words);
        if (!notice.isEmpty())
            m_err << "lumolex-cli: " << notice << Qt::endl;
    } else {
        QFile file;
        QString error;
        if (openRegularFile(&file, historyPath, LinkPolicy::Follow, &error) != OpenOutcome::Opened) {
            m_err << "lumolex-cli: "
                  << (error.isEmpty() ? tools::toolText("lumolex-cli", "cannot read %1").arg(historyPath)
                                      : tools::toolText("lumolex-cli", "cannot read %1: %2").arg(historyPath, error))
                  << Qt::endl;
            return Failure;
        }
        words = readHistory(&file).entries;
    }
    Tables tables;
    if (!loadTables(&tables, {DataFile::Articles}))
        return Failure;
    const CardDeck deck = makeCardDeck(tables.articles, words);
    m_out.flush();
    m_out.device()->write(deck.text);
    if (!deck.missing.isEmpty())
        m_err << "lumolex-cli: "
              << tools::toolText("lumolex-cli", "%n words of the card history are in no article: %1", nullptr,
                                 int(deck.missing.size()))
                     .arg(deck.missing.join(QStringLiteral(", ")))
              << Qt::endl;
    return Success;
}

} // namespace lumolex::cli
