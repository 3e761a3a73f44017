#include "article/view/articlerenderer.h"

#include "article/view/articlepanel.h"
#include "article/view/stepnavigator.h"
#include "data/table/table.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <utility>

namespace lumolex {

namespace {

// Clears the word box guard on every way out of the handler.
struct GuardClearer {
    bool *guard;
    ~GuardClearer()
    {
        if (guard)
            *guard = false;
    }
};

} // namespace

ArticleRenderer::ArticleRenderer(ArticleRenderContext context, QObject *parent)
    : QObject(parent)
    , m_ctx(std::move(context))
{
    Q_ASSERT(m_ctx.articles && m_ctx.panel);
    m_idField = m_ctx.articles->fieldIndex(u"ID");
    m_wordField = m_ctx.articles->fieldIndex(u"WORD");
    m_translField = m_ctx.articles->fieldIndex(u"TRANSL");
    m_gotoField = m_ctx.articles->fieldIndex(u"GOTO");
    m_ctx.linkCommands.add(m_ctx.panel->ToolButtonLink);
    m_ctx.findCommands.add(m_ctx.panel->ToolButtonFind);
    m_ctx.panel->setWordBox(m_ctx.wordBox);
    connect(m_ctx.articles, &Table::recordChanged, this, &ArticleRenderer::DataSource1DataChange);
}

void ArticleRenderer::DataSource1DataChange()
{
    const GuardClearer clearer{m_ctx.wordBoxGuard};
    Table &articles = *m_ctx.articles;
    if (EmptyTable(articles)) {
        showEmptyView();
        return;
    }

    const QVariant word = articles.value(m_wordField);
    const qint32 id = articles.value(m_idField).toInt();
    const qint32 leftId = std::exchange(m_shownId, word.isNull() ? 0 : id);
    const bool guardWasUp = m_ctx.wordBoxGuard && *m_ctx.wordBoxGuard;
    if (!guardWasUp && !word.isNull()) {
        if (m_ctx.wordBoxGuard)
            *m_ctx.wordBoxGuard = true;
        writeWordBox(word.toString());
        if (m_ctx.wordBox && m_ctx.wordList && m_ctx.wordList->hasFocus()) {
            m_ctx.wordBox->setFocus(Qt::OtherFocusReason);
            if (QLineEdit *edit = m_ctx.wordBox->lineEdit())
                edit->selectAll();
        }
        if (m_ctx.steps && m_ctx.steps->isRecording())
            m_ctx.steps->AddStep(id, leftId);
    }

    if (m_translField < 0 || articles.isNull(m_translField)) {
        m_ctx.panel->clearArticle();
        m_ctx.findCommands.setEnabled(false);
        m_lastKind = BodyKind::Null;
    } else {
        const ArticleFont font = m_ctx.font ? m_ctx.font() : ArticleFont();
        m_lastKind = prepareArticle(articles, m_ctx.panel->scratchDocument(), font);
        m_ctx.panel->showPreparedArticle();
        m_ctx.findCommands.setEnabled(true);
    }

    const QVariant target = m_gotoField >= 0 ? articles.value(m_gotoField) : QVariant();
    m_ctx.linkCommands.setEnabled(!target.isNull());
    m_ctx.panel->StaticTextLink->setText(QLatin1Char(' ') + target.toString() + QLatin1Char(' '));

    if (m_ctx.wordBoxGuard)
        *m_ctx.wordBoxGuard = false;
    m_ctx.towardStart.setEnabled(!articles.atBeginning());
    m_ctx.towardEnd.setEnabled(!articles.atEnd());
}

BodyKind ArticleRenderer::lastBodyKind() const
{
    return m_lastKind;
}

void ArticleRenderer::writeWordBox(const QString &text)
{
    if (!m_ctx.wordBox)
        return;
    m_ctx.wordBox->setEditText(text);
    if (QLineEdit *edit = m_ctx.wordBox->lineEdit())
        edit->selectAll();
}

void ArticleRenderer::showEmptyView()
{
    // The guard is held while the word box is emptied so that its type-ahead
    // does not search an empty view; the clearer lowers it again.
    m_shownId = 0;
    if (m_ctx.wordBoxGuard)
        *m_ctx.wordBoxGuard = true;
    if (m_ctx.wordBox)
        m_ctx.wordBox->setEditText(QString());
    m_ctx.panel->clearArticle();
    m_ctx.linkCommands.setEnabled(false);
    m_ctx.findCommands.setEnabled(false);
    m_lastKind = BodyKind::Null;
}

} // namespace lumolex
