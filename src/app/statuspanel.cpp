#include "app/statuspanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

namespace lumolex {

namespace {

QLabel *newField(QWidget *parent, const char *name, const QString &text, int minimumWidth)
{
    auto *field = new QLabel(text, parent);
    field->setTextFormat(Qt::PlainText);
    field->setObjectName(QString::fromLatin1(name));
    field->setMinimumWidth(minimumWidth);
    field->setFrameShape(QFrame::StyledPanel);
    field->setFrameShadow(QFrame::Sunken);
    field->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    field->setFont(font);
    return field;
}

} // namespace

StatusPanel::StatusPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelStatus"));
    setFixedHeight(23);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(1, 1, 1, 1);
    row->setSpacing(3);

    StaticTextMode = newField(this, "StaticTextMode", QStringLiteral("Работа"), 45);
    row->addWidget(StaticTextMode);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    row->addWidget(ProgressBar1, 1);
    row->addStretch(1);
    StaticTextPosFind = newField(this, "StaticTextPosFind", QStringLiteral("0 / 0"), 31);
    StaticTextPosFind->setToolTip(QStringLiteral("Найдено слов"));
    StaticTextPosFind->hide();
    row->addWidget(StaticTextPosFind);
    StaticTextCurPos = newField(this, "StaticTextCurPos", QStringLiteral("0 : 0"), 31);
    StaticTextCurPos->setToolTip(QStringLiteral("Позиция в тексте перевода"));
    row->addWidget(StaticTextCurPos);
    StaticTextCaps = newField(this, "StaticTextCaps", QStringLiteral("Caps"), 32);
    row->addWidget(StaticTextCaps);
    StaticTextNum = newField(this, "StaticTextNum", QStringLiteral("Num"), 30);
    row->addWidget(StaticTextNum);
    StaticTextLang = newField(this, "StaticTextLang", QStringLiteral("RU"), 20);
    row->addWidget(StaticTextLang);
}

} // namespace lumolex
