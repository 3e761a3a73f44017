#include "app/shell/statusindicators.h"

#include "app/shell/statuspanel.h"
#include "platform/keyboardstate.h"
#include "ui/imagelist16.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

namespace lumolex {

namespace {

void showLockState(QLabel *field, std::optional<bool> on)
{
    if (on && field->isEnabled() != *on)
        field->setEnabled(*on);
}

} // namespace

StatusIndicators::StatusIndicators(StatusPanel *panel, std::unique_ptr<KeyboardState> keyboard, QObject *parent)
    : QObject(parent)
    , m_panel(panel)
    , m_layoutIndicator(panel->StaticTextLang)
    , m_keyboard(std::move(keyboard))
{
    PMenuLang = new QMenu(panel);
    PMenuLang->setObjectName(QStringLiteral("PMenuLang"));
    PMenuLangRU = PMenuLang->addAction(ImageList16::shared().icon(ImageList16::LayoutRussian), tr("Русский"));
    PMenuLangRU->setObjectName(QStringLiteral("PMenuLangRU"));
    PMenuLangEN = PMenuLang->addAction(ImageList16::shared().icon(ImageList16::LayoutEnglish), tr("Английский"));
    PMenuLangEN->setObjectName(QStringLiteral("PMenuLangEN"));
    connect(PMenuLangRU, &QAction::triggered, this, &StatusIndicators::PMenuLangRUClick);
    connect(PMenuLangEN, &QAction::triggered, this, &StatusIndicators::PMenuLangENClick);

    // Every mouse button opens the menu above the press point; the context
    // menu (right click, menu key) opens it at the pointer unless it is open.
    QLabel *indicator = m_panel->StaticTextLang;
    indicator->installEventFilter(this);
    indicator->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(indicator, &QWidget::customContextMenuRequested, this, [this, indicator](const QPoint &pos) {
        if (!PMenuLang->isVisible())
            PMenuLang->popup(indicator->mapToGlobal(pos));
    });

    TimerStatus = new QTimer(this);
    TimerStatus->setObjectName(QStringLiteral("TimerStatus"));
    TimerStatus->setInterval(TickInterval);
    connect(TimerStatus, &QTimer::timeout, this, &StatusIndicators::TimerStatusTimer);
    TimerStatus->start();
}

StatusIndicators::~StatusIndicators() = default;

void StatusIndicators::TimerStatusTimer()
{
    showLockState(m_panel->StaticTextCaps, m_keyboard->capsLock());
    showLockState(m_panel->StaticTextNum, m_keyboard->numLock());
    const QString layout = m_keyboard->activeLayout();
    const QString text = layoutIndicatorText(layout);
    if (m_panel->StaticTextLang->text() != text)
        m_panel->StaticTextLang->setText(text);
}

void StatusIndicators::StaticTextLangMouseDown(const QPoint &globalPos)
{
    PMenuLang->popup(QPoint(globalPos.x(), globalPos.y() - MenuLift));
}

void StatusIndicators::PMenuLangRUClick()
{
    m_keyboard->switchLayout(LayoutChoice::Russian);
}

void StatusIndicators::PMenuLangENClick()
{
    m_keyboard->switchLayout(LayoutChoice::English);
}

bool StatusIndicators::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == m_layoutIndicator) {
        StaticTextLangMouseDown(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return false;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lumolex
