#include "app/setup/formsetup.h"

#include "app/setup/setuppreview.h"
#include "platform/windowsystem.h"
#include "ui/clampedspinbox.h"
#include "ui/colorbox.h"
#include "ui/imagelist16.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace lumolex {

namespace {

template <typename T>
T *named(T *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QCheckBox *addCheckBox(QWidget *tab, QBoxLayout *column, const char *name, const QString &text)
{
    auto *box = named(new QCheckBox(text, tab), name);
    column->addWidget(box);
    return box;
}

// A label and its numeric field on one line.
ClampedSpinBox *addField(QWidget *owner, QBoxLayout *column, const char *labelName, const QString &label,
                         QLabel **labelOut, const char *name, SettingRange range)
{
    auto *row = new QHBoxLayout;
    *labelOut = named(new QLabel(label, owner), labelName);
    auto *field = named(new ClampedSpinBox(range.min, range.max, owner), name);
    field->setFixedWidth(64);
    (*labelOut)->setBuddy(field);
    row->addWidget(*labelOut, 1);
    row->addWidget(field);
    column->addLayout(row);
    return field;
}

QWidget *addTab(QTabWidget *pages, const char *name, int image, const QString &caption)
{
    auto *tab = named(new QWidget(pages), name);
    pages->addTab(tab, ImageList16::shared().icon(image), caption);
    return tab;
}

// The dialog's check boxes and number fields, each with the value it edits.
template <typename Control, typename T>
struct Bound
{
    Control *TFormSetup::*control;
    T SetupValues::*value;
};

const Bound<QCheckBox, bool> kCheckBoxes[] = {
    {&TFormSetup::CheckBoxHint, &SetupValues::HintWord},
    {&TFormSetup::CheckBoxTray, &SetupValues::IconTray},
    {&TFormSetup::CheckBoxDockWindow, &SetupValues::DockWindow},
    {&TFormSetup::CheckBoxNoDoubleProgramm, &SetupValues::noDoubleProgramm},
    {&TFormSetup::CheckBoxTranspCard, &SetupValues::TranspCard},
    {&TFormSetup::CheckBoxSaveParam, &SetupValues::SaveParam},
    {&TFormSetup::CheckBoxOpenCardWin, &SetupValues::OpenCardWin},
    {&TFormSetup::CheckBoxCloseCard, &SetupValues::CloseCardsAtSwith},
    {&TFormSetup::CheckBoxColorString, &SetupValues::EvenLines},
    {&TFormSetup::CheckBoxExactLetters, &SetupValues::ExactLetters},
};

const Bound<ClampedSpinBox, int> kNumberFields[] = {
    {&TFormSetup::SpinEditTransp, &SetupValues::Transparency},
    {&TFormSetup::SpinEditFontSizeList, &SetupValues::FontSizeList},
    {&TFormSetup::SpinEditFontSizeText, &SetupValues::FontSizeText},
    {&TFormSetup::SpinEditFontSizeCard, &SetupValues::FontSizeCard},
    {&TFormSetup::SpinEditCardWidth, &SetupValues::CardWidth},
    {&TFormSetup::SpinEditCardHeight, &SetupValues::CardHeight},
};

} // namespace

TFormSetup::TFormSetup(Settings *settings, const QTextDocument *article, SetupActions actions,
                       const InstalledFonts &fonts, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_article(article)
    , m_actions(std::move(actions))
    , m_familyInUse(fonts.familyInUse)
{
    setObjectName(QStringLiteral("FormSetup"));
    setWindowTitle(tr("Настройки"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    PageControl1 = named(new QTabWidget(this), "PageControl1");
    TabSheet1 = addTab(PageControl1, "TabSheet1", ImageList16::Settings, tr("Общие"));
    TabSheet2 = addTab(PageControl1, "TabSheet2", ImageList16::Fonts, tr("Шрифты"));
    TabSheet3 = addTab(PageControl1, "TabSheet3", ImageList16::Card, tr("Карточка слова"));
    TabSheet4 = addTab(PageControl1, "TabSheet4", ImageList16::Lists, tr("Списки"));
    TabSheetSearch = addTab(PageControl1, "TabSheetSearch", ImageList16::Search, tr("Поиск"));
    buildGeneralTab();
    buildFontsTab(fonts.families);
    buildCardTab();
    buildListsTab();
    buildSearchTab();
    PageControl1->setCurrentIndex(0);

    // Speed buttons: they take no focus, so Enter and Esc always reach the
    // dialog.
    SpeedButtonBegin = named(new QPushButton(tr("Настройки по умолчанию"), this), "SpeedButtonBegin");
    SpeedButtonOk = named(new QPushButton(tr("Применить"), this), "SpeedButtonOk");
    SpeedButtonCancel = named(new QPushButton(tr("Отмена"), this), "SpeedButtonCancel");
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {SpeedButtonBegin, SpeedButtonOk, SpeedButtonCancel}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
    }
    buttons->addWidget(SpeedButtonBegin);
    buttons->addStretch(1);
    buttons->addWidget(SpeedButtonOk);
    buttons->addWidget(SpeedButtonCancel);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->addWidget(PageControl1, 1);
    column->addLayout(buttons);
    setFixedSize(494, 375);

    connect(SpeedButtonBegin, &QPushButton::clicked, this, &TFormSetup::SpeedButtonBeginClick);
    connect(SpeedButtonOk, &QPushButton::clicked, this, &TFormSetup::SpeedButtonOkClick);
    connect(SpeedButtonCancel, &QPushButton::clicked, this, &TFormSetup::SpeedButtonCancelClick);
    connect(ComboBoxFontName, &QComboBox::activated, this, &TFormSetup::ComboBoxFontNameChange);
    connect(SpinEditFontSizeText, &QSpinBox::valueChanged, this, &TFormSetup::SpinEditFontSizeTextChange);
    connect(SpinEditFontSizeCard, &QSpinBox::valueChanged, this, &TFormSetup::SpinEditFontSizeCardChange);

    FormShow();
}

QStringList InstalledFonts::systemFamilies()
{
    return QFontDatabase::families();
}

QString InstalledFonts::systemFamilyInUse(const QString &family)
{
    return QFontInfo(QFont(family)).family();
}

int TFormSetup::fontIndexOf(const QString &family) const
{
    // Only a name equal in letter case too.
    return family.isEmpty() ? -1 : ComboBoxFontName->findText(family, Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

void TFormSetup::buildGeneralTab()
{
    auto *column = new QVBoxLayout(TabSheet1);
    CheckBoxHint = addCheckBox(TabSheet1, column, "CheckBoxHint",
                               tr("Всплывающие подсказки над словами, не помещающимися в списке"));
    CheckBoxTray = addCheckBox(TabSheet1, column, "CheckBoxTray",
                               tr("Минимизировать в системный трей (рядом с часами)"));
    CheckBoxDockWindow = addCheckBox(TabSheet1, column, "CheckBoxDockWindow",
                                     tr("Присоединять окно программы к границам экрана"));
    CheckBoxNoDoubleProgramm = addCheckBox(TabSheet1, column, "CheckBoxNoDoubleProgramm",
                                           tr("Запрет одновременного запуска нескольких копий программы"));
    SpinEditTransp = addField(TabSheet1, column, "LabelTransp", tr("Прозрачность главного окна (%)"), &LabelTransp,
                              "SpinEditTransp", kTransparencyRange);
    auto *indented = new QHBoxLayout;
    indented->addSpacing(20);
    CheckBoxTranspCard = named(
            new QCheckBox(tr("Применять настройки прозрачности главного окна к карточкам"), TabSheet1),
            "CheckBoxTranspCard");
    indented->addWidget(CheckBoxTranspCard);
    column->addLayout(indented);
    // Where the window system keeps opacity to itself (Wayland) the stored
    // values are kept but cannot be changed here.
    if (!WindowSystemAbilities::current().opacity) {
        for (QWidget *control : {static_cast<QWidget *>(LabelTransp), static_cast<QWidget *>(SpinEditTransp),
                                 static_cast<QWidget *>(CheckBoxTranspCard)}) {
            control->setEnabled(false);
            control->setToolTip(opacityUnavailableHint());
        }
    }
    CheckBoxSaveParam = addCheckBox(TabSheet1, column, "CheckBoxSaveParam", tr("Сохранять параметры при выходе"));
    // The languages by their own names, so that each reads its own.
    auto *language = new QHBoxLayout;
    LabelLanguage = named(new QLabel(tr("Язык интерфейса"), TabSheet1), "LabelLanguage");
    ComboBoxLanguage = named(new QComboBox(TabSheet1), "ComboBoxLanguage");
    ComboBoxLanguage->addItems({tr("Как в системе"), QStringLiteral("Русский"), QStringLiteral("English")});
    LabelLanguage->setBuddy(ComboBoxLanguage);
    LabelLanguageNote = named(new QLabel(tr("(со следующего запуска)"), TabSheet1), "LabelLanguageNote");
    language->addWidget(LabelLanguage);
    language->addWidget(ComboBoxLanguage);
    language->addWidget(LabelLanguageNote, 1);
    column->addLayout(language);
    column->addStretch(1);
}

void TFormSetup::buildSearchTab()
{
    auto *column = new QVBoxLayout(TabSheetSearch);
    CheckBoxExactLetters = addCheckBox(TabSheetSearch, column, "CheckBoxExactLetters", tr("Точное совпадение букв"));
    CheckBoxExactLetters->setToolTip(
        tr("Буква запроса с макроном или особая саамская буква (ӈ, ҏ, ҍ …) находит только себя; "
           "простая буква находит и свои варианты"));
    column->addStretch(1);
}

void TFormSetup::buildFontsTab(const QStringList &fonts)
{
    auto *row = new QHBoxLayout(TabSheet2);
    auto *left = new QVBoxLayout;
    LabelFontName = named(new QLabel(tr("Шрифт текста"), TabSheet2), "LabelFontName");
    ComboBoxFontName = named(new QComboBox(TabSheet2), "ComboBoxFontName");
    ComboBoxFontName->setEditable(false);
    ComboBoxFontName->setMaxVisibleItems(16);
    QStringList sorted = fonts;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    ComboBoxFontName->addItems(sorted);
    LabelFontName->setBuddy(ComboBoxFontName);
    left->addWidget(LabelFontName);
    left->addWidget(ComboBoxFontName);

    GroupBoxFontSize = named(new QGroupBox(tr("Размер"), TabSheet2), "GroupBoxFontSize");
    auto *sizes = new QVBoxLayout(GroupBoxFontSize);
    SpinEditFontSizeList = addField(GroupBoxFontSize, sizes, "LabelFontSizeList",
                                    tr("Шрифт списка, полей редактирования"), &LabelFontSizeList,
                                    "SpinEditFontSizeList", kFontSizeRange);
    SpinEditFontSizeText = addField(GroupBoxFontSize, sizes, "LabelFontSizeText", tr("Шрифт текста перевода / фразы"),
                                    &LabelFontSizeText, "SpinEditFontSizeText", kFontSizeRange);
    SpinEditFontSizeCard = addField(GroupBoxFontSize, sizes, "LabelFontSizeCard", tr("Шрифт текста словарной карточки"),
                                    &LabelFontSizeCard, "SpinEditFontSizeCard", kFontSizeRange);
    for (QLabel *label : {LabelFontSizeList, LabelFontSizeText, LabelFontSizeCard})
        label->setWordWrap(true);
    left->addWidget(GroupBoxFontSize);
    left->addStretch(1);
    row->addLayout(left, 1);

    Editor = named(new QTextEdit(TabSheet2), "Editor");
    Editor->setReadOnly(true);
    Editor->setUndoRedoEnabled(false);
    Editor->setFrameShape(QFrame::NoFrame);
    Editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Editor->setFixedSize(197, 261);
    row->addWidget(Editor);
}

void TFormSetup::buildCardTab()
{
    auto *column = new QVBoxLayout(TabSheet3);
    GroupBox1 = named(new QGroupBox(tr("Размер карточки слова"), TabSheet3), "GroupBox1");
    auto *sizes = new QVBoxLayout(GroupBox1);
    SpinEditCardWidth = addField(GroupBox1, sizes, "LabelCardWidth", tr("По горизонтали"), &LabelCardWidth,
                                 "SpinEditCardWidth", kCardSizeRange);
    SpinEditCardHeight = addField(GroupBox1, sizes, "LabelCardHeight", tr("По вертикали"), &LabelCardHeight,
                                  "SpinEditCardHeight", kCardSizeRange);
    column->addWidget(GroupBox1);
    CheckBoxOpenCardWin = addCheckBox(TabSheet3, column, "CheckBoxOpenCardWin",
                                      tr("Открывать каждую карточку в отдельном окне"));
    CheckBoxCloseCard = addCheckBox(TabSheet3, column, "CheckBoxCloseCard",
                                    tr("Закрывать карточки при переключении на другие приложения"));
    column->addStretch(1);
}

void TFormSetup::buildListsTab()
{
    auto *column = new QVBoxLayout(TabSheet4);
    CheckBoxColorString = addCheckBox(TabSheet4, column, "CheckBoxColorString",
                                      tr("Разделять цветом четные и нечетные строки списка"));
    auto *row = new QHBoxLayout;
    ColorBox1 = named(new ColorBox(TabSheet4), "ColorBox1");
    LabelColorBox = named(new QLabel(tr("Цвет фона строки списка"), TabSheet4), "LabelColorBox");
    LabelColorBox->setBuddy(ColorBox1);
    row->addWidget(ColorBox1);
    row->addWidget(LabelColorBox, 1);
    column->addLayout(row);
    column->addStretch(1);
}

void TFormSetup::FormShow()
{
    const SetupValues current = SetupValues::of(*m_settings);
    setValues(current);
    m_previewFamily = m_settings->FontNameLumo;
    fillSetupPreview(Editor, m_article, ArticleFont{m_previewFamily, current.FontSizeText});
}

void TFormSetup::setValues(const SetupValues &v)
{
    const QSignalBlocker blockText(SpinEditFontSizeText);
    const QSignalBlocker blockCard(SpinEditFontSizeCard);
    for (const auto &[box, value] : kCheckBoxes)
        (this->*box)->setChecked(v.*value);
    for (const auto &[field, value] : kNumberFields)
        (this->*field)->setValue(v.*value);
    ComboBoxLanguage->setCurrentIndex(v.Language);
    // A name not installed shows the font the text is drawn in instead
    // (Tahoma is missing on most systems); none when that is not listed.
    int index = fontIndexOf(v.FontNameLumo);
    m_standInFor.clear();
    m_standInIndex = -1;
    if (index < 0 && !v.FontNameLumo.isEmpty() && m_familyInUse) {
        index = fontIndexOf(m_familyInUse(v.FontNameLumo));
        if (index >= 0) {
            m_standInFor = v.FontNameLumo;
            m_standInIndex = index;
        }
    }
    ComboBoxFontName->setCurrentIndex(index);
    ColorBox1->setColor(colorFromBgr(v.ColorEvenLines));
}

SetupValues TFormSetup::values() const
{
    SetupValues v;
    for (const auto &[box, value] : kCheckBoxes)
        v.*value = (this->*box)->isChecked();
    for (const auto &[field, value] : kNumberFields)
        v.*value = (this->*field)->clampedValue();
    v.Language = ComboBoxLanguage->currentIndex();
    const int font = ComboBoxFontName->currentIndex();
    if (font >= 0 && font == m_standInIndex)
        v.FontNameLumo = m_standInFor;   // left as shown: the stored name stays
    else
        v.FontNameLumo = font >= 0 ? ComboBoxFontName->currentText() : QString();
    const QColor colour = ColorBox1->color();
    v.ColorEvenLines = colour.isValid() ? bgrFromColor(colour) : m_settings->ColorEvenLines;
    return v;
}

void TFormSetup::refreshPreview(int pointSize)
{
    if (ComboBoxFontName->currentIndex() >= 0)
        m_previewFamily = ComboBoxFontName->currentText();
    restyleSetupPreview(Editor, ArticleFont{m_previewFamily, pointSize});
}

void TFormSetup::ComboBoxFontNameChange()
{
    // A font picked by the user is stored as picked, the one shown in the
    // stored font's place included.
    m_standInIndex = -1;
    refreshPreview(SpinEditFontSizeText->clampedValue());
}

void TFormSetup::SpinEditFontSizeTextChange()
{
    refreshPreview(SpinEditFontSizeText->clampedValue());
}

void TFormSetup::SpinEditFontSizeCardChange()
{
    refreshPreview(SpinEditFontSizeCard->clampedValue());
}

void TFormSetup::SpeedButtonBeginClick()
{
    SetupValues defaults = SetupValues::of(Settings());
    // Where the default font is not installed the selection stays as it was.
    if (fontIndexOf(defaults.FontNameLumo) < 0)
        defaults.FontNameLumo = values().FontNameLumo;
    setValues(defaults);
    refreshPreview(SpinEditFontSizeText->clampedValue());
}

void TFormSetup::SpeedButtonOkClick()
{
    m_ran = SetupApply(m_settings, m_actions).apply(values());
    accept();
}

void TFormSetup::SpeedButtonCancelClick()
{
    reject();
}

void TFormSetup::keyPressEvent(QKeyEvent *event)
{
    // FormKeyPress: Enter anywhere applies, Esc anywhere cancels.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        SpeedButtonOkClick();
        return;
    case Qt::Key_Escape:
        SpeedButtonCancelClick();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace lumolex
