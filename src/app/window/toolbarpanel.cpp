#include "app/window/toolbarpanel.h"

#include "app/window/mainmenu.h"
#include "ui/imagelist16.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumolex {

namespace {
constexpr int kButtonWidth = 41;
constexpr int kButtonHeight = 44;
} // namespace

ToolBarPanel::ToolBarPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelTop"));
    setFixedHeight(63);
    setFrameShape(QFrame::StyledPanel);
    // The groups keep their size and are clipped when the window is narrower.
    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("PanelTopContent"));
    m_content->move(3, 0);
    auto *row = new QHBoxLayout(m_content);
    row->setSizeConstraint(QLayout::SetFixedSize);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);

    QHBoxLayout* saami = addGroup(row, "LabelSaamiRussian", tr("саами - русский"), &LabelSaamiRussian);
    SpeedButtonDict1 = addButton(saami, "SpeedButtonDict1",
                                 tr("Саамско-русский словарь (кильдинский диалект) @Под редакцией "),
                                 ImageList16::Dictionary1, true);
    SpeedButtonDict2 = addButton(saami, "SpeedButtonDict2",
                                 tr("Саамско-русский словарь (кильдинский диалект) @Автор: "), ImageList16::Dictionary2,
                                 true);
    SpeedButtonDict4 = addButton(saami, "SpeedButtonDict4",
                                 tr("Саамско-русский словарь (кильдинский диалект) @Автор: "), ImageList16::Dictionary4,
                                 true);
    QHBoxLayout* russian = addGroup(row, "LabelRussianSaami", tr("русский - саами"), &LabelRussianSaami);
    SpeedButtonDict3 = addButton(russian, "SpeedButtonDict3",
                                 tr("Русско-саамский словарь (кильдинский диалект) @Автор: "), ImageList16::Dictionary3,
                                 true);
    QHBoxLayout* phrases = addGroup(row, "LabelPhrasebooks", tr("Разговорники"), &LabelPhrasebooks);
    SpeedButtonRazg1 = addButton(phrases, "SpeedButtonRazg1", tr("Саамско-русский разговорник @Автор: "),
                                 ImageList16::Phrasebook, true);
    setTag(SpeedButtonDict1, 81);
    setTag(SpeedButtonDict2, 82);
    setTag(SpeedButtonDict4, 83);
    setTag(SpeedButtonDict3, 91);
    setTag(SpeedButtonRazg1, 101);
    SpeedButtonDict1->setChecked(true);

    QHBoxLayout* service = addGroup(row, "LabelService", tr("Сервис"), &LabelService);
    SpeedButtonOpenCard = addButton(service, "SpeedButtonOpenCard", tr("Открыть карточку слова из списка"),
                                    ImageList16::OpenCard, false);
    SpeedButtonBookmark = addButton(service, "SpeedButtonBookmark", tr("Закладка"), ImageList16::Bookmark, true);
    SpeedButtonBack = addButton(service, "SpeedButtonBack", tr("Шаг назад"), ImageList16::StepBack, false);
    SpeedButtonForward = addButton(service, "SpeedButtonForward", tr("Шаг вперед"), ImageList16::StepForward, false);
    SpeedButtonFind = addButton(service, "SpeedButtonFind", tr("Поиск слова в словарях"), ImageList16::Search, true);
    SpeedButtonCloseAll = addButton(service, "SpeedButtonCloseAll", tr("Закрыть все карточки"),
                                    ImageList16::CloseAllCards, false);
    SpeedButtonFormTop = addButton(service, "SpeedButtonFormTop", tr("Разместить поверх других окон"),
                                   ImageList16::AlwaysOnTop, true);
    SpeedButtonCloseAll->setEnabled(false);
}

QHBoxLayout *ToolBarPanel::addGroup(QHBoxLayout *row, const char *labelName, const QString &caption,
                                    QLabel **label)
{
    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    *label = new QLabel(caption, m_content);
    (*label)->setObjectName(QString::fromLatin1(labelName));
    column->addWidget(*label);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    column->addLayout(buttons);
    row->addLayout(column);
    return buttons;
}

QToolButton *ToolBarPanel::addButton(QHBoxLayout *group, const char *name, const QString &hint, int image,
                                     bool toggle)
{
    auto *button = new QToolButton(m_content);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setIcon(ImageList16::shared().icon(image));
    button->setIconSize(QSize(24, 24));
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setAutoRaise(true);
    button->setCheckable(toggle);
    button->setFocusPolicy(Qt::NoFocus);
    group->addWidget(button);
    return button;
}

QList<QToolButton *> ToolBarPanel::dictionaryButtons() const
{
    return {SpeedButtonDict1, SpeedButtonDict2, SpeedButtonDict4, SpeedButtonDict3, SpeedButtonRazg1};
}

} // namespace lumolex
