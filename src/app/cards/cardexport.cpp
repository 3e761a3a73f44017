#include "app/cards/cardexport.h"

#include "app/shell/appmessages.h"
#include "platform/safefile.h"
#include "search/carddeck.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace lumolex {

namespace {

const QString kTitle = QStringLiteral("Экспорт карточек");

} // namespace

QString CardExport::defaultPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("LumoLex-карточки.txt"));
}

QString CardExport::writeDeck(const Table &articles, const QStringList &words, const QString &path, bool *written)
{
    const CardDeck deck = makeCardDeck(articles, words);
    const QString error = replaceFile(path, deck.text, LinkPolicy::Follow);
    *written = error.isEmpty();
    if (!error.isEmpty())
        return QStringLiteral("Карточки не записаны в файл\n%1\n%2").arg(QDir::toNativeSeparators(path), error);
    QString message = QStringLiteral("Записано карточек: %1\n%2").arg(deck.cards).arg(QDir::toNativeSeparators(path));
    if (!deck.missing.isEmpty())
        message += QStringLiteral("\nСлов без статьи в словарях (пропущено): %1").arg(deck.missing.size());
    return message;
}

void CardExport::run(QWidget *parent, const Table &articles, const QStringList &words, AppMessageBoxes *messages)
{
    if (words.isEmpty()) {
        messages->show(QMessageBox::Information, kTitle,
                       QStringLiteral("История карточек пуста: откройте слова в карточках, и их можно будет выгрузить."));
        return;
    }
    const QString path = QFileDialog::getSaveFileName(parent, kTitle, defaultPath(),
                                                      QStringLiteral("Текстовые файлы (*.txt);;Все файлы (*)"));
    if (path.isEmpty())
        return;
    bool written = false;
    const QString message = writeDeck(articles, words, path, &written);
    messages->show(written ? QMessageBox::Information : QMessageBox::Warning, kTitle, message);
}

} // namespace lumolex
