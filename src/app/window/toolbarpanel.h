#pragma once

// The tool bar panel PanelTop: the five dictionary buttons in three labelled
// groups ("саами - русский", "русский - саами", "Разговорники") and the group
// "Сервис" with the card, bookmark, step, search, close-all and
// always-on-top buttons. The panel only builds its buttons; the window and
// its parts connect them.

#include <QFrame>
#include <QList>

class QHBoxLayout;
class QLabel;
class QToolButton;

namespace lumolex {

class ToolBarPanel : public QFrame
{
    Q_OBJECT
public:
    explicit ToolBarPanel(QWidget *parent = nullptr);

    QLabel *LabelSaamiRussian;
    QLabel *LabelRussianSaami;
    QLabel *LabelPhrasebooks;
    QLabel *LabelService;

    QToolButton *SpeedButtonDict1;
    QToolButton *SpeedButtonDict2;
    QToolButton *SpeedButtonDict4;
    QToolButton *SpeedButtonDict3;
    QToolButton *SpeedButtonRazg1;

    QToolButton *SpeedButtonOpenCard;
    QToolButton *SpeedButtonBookmark;
    QToolButton *SpeedButtonBack;
    QToolButton *SpeedButtonForward;
    QToolButton *SpeedButtonFind;
    QToolButton *SpeedButtonCloseAll;
    QToolButton *SpeedButtonFormTop;

    // The five dictionary buttons in screen order (slots of the selection).
    QList<QToolButton *> dictionaryButtons() const;

private:
    QHBoxLayout *addGroup(QHBoxLayout *row, const char *labelName, const QString &caption, QLabel **label);
    QToolButton *addButton(QHBoxLayout *group, const char *name, const QString &hint, int image,
                           bool toggle);

    QWidget *m_content; // the groups at their own size, clipped by the panel
};

} // namespace lumolex
