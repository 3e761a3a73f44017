// The English interface: with the translation the build makes, no Russian
// text is left in the main window (menus, tool-bar hints, buttons, labels,
// panels), a card, the settings dialog, the find dialog, the About box or the
// messages, once the data they show (headwords, credited persons, the Saami
// letters of the palette and of the letter menu) is set aside; and F1 opens
// the English manual.
// The translation is found in the program folder as the program finds it,
// and without it nothing is translated.

#include "appfixture.h"

#include "app/window/cardlink.h"
#include "app/cards/formcard.h"
#include "app/lists/letterpalette.h"
#include "app/search/findpanel.h"
#include "app/search/formfind.h"
#include "app/setup/formsetup.h"
#include "app/window/mainmenu.h"
#include "app/window/searchlink.h"
#include "app/window/shelllink.h"
#include "app/window/toolbarpanel.h"
#include "article/view/articlepanel.h"
#include "data/files/interfacelanguage.h"
#include "ui/formabout.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>
#include <QTranslator>

using namespace lumolex;
using namespace lumolex::test;

namespace {

const QString kProgramFolder = QStringLiteral(LUMOLEX_BIN_DIR "/");

// A text of one character is a letter (the letter menu, the Saami letter
// palette): data, not interface.
void addText(QStringList *texts, const QObject *owner, const QString &what, const QString &text)
{
    if (text.size() > 1)
        texts->append(owner->objectName() + QStringLiteral(" ") + what + QStringLiteral(": ") + text);
}

// Every text a user reads in `root` and its children; the contents of text
// views, lists and edit boxes are data and are left out.
QStringList interfaceTexts(QWidget *root)
{
    QStringList texts;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        addText(&texts, w, QStringLiteral("title"), w->windowTitle());
        addText(&texts, w, QStringLiteral("hint"), w->toolTip());
        addText(&texts, w, QStringLiteral("status tip"), w->statusTip());
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            addText(&texts, w, QStringLiteral("text"), button->text());
        if (auto *label = qobject_cast<QLabel *>(w))
            addText(&texts, w, QStringLiteral("text"), label->text());
        if (auto *group = qobject_cast<QGroupBox *>(w))
            addText(&texts, w, QStringLiteral("title"), group->title());
        if (auto *menu = qobject_cast<QMenu *>(w))
            addText(&texts, w, QStringLiteral("title"), menu->title());
        if (auto *line = qobject_cast<QLineEdit *>(w))
            addText(&texts, w, QStringLiteral("placeholder"), line->placeholderText());
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                addText(&texts, w, QStringLiteral("tab"), tabs->tabText(i));
        }
        // Lists of choices the program makes (not the font list, and not the
        // histories of editable boxes); the languages are named in their own.
        auto *combo = qobject_cast<QComboBox *>(w);
        if (combo && !combo->isEditable() && w->objectName() != QLatin1String("ComboBoxFontName")) {
            for (int i = 0; i < combo->count(); ++i) {
                if (!(w->objectName() == QLatin1String("ComboBoxLanguage") && i == int(LanguageChoice::Russian)))
                    addText(&texts, w, QStringLiteral("item"), combo->itemText(i));
            }
        }
    }
    for (const QAction *action : root->findChildren<QAction *>()) {
        addText(&texts, action, QStringLiteral("action"), action->text());
        if (action->toolTip() != action->text() && action->toolTip() != QString(action->text()).remove(u'&'))
            addText(&texts, action, QStringLiteral("action hint"), action->toolTip());
        addText(&texts, action, QStringLiteral("action status tip"), action->statusTip());
    }
    return texts;
}

class EnglishInterface : public StartedWindow
{
protected:
    void SetUp() override
    {
        m_translator = std::make_unique<QTranslator>();
        ASSERT_TRUE(m_translator->load(QStringLiteral("lumolex_en"), kProgramFolder + QStringLiteral("translations")));
        QCoreApplication::installTranslator(m_translator.get());
        StartedWindow::SetUp();
    }
    void TearDown() override { QCoreApplication::removeTranslator(m_translator.get()); }

