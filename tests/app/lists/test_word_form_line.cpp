// The word box names the dictionary words of an inflected form: a text that
// begins no headword of the chosen dictionaries but is a whole word form
// shows «Форма слова: …» under the box, Enter or a click opens the first
// article as a found article opens, and the line goes as soon as the text
// begins a headword again.

#include "appfixture.h"

#include "app/search/findpanel.h"
#include "app/lists/wordformline.h"
#include "app/window/toolbarpanel.h"
#include "app/lists/wordpanel.h"
#include "data/files/sqlitedb.h"
#include "data/table/table.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTextDocumentFragment>
#include <QToolButton>

using namespace lumolex;
using namespace lumolex::test;

namespace {

class WordFormLineTest : public StartedWindow
{
protected:
    void beforeStart() override
    {
        const QString path = fixture.folder() + QStringLiteral("/DATA/lumoword.db");
        ASSERT_TRUE(QFile::remove(path));
        sqlite::Database forms;
        ASSERT_TRUE(forms.create(path));
        ASSERT_TRUE(forms.exec("CREATE TABLE wordforms (TRANSC TEXT NOT NULL, ARRID TEXT NOT NULL)"));
        ASSERT_TRUE(forms.exec("INSERT INTO wordforms VALUES ('дом', '|1|2|3|'), ('дома', '|1|2|3|'), "
                               "('котом', '|4|'), ('водой', '|7|1|'), ('лесов', '|8|')"));
    }

    // What the line says, as the user reads it; empty while it is hidden.
    QString lineText() const
    {
        const WordFormLine *line = window->PanelWord->LabelWordForm;
        if (line->isHidden())
            return {};
        QString text = QTextDocumentFragment::fromHtml(line->text()).toPlainText();
        text.remove(u'\u2068');
        text.remove(u'\u2069');
        return text;
    }

    void type(const QString &text) { window->PanelWord->EditWord->setEditText(text); }
};

TEST_F(WordFormLineTest, NamesTheHeadwordsOfAWholeFormInTheChosenDictionariesOnly)
{
    struct Row {
        const char *typed;
        const char *line;   // empty: hidden
    };
    // Dictionary 1 alone is chosen at the start.
    const Row dictionaryOne[] = {
        {"котом", "Форма слова: кот"},
        {"ко", ""},          // begins кот and Кофе: the type-ahead alone
        {"водой", "Форма слова: дом"},   // вода is in dictionary 2
        {"лесов", ""},       // лес is in dictionary 3
        {"котомка", ""},     // neither a headword's beginning nor a form
        {"дома", "Форма слова: дом"},
        {"дом", ""},         // a headword again: the line goes
        {"", ""},
    };
    for (const Row &row : dictionaryOne) {
        type(QString::fromUtf8(row.typed));
        EXPECT_EQ(lineText(), QString::fromUtf8(row.line)) << row.typed;
    }
    window->PanelTop->SpeedButtonDict2->click();
    type(QStringLiteral("водой"));
    EXPECT_EQ(lineText(), QStringLiteral("Форма слова: вода, дом"));
}

TEST_F(WordFormLineTest, EnterOpensTheFirstArticleAsAFoundArticleAndRemembersTheForm)
{
    QLineEdit *box = window->PanelWord->EditWord->lineEdit();
    box->setFocus();
    type(QStringLiteral("котом"));
    ASSERT_FALSE(lineText().isEmpty());
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(window->ClientDataSet1->value(u"ID").toInt(), 4);
    EXPECT_TRUE(lineText().isEmpty());
    const QComboBox *find = window->PanelFind->EditFind;
    EXPECT_EQ(find->currentText(), QStringLiteral("котом"));
    EXPECT_EQ(find->findText(QStringLiteral("котом")), 0) << "the form heads the search history";
}

} // namespace
