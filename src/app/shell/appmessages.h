#pragma once

// The message boxes of the main window, behind an interface so that tests
// can see them without a modal loop. The article commands use the same
// object through MessageBoxes.

#include "article/view/messageboxes.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>

namespace lumolex {

class AppMessageBoxes : public MessageBoxes
{
public:
    // A box with one OK button; NoIcon gives a plain box.
    virtual void show(QMessageBox::Icon icon, const QString &title, const QString &text) = 0;

    void error(const QString &title, const QString &text) override { show(QMessageBox::Critical, title, text); }
};

// Real modal boxes over the main window.
class DialogAppMessageBoxes : public AppMessageBoxes
{
public:
    explicit DialogAppMessageBoxes(QWidget *parent = nullptr);
    void show(QMessageBox::Icon icon, const QString &title, const QString &text) override;
    bool askYesNo(const QString &title, const QString &text) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace lumolex
