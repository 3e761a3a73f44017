#pragma once

// The message boxes of the article commands, behind an interface so that
// tests can answer them without a modal loop. The main window gives the
// real boxes (DialogAppMessageBoxes).

#include <QString>

namespace lumolex {

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual void error(const QString &title, const QString &text) = 0;       // error icon, OK
    virtual bool askYesNo(const QString &title, const QString &text) = 0;    // question icon, Yes/No; true on Yes
};

} // namespace lumolex
