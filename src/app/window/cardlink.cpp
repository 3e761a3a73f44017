#include "app/window/cardlink.h"

#include "app/cards/cardexport.h"
#include "article/view/historykeeper.h"

#include "app/shell/appmessages.h"
#include "app/window/articlelink.h"
#include "app/window/commandstate.h"
#include "app/cards/formcard.h"
#include "app/window/formlumolex.h"
#include "app/window/mainmenu.h"
#include "app/window/toolbarpanel.h"
#include "app/lists/wordpanel.h"
#include "article/view/articlepanel.h"
#include "article/view/historykeeper.h"
#include "article/view/richtextview.h"
#include "data/table/table.h"
#include "ui/outersize.h"
#include "ui/screenfit.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QToolButton>

#include <utility>

namespace lumolex {

CardLink::CardLink(TFormLumoLex *window)
    : QObject(window)
    , m_window(window)
    , m_printer(window)
{
    MainMenu *menu = window->menu;
    ToolBarPanel *top = window->PanelTop;
    connect(top->SpeedButtonOpenCard, &QToolButton::clicked, this, &CardLink::SpeedButtonOpenCardClick);
    connect(menu->N19, &QAction::triggered, this, &CardLink::SpeedButtonOpenCardClick);
    connect(window->PMenuListOpenCard, &QAction::triggered, this, &CardLink::SpeedButtonOpenCardClick);
    connect(window->PanelWord, &WordPanel::DBGrid1DblClick, this, &CardLink::SpeedButtonOpenCardClick);
    connect(top->SpeedButtonCloseAll, &QToolButton::clicked, this, &CardLink::SpeedButtonCloseAllClick);
    connect(menu->MainMenuCloseAll, &QAction::triggered, this, &CardLink::SpeedButtonCloseAllClick);
    connect(menu->MainMenuCascade, &QAction::triggered, this, &CardLink::MainMenuCascadeClick);
    connect(menu->N27, &QAction::triggered, this, &CardLink::N27Click);
    connect(menu->MainMenuExportCards, &QAction::triggered, this, [window] {
        CardExport::run(window, *window->ClientDataSet1, HistoryKeeper::entries(window->PanelWord->EditWord),
                        window->messages());
    });

    const QList<QObject *> ready = {top->SpeedButtonOpenCard, menu->N19, window->PMenuListOpenCard, menu->N27,
                                    top->SpeedButtonCloseAll, menu->MainMenuCloseAll, menu->MainMenuCascade,
                                    menu->MainMenuExportCards};
    for (QObject *control : ready)
        setCommandReady(control);
    setCardCommandsEnabled(false);
    window->installEventFilter(this);
}

bool CardLink::eventFilter(QObject *watched, QEvent *event)
{
    // A hide by the program (to the tray, say) takes the cards along; the
    // window system minimises owned windows with their owner itself.
    if (watched == m_window && !event->spontaneous()) {
        if (event->type() == QEvent::Hide) {
            for (TFormCard *card : m_book.cards()) {
                if (card->isVisible()) {
                    m_hiddenWithWindow.append(card);
                    card->hide();
                }
            }
        } else if (event->type() == QEvent::Show) {
            for (const QPointer<TFormCard> &card : std::exchange(m_hiddenWithWindow, {}))
                if (card)
                    card->show();
        }
    }
    return QObject::eventFilter(watched, event);
}

void CardLink::reset()
{
    m_book.reset();
}

QRect CardLink::screenArea() const
{
    return m_area.isValid() ? m_area : availableAreaOf(m_window);
}

void CardLink::placeAtNextPosition(TFormCard *card, const QRect &area)
{
    // A card of the cascade's last step on an axis may stick out past the
    // area: it is moved back in, the cascade's steps stay as they are.
    const QRect frame(area.topLeft() + m_book.nextPosition(), card->frameGeometry().size());
    card->move(fitInto(frame, area).topLeft());
}

TFormCard *CardLink::createCard()
{
    auto *card = new TFormCard(m_window);
    m_book.added(card);
    // The settings give the card's outer size, frame included.
    OuterSize::apply(card, QSize(m_window->settings.CardWidth, m_window->settings.CardHeight));
    connect(card, &TFormCard::closing, this, &CardLink::FormClose);
    connect(card, &TFormCard::gotoArticle, m_window, &TFormLumoLex::FindWord);
    connect(card, &TFormCard::shown, this, &CardLink::cardShown);
    return card;
}

void CardLink::SpeedButtonOpenCardClick()
{
    const Table *articles = m_window->ClientDataSet1;
    if (EmptyTable(*articles))
        return;
    const int id = articles->value(u"ID").toInt();
    const Settings &settings = m_window->settings;

    // An article that has its card already: that card gets the focus.
    if (m_book.count() > 0) {
        if (TFormCard *card = m_book.cardOf(id)) {
            card->raise();
            card->activateWindow();
            card->Editor->setFocus(Qt::OtherFocusReason);
            return;
        }
    }

    TFormCard *card = nullptr;
    if (!settings.OpenCardWin && m_book.count() >= 1)
        card = m_book.refillTarget();   // single-card mode: refilled in place
    const QRect area = screenArea();
    if (!card) {
        card = createCard();
        placeAtNextPosition(card, area);
    }

    card->fill(articles->value(u"WORD").toString(), *m_window->PanelTransl->Editor->document(), id,
               articles->value(u"DICT").toInt(), settings.FontSizeCard);
    setCardCommandsEnabled(true);
    card->show();
    card->raise();
    if (settings.OpenCardWin)
        m_book.advance(card->frameGeometry().size(), area.size());
    // Browsing goes on in the main window; the card stays in front.
    m_window->activateWindow();
    m_window->article->histories->AddHistory(HistoryKeeper::CardHistory);
}

void CardLink::FormClose(TFormCard *card)
{
    if (m_book.closed(card))
        setCardCommandsEnabled(false);
}

void CardLink::SpeedButtonCloseAllClick()
{
    CloseAllCards(true);
}

void CardLink::CloseAllCards(bool Quest)
{
    if (m_book.count() <= 0)
        return;
    if (Quest && !m_window->messages()->askYesNo(tr("Словарные карточки"), tr("Закрыть все словарные карточки ?")))
        return;
    // The requests address the cards open now; a card opened before they
    // are carried out stays open.
    for (TFormCard *card : m_book.cards())
        QMetaObject::invokeMethod(card, "close", Qt::QueuedConnection);
    m_book.setNextPosition(QPoint(0, 0));
}

void CardLink::MainMenuCascadeClick()
{
    if (m_book.count() <= 0)
        return;
    m_book.setNextPosition(QPoint(0, 0));
    const QList<TFormCard *> open = m_book.cards();
    if (open.isEmpty())
        return;
    const QSize step = open.last()->frameGeometry().size();   // the most recent card's
    const QRect area = screenArea();
    for (TFormCard *card : open) {
        placeAtNextPosition(card, area);
        card->lower();   // behind the cards placed before it
        m_book.advance(step, area.size());
    }
}

void CardLink::N27Click()
{
    const Table *articles = m_window->ClientDataSet1;
    const QString word = EmptyTable(*articles) ? QString() : articles->value(u"WORD").toString();
    QString failure;
    if (m_printer.N27Click(*m_window->PanelTransl->Editor->document(), word, &failure) == CardPrinter::Outcome::Failed)
        m_window->messages()->show(QMessageBox::Warning, tr("Лумолекс"), failure);
}

void CardLink::setCardCommandsEnabled(bool on)
{
    m_window->PanelTop->SpeedButtonCloseAll->setEnabled(on);
    m_window->menu->MainMenuCloseAll->setEnabled(on);
    m_window->menu->MainMenuCascade->setEnabled(on);
}

} // namespace lumolex
