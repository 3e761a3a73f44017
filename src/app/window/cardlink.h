#pragma once

// The main window's word cards: opening, refilling and focusing a card for
// the current article, closing all cards, the cascade, printing, and the
// three card commands that are enabled exactly while a card is open.

#include "app/cards/cardbook.h"
#include "app/cards/cardprinter.h"

#include <QObject>
#include <QPointer>
#include <QRect>

namespace lumolex {

class TFormCard;
class TFormLumoLex;

class CardLink : public QObject
{
    Q_OBJECT
public:
    explicit CardLink(TFormLumoLex *window);

    void SpeedButtonOpenCardClick();
    void SpeedButtonCloseAllClick();
    // Closes every card: one close request posted to each, carried out by
    // the event loop. `Quest`: ask the user first.
    void CloseAllCards(bool Quest);
    void MainMenuCascadeClick();
    void N27Click();

    // The open cards, oldest first.
    QList<TFormCard *> cards() const { return m_book.cards(); }
    int count() const { return m_book.count(); }
    // Relative to the top-left corner of the screen area the cards use.
    QPoint nextPosition() const { return m_book.nextPosition(); }
    // Start-up state: no card, next position (0, 0).
    void reset();

    // The screen area the cards lie in and cascade over: when not set, the
    // available area (without panels) of the screen holding the main window.
    void setScreenArea(const QRect &area) { m_area = area; }
    CardPrinter &printer() { return m_printer; }

protected:
    // Hides the cards with the main window and shows them again with it.
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // A card became visible (a new card, or one shown again).
    void cardShown(TFormCard *card);

private:
    TFormCard *createCard();
    void FormClose(TFormCard *card);
    void setCardCommandsEnabled(bool on);
    QRect screenArea() const;
    // Moves `card` to the next card position, wholly inside `area`.
    void placeAtNextPosition(TFormCard *card, const QRect &area);

    TFormLumoLex *m_window;
    CardBook m_book;
    CardPrinter m_printer;
    QRect m_area;
    QList<QPointer<TFormCard>> m_hiddenWithWindow;
};

} // namespace lumolex
