#pragma once

// TMHint: hints written on one line with a separator where a new line
// starts ("Быстрый поиск @(возможно сочетание слов через пробел)").
//
// Created with its owner, the component watches every hint the application
// is about to show: it turns each separator into a line break and keeps the
// hint off the bottom edge of the primary screen. The control's own hint
// text keeps its separator. The hint window is the toolkit's standard one.

#include <QChar>
#include <QObject>
#include <QPoint>
#include <QString>

namespace lumolex {

class TMHint : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ active WRITE setActive)
    Q_PROPERTY(QChar Separator READ separator WRITE setSeparator)
public:
    // Installs itself on the application and reads the primary screen's
    // height once; a test may give the height instead (screenSize > 0).
    explicit TMHint(QObject *owner = nullptr, int screenSize = 0);
    ~TMHint() override;

    bool active() const { return FActive; }
    void setActive(bool on) { FActive = on; }
    QChar separator() const { return FSeparator; }
    void setSeparator(QChar separator) { FSeparator = separator; }
    int screenSize() const { return ScreenSize; }

    // The show-hint handler: changes the text and the hint's top-left corner
    // (screen coordinates) as they are to be shown.
    void ShowHint(QString &hintText, QPoint &hintPos) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int ScreenSize = 0;
    bool FActive = true;
    QChar FSeparator = QLatin1Char('@');
};

} // namespace lumolex
