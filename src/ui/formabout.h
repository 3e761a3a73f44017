#pragma once

// The About box TFormAbout: the picture with the program's name, version,
// support site (clickable), copyright, data sources and the free memory,
// refreshed every second by Timer1. Enter, Esc or "Ok" close it; it is
// destroyed when it closes.

#include <QDialog>
#include <QUrl>

#include <functional>
#include <optional>

class QLabel;
class QTimer;
class QPushButton;

namespace lumolex {

class TFormAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TFormAbout(QWidget *parent = nullptr);

    // Where the free memory and the site's opening come from; tests give
    // their own.
    std::function<std::optional<quint64>()> availableMemory;
    std::function<void(const QUrl &)> openUrl;

    QLabel *LabelName;
    QLabel *LabelVer;
    QLabel *LabelSite;
    QLabel *LabelCopyright;
    QLabel *LabelSources;
    QLabel *LabelFreeRam;
    QPushButton *SpeedButtonOk;
    QTimer *Timer1;

    void Timer1Timer();
    void LabelSiteClick();
    void SpeedButtonOkClick();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace lumolex
