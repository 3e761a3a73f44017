#pragma once

// The search result list ListBoxFind: one row per found article, its text the
// headword, its ID and DICT attached. Rows are drawn with the dictionary's
// icon (ListBoxFindDrawItem), measured from the list font
// (ListBoxFindMeasureItem), and a headword too wide for the list shows whole
// in a hint beside the pointer (ListBoxFindMouseMove, ListBoxFindMouseLeave).

#include "search/fastwordsearch.h"
#include "search/resultrows.h"

#include <QListWidget>
#include <QPointer>

namespace lumolex {

struct Settings;
class WordHintWindow;

class ResultListBox : public QListWidget
{
    Q_OBJECT
public:
    enum Role { IdRole = Qt::UserRole + 1, DictRole };

    explicit ResultListBox(QWidget *parent = nullptr);

    // EvenLines, ColorEvenLines and HintWord are read from here when set.
    void setSettings(const Settings *settings) { m_settings = settings; }
    const Settings *settings() const { return m_settings; }

    void setResults(const QVector<FoundArticle> &results);
    void appendResults(const QVector<FoundArticle> &results);
    int idAt(int row) const;
    int dictAt(int row) const;
    // Height of every row in the current font.
    int rowHeight() const;
    // The result hint, while one is shown.
    WordHintWindow *hintWindow() const;
    const ResultHintTracker &hintTracker() const { return m_hintTracker; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void ListBoxFindMouseMove(const QPoint &pos);
    void ListBoxFindMouseLeave();

    const Settings *m_settings = nullptr;
    ResultHintTracker m_hintTracker;
    QPointer<WordHintWindow> m_hint;
};

} // namespace lumolex
