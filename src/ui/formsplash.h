#pragma once

// The splash box TFormSplash, shown while the program starts: the About
// box's picture with the name, version, site address and copyright. It has
// no controls and no timer.

#include <QWidget>

class QLabel;

namespace lumolex {

class TFormSplash : public QWidget
{
    Q_OBJECT
public:
    explicit TFormSplash(QWidget *parent = nullptr);

    // Shows the box and paints it at once, without running the event loop.
    void showNow();

    QLabel *LabelName;
    QLabel *LabelVer;
    QLabel *LabelSite;
    QLabel *LabelCopyright;

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace lumolex
