#include "app/search/findpanel.h"

#include "app/lists/resultlistbox.h"
#include "ui/imagelist16.h"
#include "ui/toolbuttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumolex {

FindPanel::FindPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelFind"));
    setMinimumWidth(50);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    LabelCaptionFind = new QLabel(tr("Поиск"), this);
    LabelCaptionFind->setObjectName(QStringLiteral("LabelCaptionFind"));
    LabelCaptionFind->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(LabelCaptionFind);

    ToolBarFind = newToolBar(this, "ToolBarFind");
    ToolButtonCloseFind = addToolButton(ToolBarFind, "ToolButtonCloseFind", tr("Закрыть панель поиска"),
                                        ImageList16::CloseFindPanel, kPanelButtonSize);
    ToolBarFind->addSeparator();
    CheckBoxFindInAllDict = new QCheckBox(tr("Во всех словарях"), ToolBarFind);
    CheckBoxFindInAllDict->setObjectName(QStringLiteral("CheckBoxFindInAllDict"));
    CheckBoxFindInAllDict->setToolTip(tr("Поиск во всех или выбранных словарях"));
    ToolBarFind->addWidget(CheckBoxFindInAllDict);
    layout->addWidget(ToolBarFind);

    ListBoxFind = new ResultListBox(this);
    layout->addWidget(ListBoxFind, 1);

    PanelEditFind = new QFrame(this);
    PanelEditFind->setObjectName(QStringLiteral("PanelEditFind"));
    auto *strip = new QHBoxLayout(PanelEditFind);
    strip->setContentsMargins(0, 0, 0, 3);
    strip->setSpacing(0);
    EditFind = new QComboBox(PanelEditFind);
    EditFind->setObjectName(QStringLiteral("EditFind"));
    EditFind->setEditable(true);
    EditFind->setInsertPolicy(QComboBox::NoInsert);
    EditFind->setCompleter(nullptr);
    EditFind->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    EditFind->setMinimumContentsLength(4);
    strip->addWidget(EditFind, 1);
    ToolBarFindGo = newToolBar(PanelEditFind, "ToolBarFindGo");
    ToolButtonGoFind1 = addToolButton(ToolBarFindGo, "ToolButtonGoFind1",
                                      tr("Быстрый поиск @(возможно сочетание слов через пробел)"), ImageList16::Search,
                                      kPanelButtonSize);
    ToolButtonGoFind2 = addToolButton(ToolBarFindGo, "ToolButtonGoFind2",
                                      tr("Поиск фрагмента текста @(медленный поиск)"), ImageList16::FragmentSearch,
                                      kPanelButtonSize);
    strip->addWidget(ToolBarFindGo);
    layout->addWidget(PanelEditFind);
}

} // namespace lumolex
