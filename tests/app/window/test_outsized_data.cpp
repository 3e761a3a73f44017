// Data files with outsized values, as someone else's files may hold (made
// without the length checks ours carry): a headword of 1 MB, an article body
// of 1 MB and a word form whose ARRID lists a million IDs. Neither hangs the
// window nor takes its memory; the test's time limit is the bound on time.

#include "appfixture.h"

#include "app/lists/wordpanel.h"
#include "article/bodydecoder.h"
#include "article/bodylimits.h"
#include "article/transcription.h"
#include "article/view/articlepanel.h"
#include "article/view/richtextview.h"
#include "data/files/datafileschema.h"
#include "data/files/sqlitedb.h"
#include "data/table/table.h"

#include <QApplication>
#include <QComboBox>
#include <QTextDocument>
#include <QToolButton>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

const QString kHuge = QString::fromUtf16(u"ж").repeated(512 * 1024); // 1 MB in UTF-8

// Adds article 500 to the fixture's article file, rebuilt without checks.
void addArticle(const test::AppFixture &app, const QString &word, const QByteArray &body)
{
    sqlite::Database db;
    ASSERT_TRUE(db.create(app.folder() + QStringLiteral("/DATA/") + dataFileLayout(DataFile::Articles).fileName));
    for (const char *sql : {"ALTER TABLE articles RENAME TO checked",
                            "CREATE TABLE articles (ID INTEGER PRIMARY KEY, DICT INTEGER NOT NULL, WORD TEXT NOT NULL,"
                            " TRANSL BLOB, TRANSC TEXT NOT NULL, GOTO TEXT)",
                            "INSERT INTO articles SELECT * FROM checked", "DROP TABLE checked"})
        ASSERT_TRUE(db.exec(sql)) << sql << ": " << qPrintable(db.errorMessage());
    sqlite::Statement insert(db, "INSERT INTO articles VALUES (500, 1, ?, ?, ?, NULL)");
    insert.bindText(1, word);
    insert.bindBlob(2, deflateBody(body));
    insert.bindText(3, RetTransc(word));
    ASSERT_TRUE(insert.run()) << qPrintable(db.errorMessage());
}

TEST(OutsizedData, HugeHeadwordIsRefusedWithAMessage)
{
    test::AppFixture app;
    addArticle(app, kHuge, "{\\rtf1 x}");
    app.start();
    ASSERT_EQ(app.messages().size(), 1u);
    EXPECT_TRUE(app.messages().front().text.contains(QStringLiteral("ID 500"))) << app.messages().front().text.toStdString();
}

TEST(OutsizedData, HugeBodyAndArridAreShownAndSteppedThrough)
{
    test::AppFixture app;
    addArticle(app, QStringLiteral("жук"), "{\\rtf1\\ansi " + kHuge.toUtf8() + "}");
    QByteArray arrid = "|";
    for (int id = 1; id <= 1000000; ++id)
        arrid += QByteArray::number(id) + '|';
    {
        sqlite::Database db;
        ASSERT_TRUE(db.create(app.folder() + QStringLiteral("/DATA/") + dataFileLayout(DataFile::WordForms).fileName));
        sqlite::Statement insert(db, "INSERT INTO wordforms VALUES ('слово', ?)");
        insert.bindText(1, QString::fromLatin1(arrid));
        ASSERT_TRUE(insert.run()) << qPrintable(db.errorMessage());
    }

    TFormLumoLex *w = app.start();
    ASSERT_TRUE(w->started());
    for (const auto &shown : app.messages())
        ADD_FAILURE() << shown.text.toStdString();
    bool kept = false;
    for (int i = 0; i < w->ClientDataSet2->recordCount(); ++i)
        kept = kept || w->ClientDataSet2->valueAt(i, u"ARRID").toString().size() == arrid.size();
    EXPECT_TRUE(kept) << "the long ARRID is kept whole";

    const QString note = tooLongNotice(kMaxShownCharacters);
    w->FindWord(500);
    QApplication::processEvents();
    WordPanel *words = w->PanelWord;
    QTextDocument *shown = w->PanelTransl->Editor->document();
    EXPECT_TRUE(shown->toPlainText().endsWith(note));
    // Away and back again by the list's step buttons.
    for (QToolButton *button : {words->ToolButtonNext, words->ToolButtonPrev, words->ToolButtonPrev,
                                words->ToolButtonNext}) {
        button->click();
        QApplication::processEvents();
    }
    EXPECT_EQ(test::currentId(*w->ClientDataSet1), 500);
    EXPECT_EQ(words->EditWord->currentText(), QStringLiteral("жук"));
    shown = w->PanelTransl->Editor->document();
    EXPECT_TRUE(shown->toPlainText().endsWith(note));
    EXPECT_LT(shown->characterCount(), kMaxShownCharacters + kMaxShownCharacters / 100 + note.size());
}

} // namespace
} // namespace lumolex
