#include "ui/formabout.h"

#include "platform/systeminfo.h"
#include "ui/aboutbox.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QPushButton>

namespace lumolex {

TFormAbout::TFormAbout(QWidget *parent)
    : QDialog(parent)
    , availableMemory(&availablePhysicalMemory)
    , openUrl([](const QUrl &url) { QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(tr("О программе"));
    setUpAboutWindow(this);

    LabelName = newNameLabel(this, 40);
    LabelVer = newSmallLabel(this, "LabelVer", programVersionText(), 20, 143);
    LabelSite = newSmallLabel(this, "LabelSite", tr("Сайт поддержки:  ") + supportSiteHost(), 20, 171);
    makeLinkLook(LabelSite);
    LabelSite->installEventFilter(this);
    LabelCopyright = newSmallLabel(this, "LabelCopyright", copyrightText(), 20, 197);
    LabelSources = newSmallLabel(this, "LabelSources", dataSourcesText(), 20, 213);
    LabelFreeRam = newSmallLabel(this, "LabelFreeRam", freeMemoryLine(std::nullopt), 20, 248);

    // A button that looks like one on the picture, as large as its style
    // needs, its bottom edge clear of the box's.
    SpeedButtonOk = new QPushButton(QStringLiteral("Ok"), this);
    SpeedButtonOk->setObjectName(QStringLiteral("SpeedButtonOk"));
    SpeedButtonOk->setAutoDefault(false);
    const QSize button = SpeedButtonOk->sizeHint().expandedTo(QSize(73, 22));
    SpeedButtonOk->setGeometry(260, qMin(245, kAboutHeight - 6 - button.height()), button.width(), button.height());
    connect(SpeedButtonOk, &QPushButton::clicked, this, &TFormAbout::SpeedButtonOkClick);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TFormAbout::Timer1Timer);
    Timer1->start();
}

void TFormAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    LabelName->setText(tr("ЛУМОЛЕКС"));
    LabelVer->setText(programVersionText());
    LabelCopyright->setText(copyrightText());
    Timer1Timer();
}

void TFormAbout::Timer1Timer()
{
    LabelFreeRam->setText(freeMemoryLine(availableMemory ? availableMemory() : std::nullopt));
    LabelFreeRam->adjustSize();
}

void TFormAbout::LabelSiteClick()
{
    // A missing browser is not reported.
    if (openUrl)
        openUrl(QUrl(supportSiteUrl()));
}

void TFormAbout::SpeedButtonOkClick()
{
    close();
}

void TFormAbout::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        close();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool TFormAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == LabelSite && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        LabelSiteClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace lumolex
