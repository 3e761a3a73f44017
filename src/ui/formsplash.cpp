#include "ui/formsplash.h"

#include "ui/aboutbox.h"

#include <QLabel>

namespace lumolex {

TFormSplash::TFormSplash(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FormSplash"));
    setUpAboutWindow(this);
    setWindowFlag(Qt::SplashScreen);
    LabelName = newNameLabel(this, 52);
    LabelVer = newSmallLabel(this, "LabelVer", programVersionText(), 20, 165);
    // Shown like a link, but the splash box takes no clicks.
    LabelSite = newSmallLabel(this, "LabelSite", tr("Сайт поддержки: ") + supportSiteUrl(), 20, 195);
    makeLinkLook(LabelSite);
    LabelCopyright = newSmallLabel(this, "LabelCopyright", copyrightText(), 20, 242);
}

void TFormSplash::showNow()
{
    show();
    repaint();
}

void TFormSplash::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    LabelName->setText(tr("ЛУМОЛЕКС"));
    LabelVer->setText(programVersionText());
    LabelCopyright->setText(copyrightText());
}

} // namespace lumolex
