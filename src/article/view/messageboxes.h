#pragma once

// The message boxes of the article commands, behind an interface so that
// tests can answer them without a modal loop.

#include <QPointer>
#include <QString>
#include <QWidget>

namespace lumolex {

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual void error(const QString &title, const QString &text) = 0;       // error icon, OK
    virtual bool askYesNo(const QString &title, const QString &text) = 0;    // question icon, Yes/No; true on Yes
};

// Real modal boxes over the given window.
class DialogMessageBoxes : public MessageBoxes
{
public:
    explicit DialogMessageBoxes(QWidget *parent = nullptr);
    void error(const QString &title, const QString &text) override;
    bool askYesNo(const QString &title, const QString &text) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace lumolex
