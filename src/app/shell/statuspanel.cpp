#include "app/shell/statuspanel.h"

#include "ui/readablecolour.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>

namespace lumolex {

namespace {

// A field of the bar; the fields right of the progress bar (but the found
// count) have a bevel on their left edge. A disabled field draws its text
// greyed.
class StatusField : public QLabel
{
public:
    StatusField(const QString &text, bool leftBevel, QWidget *parent)
        : QLabel(text, parent)
        , m_leftBevel(leftBevel)
    {
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        if (!m_leftBevel)
            return;
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(0, 0, 0, height() - 1);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(1, 0, 1, height() - 1);
    }

private:
    bool m_leftBevel;
};

QLabel *newField(QWidget *parent, const char *name, const QString &text, int width, bool leftBevel)
{
    auto *field = new StatusField(text, leftBevel, parent);
    field->setTextFormat(Qt::PlainText);
    field->setObjectName(QString::fromLatin1(name));
    field->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    field->setFont(font);
    // The field's width, or more where a substitute font or a long count
    // needs it: a number is never cut.
    field->setMinimumWidth(width);
    field->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
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
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);

    StaticTextMode = newField(this, "StaticTextMode", tr("Работа"), 45, false);
    row->addWidget(StaticTextMode);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    row->addWidget(ProgressBar1, 1);
    row->addStretch(1);
    StaticTextPosFind = newField(this, "StaticTextPosFind", QStringLiteral("0 / 0"), 31, false);
    StaticTextPosFind->setToolTip(tr("Найдено слов"));
    StaticTextPosFind->hide();
    row->addWidget(StaticTextPosFind);
    StaticTextCurPos = newField(this, "StaticTextCurPos", QStringLiteral("0 : 0"), 31, true);
    StaticTextCurPos->setToolTip(tr("Позиция в тексте перевода"));
    row->addWidget(StaticTextCurPos);
    StaticTextCaps = newField(this, "StaticTextCaps", QStringLiteral("Caps"), 32, true);
    row->addWidget(StaticTextCaps);
    StaticTextNum = newField(this, "StaticTextNum", QStringLiteral("Num"), 30, true);
    row->addWidget(StaticTextNum);

    // The layout indicator: caption colours, a hand cursor, the layout menu.
    StaticTextLang = newField(this, "StaticTextLang", QStringLiteral("RU"), 20, true);
    QPalette captionColours = StaticTextLang->palette();
    const QColor caption = palette().color(QPalette::Active, QPalette::Highlight);
    captionColours.setColor(QPalette::Window, caption);
    captionColours.setColor(QPalette::WindowText,
                            readableTextColour(palette().color(QPalette::Active, QPalette::HighlightedText), caption));
    StaticTextLang->setPalette(captionColours);
    StaticTextLang->setAutoFillBackground(true);
    StaticTextLang->setCursor(Qt::PointingHandCursor);
    row->addWidget(StaticTextLang);
}

} // namespace lumolex
