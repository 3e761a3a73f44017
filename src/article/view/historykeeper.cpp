#include "article/view/historykeeper.h"

#include "article/history.h"
#include "article/view/messageboxes.h"
#include "data/table/table.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace lumolex {

HistoryKeeper::HistoryKeeper(QComboBox *wordBox, QComboBox *findBox, Table *articles, MessageBoxes *messages,
                             QObject *parent)
    : QObject(parent)
    , m_wordBox(wordBox)
    , m_findBox(findBox)
    , m_articles(articles)
    , m_messages(messages)
{
}

void HistoryKeeper::AddHistory(int mode)
{
    if (mode == CardHistory) {
        if (!m_wordBox || !m_articles || EmptyTable(*m_articles))
            return;
        QStringList list = entries(m_wordBox);
        if (recordHistoryEntry(list, m_articles->value(u"WORD").toString()))
            setEntries(m_wordBox, list);
    } else if (mode == FindHistory) {
        if (!m_findBox)
            return;
        QStringList list = entries(m_findBox);
        if (!recordHistoryEntry(list, trimHistoryText(m_findBox->currentText())))
            return;
        setEntries(m_findBox, list);
        m_findBox->setCurrentIndex(0);
    }
}

void HistoryKeeper::MainMenuClearHistClick()
{
    if (!m_messages || !m_messages->askYesNo(tr("Лумолекс"), tr("Очистить историю карточек и поиска?")))
        return;
    m_cleared = true;
    if (m_wordBox)
        setEntries(m_wordBox, {});
    if (m_findBox)
        setEntries(m_findBox, {});
}

QStringList HistoryKeeper::entries(const QComboBox *box)
{
    QStringList list;
    list.reserve(box->count());
    for (int i = 0; i < box->count(); ++i)
        list.append(box->itemText(i));
    return list;
}

void HistoryKeeper::setEntries(QComboBox *box, const QStringList &entries)
{
    // An editable box copies the current entry into its text when its list
    // changes; the history must never change what the user sees or typed.
    QLineEdit *edit = box->lineEdit();
    const QString text = box->currentText();
    const int cursor = edit ? edit->cursorPosition() : 0;
    const int selectionStart = edit ? edit->selectionStart() : -1;
    const int selectionLength = edit ? int(edit->selectedText().size()) : 0;

    const QSignalBlocker boxBlocker(box);
    const QSignalBlocker editBlocker(edit);
    box->clear();
    box->addItems(entries);
    box->setCurrentIndex(-1);
    if (edit) {
        if (edit->text() != text)
            edit->setText(text);
        if (selectionStart >= 0 && selectionLength > 0) {
            if (cursor == selectionStart)   // selected backwards
                edit->setSelection(selectionStart + selectionLength, -selectionLength);
            else
                edit->setSelection(selectionStart, selectionLength);
        } else {
            edit->setCursorPosition(cursor);
        }
    }
}

} // namespace lumolex
