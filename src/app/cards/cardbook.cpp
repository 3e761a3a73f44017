#include "app/cards/cardbook.h"

#include "app/cards/formcard.h"

namespace lumolex {

QPoint advanceCardPosition(QPoint pos, QSize card, QSize screen)
{
    pos.setY(screen.height() - card.height() < pos.y() ? 0 : pos.y() + 30);
    pos.setX(screen.width() - card.width() < pos.x() ? 0 : pos.x() + 40);
    return pos;
}

void CardBook::added(TFormCard *card)
{
    if (m_count < 0)
        m_count = 0;
    ++m_count;
    m_cards.append(card);
}

bool CardBook::closed(TFormCard *card)
{
    const qsizetype index = m_cards.indexOf(card);
    if (index < 0)
        return false;
    m_cards.removeAt(index);
    --m_count;
    if (m_count > 0)
        return false;
    m_count = 0;
    m_next = QPoint(0, 0);
    return true;
}

void CardBook::reset()
{
    m_count = 0;
    m_next = QPoint(0, 0);
    m_cards.clear();
}

QList<TFormCard *> CardBook::cards() const
{
    QList<TFormCard *> open;
    for (const QPointer<TFormCard> &card : m_cards)
        if (card)
            open.append(card);
    return open;
}

TFormCard *CardBook::cardOf(int id) const
{
    for (TFormCard *card : cards())
        if (card->articleId() == id)
            return card;
    return nullptr;
}

TFormCard *CardBook::refillTarget() const
{
    const QList<TFormCard *> open = cards();
    return open.isEmpty() ? nullptr : open.last();
}

} // namespace lumolex
