// Writing the card deck to a file: the deck lands whole where the user
// chose, and a target that cannot be written leaves nothing behind and says
// so.

#include "app/cards/cardexport.h"
#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "data/files/dataloader.h"
#include "data/files/datafileschema.h"
#include "data/table/table.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumolex;

namespace {

TEST(CardExport, WritesTheWholeDeckOrNothing)
{
    Table articles(QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles));
    articles.appendRow({7, 1, QStringLiteral("пуаз"), deflateBody("пуаз олень"), RetTransc(QStringLiteral("пуаз")), QVariant()});
    DataFileLoader::buildArticleIndexes(articles);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile blocker(folder.filePath(QStringLiteral("файл")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    struct Row {
        QString path;
        bool written;
        const char *messageHas;
    };
    const Row rows[] = {
        {folder.filePath(QStringLiteral("LumoLex-карточки.txt")), true, "Записано карточек: 1"},
        // A file where a folder should be: no one, not even root, can write there.
        {folder.filePath(QStringLiteral("файл/колода.txt")), false, "Карточки не записаны"},
    };
    for (const Row &row : rows) {
        bool written = !row.written;
        const QString message = CardExport::writeDeck(articles, {QStringLiteral("пуаз"), QStringLiteral("нет")}, row.path, &written);
        EXPECT_EQ(written, row.written) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(row.messageHas))) << message.toStdString();
        EXPECT_EQ(QFile::exists(row.path), row.written);
        if (row.written) {
            EXPECT_TRUE(message.contains(QStringLiteral("пропущено): 1"))) << message.toStdString();
            QFile deck(row.path);
            ASSERT_TRUE(deck.open(QIODevice::ReadOnly));
            EXPECT_TRUE(deck.readAll().endsWith("пуаз\tпуаз олень\tсаами-русский-1985\n"));
        }
    }
    // Nothing but the blocker and the one deck: no temporary file is left.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2);
}

} // namespace
