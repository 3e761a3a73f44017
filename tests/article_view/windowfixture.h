#pragma once

// A stand-in for the main window around the article panel: the word box with
// its type-ahead, a word list, the menu items and buttons the record change
// enables, the step controls and the shared word box guard.

#include "article/view/articlepanel.h"
#include "article/view/articlerenderer.h"
#include "article/view/richtextview.h"
#include "article/view/stepnavigator.h"
#include "data/wordlist/dictionaryselection.h"

#include "articlefixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumolex::test {

struct ArticleWindow {
    explicit ArticleWindow(std::unique_ptr<Table> table)
        : articles(std::move(table))
    {
        auto *layout = new QVBoxLayout(&window);
        wordBox = new QComboBox(&window);
        wordBox->setEditable(true);
        wordList = new QListWidget(&window);
        wordList->addItem(QStringLiteral("row"));
        panel = new ArticlePanel(&window);
        layout->addWidget(wordBox);
        layout->addWidget(wordList);
        layout->addWidget(panel);
        for (QToolButton *&button : navButtons)
            button = new QToolButton(&window);
        stepBack = new QToolButton(&window);
        stepForward = new QToolButton(&window);

        steps = new StepNavigator([this](qint32 id) { findWord(id); }, &window);
        steps->setStepControls(CommandGroup{stepBack, &menuBack}, CommandGroup{stepForward, &menuForward});

        // The word box's type-ahead, as the window does it.
        QObject::connect(wordBox, &QComboBox::editTextChanged, &window, [this](const QString &text) {
            if (guard) {
                guard = false;
                return;
            }
            guard = true;
            articles->findNearest(text);
            guard = false;
        });

        ArticleRenderContext context;
        context.articles = articles.get();
        context.panel = panel;
        context.wordBox = wordBox;
        context.wordList = wordList;
        context.wordBoxGuard = &guard;
        context.steps = steps;
        context.font = [this] { return font; };
        context.linkCommands.add(&menuLink);
        context.findCommands.add(&menuFind);
        context.towardStart = CommandGroup{navButtons[0], navButtons[1]};
        context.towardEnd = CommandGroup{navButtons[2], navButtons[3]};
        renderer = new ArticleRenderer(std::move(context), &window);
        window.resize(500, 400);
    }

    // The main window's FindWord: the article current, its dictionary selected.
    void findWord(qint32 id) { findArticleById(*articles, id, dictionaryButtons); }

    QString article() const { return panel->Editor->toPlainText(); }
    QString linkLine() const { return panel->StaticTextLink->text(); }
    bool startEnabled() const { return navButtons[0]->isEnabled() && navButtons[1]->isEnabled(); }
    bool endEnabled() const { return navButtons[2]->isEnabled() && navButtons[3]->isEnabled(); }

    std::unique_ptr<Table> articles;
    std::array<bool, kDictionaryCount> dictionaryButtons{true}; // dictionary 1, as articleTable filters
    QWidget window;
    QComboBox *wordBox;
    QListWidget *wordList;
    ArticlePanel *panel;
    QToolButton *navButtons[4];          // first, prior, next, last
    QToolButton *stepBack;
    QToolButton *stepForward;
    QAction menuLink{QStringLiteral("Идти на ссылку")};
    QAction menuFind{QStringLiteral("Найти в тексте перевода")};
    QAction menuBack{QStringLiteral("Шаг назад")};
    QAction menuForward{QStringLiteral("Шаг вперед")};
    StepNavigator *steps;
    ArticleRenderer *renderer;
    RecordingBoxes boxes;
    ArticleFont font{QStringLiteral("TestFamily"), 17};
    bool guard = false;
};

} // namespace lumolex::test
