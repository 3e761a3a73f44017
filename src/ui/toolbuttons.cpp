#include "ui/toolbuttons.h"

#include "ui/imagelist16.h"

#include <QToolBar>
#include <QToolButton>

namespace lumolex {

QToolBar *newToolBar(QWidget *parent, const char *name)
{
    auto *bar = new QToolBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(ImageList16::ImageSize, ImageList16::ImageSize));
    return bar;
}

QToolButton *addToolButton(QToolBar *bar, const char *name, const QString &hint, int image, QSize size)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setIcon(ImageList16::shared().icon(image));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    if (size.isValid())
        button->setFixedSize(size);
    bar->addWidget(button);
    return button;
}

} // namespace lumolex
