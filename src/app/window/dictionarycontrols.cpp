#include "app/window/dictionarycontrols.h"

#include "app/window/commandstate.h"
#include "data/files/credits.h"
#include "ui/imagelist16.h"

#include <QAction>
#include <QToolButton>

namespace lumolex {

namespace {

struct CreditTexts {
    const char *menuCaption;
    const char *buttonHint;
    const char *name;           // the caption of a dictionary without articles
};

constexpr char kNoArticles[] = QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Нет статей этого словаря в данных");

// By slot: codes 1, 2, 4, 3, 9. Translated where they are shown.
const CreditTexts kCreditTexts[kDictionaryCount] = {
    {QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Саамско-русский словарь. Под редакцией "),
     QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Саамско-русский словарь (кильдинский диалект) @Под редакцией "),
     QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Саамско-русский словарь")},
    {QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Саамско-русский словарь. Автор: "),
     QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Саамско-русский словарь (кильдинский диалект) @Автор: "),
     QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Саамско-русский словарь")},
    {QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Саамско-русский словарь. Автор: "),
     QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Саамско-русский словарь (кильдинский диалект) @Автор: "),
     QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Саамско-русский словарь")},
    {QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Русско-саамский словарь. Автор: "),
     QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Русско-саамский словарь (кильдинский диалект) @Автор: "),
     QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Русско-саамский словарь")},
    {QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Саамско-русский разговорник. Автор: "),
     QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Саамско-русский разговорник @Автор: "),
     QT_TRANSLATE_NOOP("lumolex::DictionaryControls", "Саамско-русский разговорник")},
};

} // namespace

DictionaryControls::DictionaryControls(Table *articles, const QList<QToolButton *> &buttons,
                                       const QList<QAction *> &menuItems, QObject *parent)
    : QObject(parent)
    , m_articles(articles)
    , m_buttons(buttons)
    , m_menuItems(menuItems)
{
    Q_ASSERT(m_buttons.size() == kDictionaryCount && m_menuItems.size() == kDictionaryCount);
    for (QToolButton *button : m_buttons)
        connect(button, &QToolButton::clicked, this, [this, button] { SetButtonDict(button); });
    for (QAction *item : m_menuItems)
        connect(item, &QAction::triggered, this, [this, item] { SetButtonDict(item); });
    updateMenuIcons();
}

DictionaryControlStates DictionaryControls::states() const
{
    DictionaryControlStates states;
    for (int slot = 0; slot < kDictionaryCount; ++slot) {
        states.buttons[slot] = m_buttons[slot]->isChecked();
        states.menuItems[slot] = m_menuItems[slot]->isChecked();
    }
    return states;
}

void DictionaryControls::setStates(const DictionaryControlStates &states)
{
    for (int slot = 0; slot < kDictionaryCount; ++slot) {
        m_buttons[slot]->setChecked(states.buttons[slot]);
        m_menuItems[slot]->setChecked(states.menuItems[slot]);
    }
}

QString DictionaryControls::filterText() const
{
    return dictionaryFilterText(states().buttons);
}

void DictionaryControls::SetButtonDict(QObject *sender)
{
    DictSenderKind kind = DictSenderKind::Other;
    int slot = -1;
    if (auto *button = qobject_cast<QToolButton *>(sender); button && m_buttons.contains(button)) {
        kind = DictSenderKind::Button;
        slot = int(m_buttons.indexOf(button));
    } else if (auto *item = qobject_cast<QAction *>(sender); item && m_menuItems.contains(item)) {
        kind = DictSenderKind::MenuItem;
        slot = int(m_menuItems.indexOf(item));
    }

    DictionaryControlStates current = states();
    const PanelCaptions captions = applyDictionaryChoice(current, kind, slot);
    setStates(current);
    if (captions != PanelCaptions::Unchanged && onCaptions)
        onCaptions(captions);
    // The icons follow the check marks: a choice through any other sender
    // leaves both as they were.
    updateMenuIcons();
    SetFilterDict(true);
}

void DictionaryControls::SetFilterDict(bool on)
{
    lumolex::SetFilterDict(*m_articles, on, filterText());
}

bool DictionaryControls::FindWord(int id)
{
    DictionaryControlStates current = states();
    const bool found = findArticleById(*m_articles, id, current.buttons);
    // Only the buttons change; the menu keeps its marks until the next choice.
    for (int slot = 0; slot < kDictionaryCount; ++slot)
        m_buttons[slot]->setChecked(current.buttons[slot]);
    return found;
}

void DictionaryControls::updateMenuIcons()
{
    for (int slot = 0; slot < kDictionaryCount; ++slot)
        m_menuItems[slot]->setIcon(
            ImageList16::shared().icon(dictionaryMenuIcon(slot, m_menuItems[slot]->isChecked())));
}

void DictionaryControls::applyCredits(const DictionaryCredits &credits,
                                      const std::array<bool, kDictionaryCount> &withArticles)
{
    for (int slot = 0; slot < kDictionaryCount; ++slot) {
        QToolButton *button = m_buttons[slot];
        QAction *item = m_menuItems[slot];
        if (!withArticles[size_t(slot)]) {
            // An empty list on offer would only puzzle: the dictionary is
            // named, and the hint tells why it cannot be chosen.
            const QString hint = tr(kNoArticles);
            const QString buttonHint = tr(kCreditTexts[slot].buttonHint);
            item->setText(tr(kCreditTexts[slot].name));
            item->setToolTip(hint);
            item->setStatusTip(hint);
            button->setToolTip(buttonHint.left(buttonHint.indexOf(QLatin1Char('@')) + 1) + hint);
            markAlwaysDisabled(button);
            markAlwaysDisabled(item);
            continue;
        }
        clearAlwaysDisabled(button);
        clearAlwaysDisabled(item);
        item->setStatusTip(QString());
        const QString person = credits.person(kDictionaryControls[slot].dict);
        // "&" in a menu caption marks the shortcut letter; the author's "&" is a character.
        QString menuPerson = person;
        menuPerson.replace(QLatin1Char('&'), QLatin1String("&&"));
        item->setText(tr(kCreditTexts[slot].menuCaption) + menuPerson);
        item->setToolTip(QString());   // the caption again
        button->setToolTip(tr(kCreditTexts[slot].buttonHint) + person);
    }
}

} // namespace lumolex
