#include "article/view/linkfollower.h"

#include "article/transcription.h"
#include "article/view/messageboxes.h"
#include "data/table/table.h"

namespace lumolex {

LinkFollower::LinkFollower(Table *articles, MessageBoxes *messages,
                           std::function<void(const QString &)> setSharedSearchText, QObject *parent)
    : QObject(parent)
    , m_articles(articles)
    , m_messages(messages)
    , m_setSharedSearchText(std::move(setSharedSearchText))
{
}

bool LinkFollower::ToolButtonLinkClick()
{
    const QString title = tr("Идти на ссылку");
    const QVariant target = m_articles && !EmptyTable(*m_articles) ? m_articles->value(u"GOTO") : QVariant();
    if (target.isNull()) {
        if (m_messages)
            m_messages->error(title, tr("Нет ссылки на слово!"));
        return false;
    }
    if (m_setSharedSearchText)
        m_setSharedSearchText(m_articles->value(u"WORD").toString());
    // The key search runs on the word list's index (TRANSC;DICT), so the
    // target is the first article with that key in the same dictionary.
    const QVariantList key{RetTransc(target.toString()), m_articles->value(u"DICT")};
    if (m_articles->findKey(key))
        return true;
    if (m_messages)
        m_messages->error(title, tr("Не найдено слово в текущем словаре!"));
    return false;
}

} // namespace lumolex
