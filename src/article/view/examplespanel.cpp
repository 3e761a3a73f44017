#include "article/view/examplespanel.h"

#include "article/view/articlecolours.h"
#include "article/view/phrasetimer.h"
#include "article/view/viewfont.h"
#include "ui/imagelist16.h"

#include <QHBoxLayout>
#include <QTextEdit>
#include <QToolButton>

namespace lumolex {

ExamplesPanel::ExamplesPanel(QWidget *parent, PhraseTimer *timer)
    : QFrame(parent)
    , EditorPhrase(new QTextEdit(this))
    , SpeedButtonFhraseRefresh(new QToolButton(this))
    , TimerPhrase(timer ? timer : new QtPhraseTimer(this))
{
    setObjectName(QStringLiteral("PanelPhrase"));
    EditorPhrase->setObjectName(QStringLiteral("EditorPhrase"));
    SpeedButtonFhraseRefresh->setObjectName(QStringLiteral("SpeedButtonFhraseRefresh"));
    TimerPhrase->setObjectName(QStringLiteral("TimerPhrase"));
    TimerPhrase->setParent(this);

    setFixedHeight(44);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);

    EditorPhrase->setReadOnly(true);
    EditorPhrase->setUndoRedoEnabled(false);
    EditorPhrase->setFrameShape(QFrame::NoFrame);
    EditorPhrase->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    EditorPhrase->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    EditorPhrase->setToolTip(tr("Примеры речи"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    EditorPhrase->setFont(font);
    QPalette palette = EditorPhrase->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    EditorPhrase->setPalette(palette);

    SpeedButtonFhraseRefresh->setIcon(ImageList16::shared().icon(ImageList16::Refresh));
    SpeedButtonFhraseRefresh->setToolTip(tr("Обновить"));
    SpeedButtonFhraseRefresh->setAutoRaise(true);
    SpeedButtonFhraseRefresh->setFixedWidth(21);
    SpeedButtonFhraseRefresh->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *editorBox = new QHBoxLayout;
    editorBox->setContentsMargins(7, 1, 3, 1);
    editorBox->addWidget(EditorPhrase);
    layout->addLayout(editorBox, 1);
    layout->addWidget(SpeedButtonFhraseRefresh);

    connect(SpeedButtonFhraseRefresh, &QToolButton::clicked, this, &ExamplesPanel::SpeedButtonFhraseRefreshClick);
    connect(TimerPhrase, &PhraseTimer::timeout, this, &ExamplesPanel::TimerPhraseTimer);
    TimerPhrase->start();
}

void ExamplesPanel::setExamples(Table *examples)
{
    m_examples = examples;
}

void ExamplesPanel::setFontSource(std::function<ArticleFont()> font)
{
    m_font = std::move(font);
}

void ExamplesPanel::setRandomSource(RandomRecord random)
{
    m_picker.setRandomSource(std::move(random));
}

void ExamplesPanel::UpdateEditorPhrase()
{
    TimerPhrase->stop();
    const ArticleFont font = m_font ? m_font() : ArticleFont();
    EditorPhrase->setUpdatesEnabled(false);
    m_shownRecord = m_picker.showRandomExample(m_examples, EditorPhrase->document(), font);
    keepArticleColoursReadable(EditorPhrase->document(), EditorPhrase);
    EditorPhrase->setUpdatesEnabled(true);
    // The interval starts again unless the panel was hidden: a hidden panel
    // draws no examples by itself. (A panel whose window is not shown yet
    // counts as shown.)
    const bool hiddenByUser = testAttribute(Qt::WA_WState_ExplicitShowHide) && testAttribute(Qt::WA_WState_Hidden);
    if (!hiddenByUser)
        TimerPhrase->start();
}

void ExamplesPanel::SpeedButtonFhraseRefreshClick()
{
    UpdateEditorPhrase();
}

void ExamplesPanel::TimerPhraseTimer()
{
    UpdateEditorPhrase();
}

void ExamplesPanel::applyFont(const ArticleFont &font)
{
    applyViewFont(EditorPhrase, font);
}

int ExamplesPanel::shownRecord() const
{
    return m_shownRecord;
}

} // namespace lumolex
