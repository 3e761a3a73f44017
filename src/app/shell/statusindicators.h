#pragma once

// The live fields of the status bar: Caps Lock, Num Lock and the keyboard
// layout indicator, read from the system every 100 ms by TimerStatus, and
// the layout menu PMenuLang that switches between Russian and English.
// A field is written only when what it shows changes; where the system
// cannot say, the field keeps what it shows.

#include <QObject>
#include <QPoint>

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace lumolex {

class KeyboardState;
class StatusPanel;

class StatusIndicators : public QObject
{
    Q_OBJECT
public:
    StatusIndicators(StatusPanel *panel, std::unique_ptr<KeyboardState> keyboard, QObject *parent = nullptr);
    ~StatusIndicators() override;

    static constexpr int TickInterval = 100;
    // How far above the press point the layout menu opens.
    static constexpr int MenuLift = 55;

    QTimer *TimerStatus;
    QMenu *PMenuLang;
    QAction *PMenuLangRU;
    QAction *PMenuLangEN;

    void TimerStatusTimer();
    void StaticTextLangMouseDown(const QPoint &globalPos);
    void PMenuLangRUClick();
    void PMenuLangENClick();

    KeyboardState *keyboard() const { return m_keyboard.get(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StatusPanel *m_panel;
    // The layout indicator, compared with the watched object only: while the
    // window is destroyed, its status panel is no longer a StatusPanel.
    const QObject *m_layoutIndicator;
    std::unique_ptr<KeyboardState> m_keyboard;
};

} // namespace lumolex
