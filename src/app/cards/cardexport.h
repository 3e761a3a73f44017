#pragma once

// «Сервис» → «Экспорт карточек…»: the words of the card history (the words
// opened in cards, newest first) as a flash-card deck in a file the user
// picks. The file is replaced atomically: a failed write leaves no half
// file and says why.

#include <QString>
#include <QStringList>

class QWidget;

namespace lumolex {

class AppMessageBoxes;
class Table;

class CardExport
{
public:
    // "LumoLex-карточки.txt" in the user's documents folder.
    static QString defaultPath();

    // Writes the deck of `words` to `path`. Returns the message for the
    // user: how many cards were written and how many words no article holds
    // any more, or why nothing was written (*written says which).
    static QString writeDeck(const Table &articles, const QStringList &words, const QString &path, bool *written);

    // Asks for the file (a save dialog over `parent`), writes it, and tells
    // the outcome.
    static void run(QWidget *parent, const Table &articles, const QStringList &words, AppMessageBoxes *messages);
};

} // namespace lumolex
