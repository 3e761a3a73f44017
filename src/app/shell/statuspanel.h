#pragma once

// Folder app/shell: what surrounds the window's work: the status bar and its
// live lock and layout fields, the program's message boxes, and Qt's own
// texts in Russian. It may use article/view (the message box interface),
// platform and ui; no other folder of app/.

// The status bar PanelStatus: work mode, search progress, found count, caret
// position, Caps Lock, Num Lock and the keyboard layout indicator, left to
// right. The bar only holds the fields; their owners write them.

#include <QFrame>

class QLabel;
class QProgressBar;

namespace lumolex {

class StatusPanel : public QFrame
{
    Q_OBJECT
public:
    explicit StatusPanel(QWidget *parent = nullptr);

    QLabel *StaticTextMode;
    QProgressBar *ProgressBar1;
    QLabel *StaticTextPosFind;
    QLabel *StaticTextCurPos;
    QLabel *StaticTextCaps;
    QLabel *StaticTextNum;
    QLabel *StaticTextLang;
};

} // namespace lumolex
