#include "data/wordlist/dictionaryselection.h"

#include "data/files/dataloader.h"
#include "data/table/table.h"

namespace lumolex {

namespace {

// The order in which lowered buttons are named in the filter: by code.
constexpr std::array<int, kDictionaryCount> kFilterOrder = {1, 2, 3, 4, 9};

bool anyOn(const std::array<bool, kDictionaryCount> &states)
{
    for (bool on : states)
        if (on)
            return true;
    return false;
}

// Raises (turns off) every control whose group differs from `keep`.
void clearOtherGroups(std::array<bool, kDictionaryCount> &states, DictGroup keep)
{
    for (int slot = 0; slot < kDictionaryCount; ++slot)
        if (dictGroupOfTag(kDictionaryControls[slot].tag) != keep)
            states[slot] = false;
}

// Slot of the group's first dictionary.
int firstSlotOfGroup(DictGroup group)
{
    for (int slot = 0; slot < kDictionaryCount; ++slot)
        if (dictGroupOfTag(kDictionaryControls[slot].tag) == group)
            return slot;
    return -1;
}

} // namespace

int dictionarySlotOfCode(int dict)
{
    for (int slot = 0; slot < kDictionaryCount; ++slot)
        if (kDictionaryControls[slot].dict == dict)
            return slot;
    return -1;
}

DictGroup dictGroupOfTag(int tag)
{
    if (tag >= 81 && tag <= 89)
        return DictGroup::SaamiRussian;
    if (tag >= 91 && tag <= 99)
        return DictGroup::RussianSaami;
    if (tag >= 101 && tag <= 109)
        return DictGroup::Phrasebook;
    return DictGroup::None;
}

DictionaryControlStates DictionaryControlStates::initial()
{
    DictionaryControlStates states;
    states.buttons[0] = true;
    states.menuItems[0] = true;
    return states;
}

PanelCaptions applyDictionaryChoice(DictionaryControlStates &states, DictSenderKind kind,
                                    int senderSlot)
{
    if (senderSlot < 0 || senderSlot >= kDictionaryCount)
        kind = DictSenderKind::Other;

    const int tag = kind == DictSenderKind::Other ? 0 : kDictionaryControls[senderSlot].tag;
    bool senderOn = false;
    if (kind == DictSenderKind::Button)
        senderOn = states.buttons[senderSlot];
    else if (kind == DictSenderKind::MenuItem)
        senderOn = states.menuItems[senderSlot];

    const DictGroup group = dictGroupOfTag(tag);
    if (group == DictGroup::None)
        return PanelCaptions::Unchanged;

    // A group shown alone: choosing into it drops the other groups, on both kinds of control.
    if (senderOn) {
        clearOtherGroups(states.buttons, group);
        clearOtherGroups(states.menuItems, group);
    }

    // Nothing of the sender's kind left on: the group's first dictionary.
    const bool anySelected = kind == DictSenderKind::Button ? anyOn(states.buttons)
                                                            : anyOn(states.menuItems);
    if (!anySelected) {
        const int first = firstSlotOfGroup(group);
        states.buttons[first] = true;
        states.menuItems[first] = true;
    }

    // The kind that was clicked is the truth for the other kind.
    if (kind == DictSenderKind::Button)
        states.menuItems = states.buttons;
    else
        states.buttons = states.menuItems;

    return group == DictGroup::Phrasebook ? PanelCaptions::Phrasebook : PanelCaptions::Dictionary;
}

void selectButtonsForArticle(std::array<bool, kDictionaryCount> &buttons, int dict)
{
    const int slot = dictionarySlotOfCode(dict);
    if (slot < 0)
        return;
    clearOtherGroups(buttons, dictGroupOfTag(kDictionaryControls[slot].tag));
    buttons[slot] = true;
}

QString dictionaryFilterText(const std::array<bool, kDictionaryCount> &buttons)
{
    QString text = QStringLiteral("(DICT=0)");
    for (int dict : kFilterOrder) {
        const int slot = dictionarySlotOfCode(dict);
        if (buttons[slot])
            text += QStringLiteral(" OR (DICT=%1)").arg(dict);
    }
    return text;
}

int dictionaryMenuIcon(int slot, bool checked)
{
    if (slot < 0 || slot >= kDictionaryCount)
        return 17;
    return checked ? kDictionaryControls[slot].menuIconOn : kDictionaryControls[slot].menuIconOff;
}

void SetFilterDict(Table &articles, bool on, const QString &filterText)
{
    if (!on) {
        articles.setFilterText(QString());
        articles.setFiltered(false);
        articles.first();
        return;
    }

    const int transcField = articles.fieldIndex(u"TRANSC");
    const int idField = articles.fieldIndex(u"ID");

    // The article to keep: by key and identity.
    QString key = QStringLiteral("A");
    qint64 id = 0;
    if (!EmptyTable(articles)) {
        key = articles.value(transcField).toString();
        id = articles.value(idField).toLongLong();
    }

    articles.suspendNotifications();
    articles.setActiveIndex(QString::fromLatin1(kIndexArticleKey));
    articles.setFilterText(filterText);
    articles.setFiltered(true);

    bool kept = false;
    if (articles.findKey({key})) {
        // Articles of several dictionaries may share the key: walk them.
        while (articles.value(transcField).toString() == key && !articles.atEnd()) {
            if (articles.value(idField).toLongLong() == id) {
                kept = true;
                break;
            }
            articles.next();
        }
    }
    if (!kept)
        articles.first();
    articles.resumeNotifications();
}

bool findArticleById(Table &articles, int id, std::array<bool, kDictionaryCount> &buttons)
{
    TableMark place = articles.mark();
    articles.suspendNotifications();

    SetFilterDict(articles, false, QString());
    articles.setActiveIndex(QString::fromLatin1(kIndexArticleId));

    const bool found = articles.findKey({id});
    if (found) {
        place = articles.mark();
        selectButtonsForArticle(buttons, articles.value(u"DICT").toInt());
    }

    SetFilterDict(articles, true, dictionaryFilterText(buttons));
    if (place.isValid())
        articles.gotoMark(place); // stays on the first of the view when the filter hides it
    articles.resumeNotifications();
    return found;
}

} // namespace lumolex
