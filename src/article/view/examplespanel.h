#pragma once

// The speech examples panel PanelPhrase along the bottom of the main window:
// one random example at a time, a new one every 15 seconds and on the
// refresh button, each draw restarting the interval.

#include "article/articledocument.h"
#include "article/examplepicker.h"

#include <QFrame>

#include <functional>

class QTextEdit;
class QToolButton;

namespace lumolex {

class PhraseTimer;
class Table;

class ExamplesPanel : public QFrame
{
    Q_OBJECT
public:
    // timer: null for the real 15-second timer; the panel owns it either way.
    explicit ExamplesPanel(QWidget *parent = nullptr, PhraseTimer *timer = nullptr);

    QTextEdit *EditorPhrase;               // read-only view of the example
    QToolButton *SpeedButtonFhraseRefresh; // "Обновить": a new example now
    PhraseTimer *TimerPhrase;              // 15000 ms, running from creation while shown

    // The examples table (ClientDataSet3) and where the font comes from
    // (FontNameLumo, FontSizeText). Both are read at every draw.
    void setExamples(Table *examples);
    void setFontSource(std::function<ArticleFont()> font);
    void setRandomSource(RandomRecord random);   // tests give a fixed sequence

    // Stops the timer, shows a random example (nothing without examples) and,
    // while the panel is shown, starts the timer again for a full interval.
    void UpdateEditorPhrase();
    void SpeedButtonFhraseRefreshClick();
    void TimerPhraseTimer();

    // Changes family and size of the shown example in place, keeping its caret.
    void applyFont(const ArticleFont &font);

    int shownRecord() const;               // record number drawn last, 0 for none

private:
    Table *m_examples = nullptr;
    std::function<ArticleFont()> m_font;
    ExamplePicker m_picker;
    int m_shownRecord = 0;
};

} // namespace lumolex
