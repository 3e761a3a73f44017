#pragma once

// The line under the word box that names the dictionary words of a typed
// inflected form: «Форма слова: пӯрт» (up to three headwords, then «…»). A
// click on a headword chooses its article; the line is hidden while it has
// nothing to say.

#include "search/fastwordsearch.h"

#include <QLabel>
#include <QVector>

namespace lumolex {

class WordFormLine : public QLabel
{
    Q_OBJECT
public:
    explicit WordFormLine(QWidget *parent = nullptr);

    // Shows the headwords of `found` (hides the line when there are none).
    void showArticles(const QVector<FoundArticle> &found);
    void clear();

    // The articles the line names, all of them (the line shows three).
    const QVector<FoundArticle> &articles() const { return m_found; }

    static constexpr int kShownHeadwords = 3;

signals:
    void articleChosen(int id);

private:
    QVector<FoundArticle> m_found;
};

} // namespace lumolex