    // The texts of the data the window shows, which stay as they are.
    QStringList dataValues() const
    {
        QStringList values;
        for (const ArticleRow &row : sampleArticles())
            values << row.word << row.gotoWord;
        for (int dict : {1, 2, 3, 4, 9})
            values << window->credits.person(dict);
        for (const QAbstractButton *letter : window->findChildren<LetterPalette *>().first()
                                                 ->findChildren<QAbstractButton *>())
            values << letter->text();
        values.removeAll(QString());
        // Longest first, so that no shorter value cuts a longer one apart.
        std::sort(values.begin(), values.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
        return values;
    }

    // The texts that still hold a Cyrillic letter once the data is removed.
    QStringList russianIn(const QStringList &texts) const
    {
        static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
        // The keys that type the Saami letters are named by the Russian
        // letters on them (Alt+и), in either language.
        static const QRegularExpression letterKey(QStringLiteral("Alt\\+\\w"),
                                                  QRegularExpression::UseUnicodePropertiesOption);
        const QStringList data = dataValues();
        QStringList russian;
        for (const QString &text : texts) {
            QString rest = text;
            rest.remove(letterKey);
            for (const QString &value : data)
                rest.remove(value, Qt::CaseInsensitive);
            if (rest.contains(cyrillic))
                russian << text;
        }
        return russian;
    }

private:
    std::unique_ptr<QTranslator> m_translator;
};

TEST_F(EnglishInterface, NoWindowOrMessageHoldsARussianText)
{
    // A card, the find dialog and the About box open as the user opens them.
    window->FindWord(14);
    window->PanelTop->SpeedButtonOpenCard->click();
    ASSERT_FALSE(window->cards->cards().isEmpty());
    window->PanelTransl->ToolButtonFind->click();
    ASSERT_NE(window->search->findDialog->dialog(), nullptr);
    window->menu->MainMenuAbout->trigger();
    ASSERT_TRUE(window->shell->about());
    QTextDocument article;
    TFormSetup setup(&window->settings, &article, {});

    // Messages: a query too short, nothing found, a question.
    window->PanelTop->SpeedButtonFind->click();
    window->PanelFind->EditFind->setEditText(QStringLiteral("д"));
    window->PanelFind->ToolButtonGoFind1->click();
    window->PanelFind->EditFind->setEditText(QStringLiteral("ююю"));
    window->PanelFind->ToolButtonGoFind1->click();
    window->menu->MainMenuClearHist->trigger();

    struct Part {
        const char *what;
        QWidget *root;
    };
    const Part parts[] = {
        {"main window", window},
        {"card", window->cards->cards().first()},
        {"find dialog", window->search->findDialog->dialog()},
        {"About box", window->shell->about()},
        {"settings dialog", &setup},
    };
    for (const Part &part : parts) {
        const QStringList texts = interfaceTexts(part.root);
        EXPECT_GT(texts.size(), 3) << part.what;
        EXPECT_EQ(russianIn(texts).join(u'\n').toStdString(), "") << part.what;
    }
    QStringList messages;
    for (const RecordedMessages::Shown &shown : fixture.messages())
        messages << shown.title << shown.text;
    EXPECT_GE(messages.size(), 6);
    EXPECT_EQ(russianIn(messages).join(u'\n').toStdString(), "");

    EXPECT_EQ(window->menu->MenuDictionary->title(), QStringLiteral("Dictionary"));
    EXPECT_EQ(QFileInfo(window->helpFile).fileName(), QStringLiteral("LumoLex.en.html"));
}

TEST(ProgramTranslation, FoundInTheProgramFolderOnlyForEnglish)
{
    const QString settings = QStringLiteral("Настройки");
    const struct {
        InterfaceLanguage language;
        QString folder;
        bool found;
        QString shown;
    } cases[] = {
        {InterfaceLanguage::English, kProgramFolder, true, QStringLiteral("Settings")},
        {InterfaceLanguage::Russian, kProgramFolder, true, settings},
        {InterfaceLanguage::English, kProgramFolder + QStringLiteral("no-such-folder/"), false, settings},
    };
    auto *app = QCoreApplication::instance();
    for (const auto &c : cases) {
        const QList<QTranslator *> before = app->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly);
        EXPECT_EQ(installProgramTranslation(app, c.language, c.folder), c.found) << c.folder.toStdString();
        EXPECT_EQ(QCoreApplication::translate("lumolex::TFormSetup", "Настройки"), c.shown);
        for (QTranslator *installed : app->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
            if (!before.contains(installed)) {
                QCoreApplication::removeTranslator(installed);
                delete installed;
            }
        }
    }
}

} // namespace
