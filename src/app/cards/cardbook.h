#pragma once

// The main window's bookkeeping of its word cards: the open card count, the
// next card position, the most recent card and the open cards themselves in
// the order they were created.
//
// The count follows the cards: +1 when a card is created, -1 when one closes;
// it never goes below 0, and when the last card closes the next position
// goes back to (0, 0). A card that has closed is never handed out again.

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QSize>

namespace lumolex {

class TFormCard;

// The position after a card of `card` size placed at `pos` on a screen of
// `screen` size: 30 pixels lower and 40 to the right, and on each axis back
// to 0 when the position just used was already past screen size minus card
// size.
QPoint advanceCardPosition(QPoint pos, QSize card, QSize screen);

class CardBook
{
public:
    int count() const { return m_count; }
    QPoint nextPosition() const { return m_next; }
    void setNextPosition(QPoint pos) { m_next = pos; }
    // Moves the next position on past a card of `card` size.
    void advance(QSize card, QSize screen) { m_next = advanceCardPosition(m_next, card, screen); }

    // A card was created: it is counted and becomes the most recent card.
    void added(TFormCard *card);
    // A card is closing. True when it was the last open card: the count is 0
    // and the next position (0, 0) then. A card not (or no longer) in the
    // book changes nothing.
    bool closed(TFormCard *card);
    // Everything back to the start: no cards, position (0, 0).
    void reset();

    // The open cards, oldest first.
    QList<TFormCard *> cards() const;
    // The open card showing the article `id`, or null.
    TFormCard *cardOf(int id) const;
    // The card that single-card mode refills: the most recent card while it
    // is open, otherwise the most recently created card still open; null
    // when no card is open.
    TFormCard *refillTarget() const;

private:
    int m_count = 0;
    QPoint m_next;
    QList<QPointer<TFormCard>> m_cards;
};

} // namespace lumolex
