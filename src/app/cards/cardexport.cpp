#include "app/cards/cardexport.h"

#include "app/shell/appmessages.h"
#include "platform/safefile.h"
#include "search/carddeck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace lumolex {

namespace {

// Translated at each use: statics are made before the translation is installed.
QString title()
{
    return QCoreApplication::translate("CardExport", "Экспорт карточек");
}

} // namespace

QString CardExport::defaultPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(QCoreApplication::translate("CardExport", "LumoLex-карточки.txt"));
}

QString CardExport::writeDeck(const Table &articles, const QStringList &words, const QString &path, bool *written)
{
    const CardDeck deck = makeCardDeck(articles, words);
    const QString error = replaceFile(path, deck.text, LinkPolicy::Follow);
    *written = error.isEmpty();
    if (!error.isEmpty())
        return QCoreApplication::translate("CardExport", "Карточки не записаны в файл\n%1\n%2")
            .arg(QDir::toNativeSeparators(path), error);
    QString message = QCoreApplication::translate("CardExport", "Записано карточек: %1\n%2")
                          .arg(deck.cards)
                          .arg(QDir::toNativeSeparators(path));
    if (!deck.missing.isEmpty())
        message += QCoreApplication::translate("CardExport", "\nСлов без статьи в словарях (пропущено): %1")
                       .arg(deck.missing.size());
    return message;
}

void CardExport::run(QWidget *parent, const Table &articles, const QStringList &words, AppMessageBoxes *messages)
{
    if (words.isEmpty()) {
        messages->show(
            QMessageBox::Information, title(),
            QCoreApplication::translate(
                "CardExport", "История карточек пуста: откройте слова в карточках, и их можно будет выгрузить."));
        return;
    }
    const QString path = QFileDialog::getSaveFileName(
        parent, title(), defaultPath(),
        QCoreApplication::translate("CardExport", "Текстовые файлы (*.txt);;Все файлы (*)"));
    if (path.isEmpty())
        return;
    bool written = false;
    const QString message = writeDeck(articles, words, path, &written);
    messages->show(written ? QMessageBox::Information : QMessageBox::Warning, title(), message);
}

} // namespace lumolex
